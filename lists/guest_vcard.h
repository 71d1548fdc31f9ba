#pragma once
// Guests from vCards (".vcf", versions 3.0 and 4.0, and 2.1 unless written
// in quoted-printable): one guest per card, several cards to a file. The
// name is FN, or N's given and family names when a card has no FN; the
// address is the card's first ADR on one line, its parts joined by ", ".
// A card without an address is still a guest: its address reads
// "(no address)", since the list needs one, and the dialog says how many
// read so. Every guest is "No" for "RSVP?" and "1" for "Number in Party".

#include "lists/guest_source.h"
#include "lists/text_scan.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace jubilo {

// The longest line of a card, once unfolded.
inline constexpr qsizetype kMaxCardLineBytes = 1 << 20;

// True when the text's first line that is not blank is BEGIN:VCARD.
bool looksLikeVCard(QByteArrayView start);

// A text value's escapes undone: "\," "\;" "\\" and "\n" (or "\N").
QString unescapedVCardText(const QString& value);

// A structured value (N, ADR) cut into its parts at unescaped ";", each
// part's values cut at unescaped "," and unescaped.
QList<QStringList> vCardParts(const QString& value);

// Throws ImportError.
GuestSource readGuestVCards(const QString& path, const TextScan& scan);

}  // namespace jubilo
