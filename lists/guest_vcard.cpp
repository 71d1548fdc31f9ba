#include "lists/guest_vcard.h"

#include "lists/import_error.h"
#include "plan/plan_tables.h"

#include <QCoreApplication>

#include <optional>
#include <set>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GuestVCard)
};

// What a card without an address has for one.
QString noAddress() { return Texts::tr("(no address)"); }

// One property line, unfolded: "item1.ADR;TYPE=home:;;1 Elm St;Town".
struct Property {
    QString name;  // upper case, without its group
    QStringList parameters;  // as written: "TYPE=home"
    QString value;
};

// The first ':' outside a quoted parameter value ends the name and
// parameters; the ';' outside quotes before it part them.
std::optional<Property> parsedProperty(const QString& line)
{
    QStringList head{QString()};
    bool quoted = false;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const QChar c = line[at];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char(':')) {
            QString name = head.takeFirst().trimmed().toUpper();
            name = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
            return Property{name, head, line.mid(at + 1)};
        }
        if (!quoted && c == QLatin1Char(';'))
            head << QString();
        else
            head.last() += c;
    }
    return std::nullopt;
}

bool isQuotedPrintable(const Property& property)
{
    return std::any_of(property.parameters.begin(), property.parameters.end(), [](const QString& parameter) {
        const QString text = parameter.trimmed().toUpper();
        return text == QLatin1String("QUOTED-PRINTABLE") || text == QLatin1String("ENCODING=QUOTED-PRINTABLE");
    });
}

// A text of several lines on one line: its lines joined by `joint`.
QString oneLine(const QString& text, const QString& joint)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(joint);
}

QString nameFromN(const QString& value)
{
    const QList<QStringList> parts = vCardParts(value);
    QStringList words;
    for (const int part : {1, 0}) {  // given, then family
        if (part < parts.size())
            words << parts[part].join(QLatin1Char(' ')).simplified();
    }
    words.removeAll(QString());
    return words.join(QLatin1Char(' '));
}

QString addressFromAdr(const QString& value)
{
    QStringList pieces;
    for (const QStringList& part : vCardParts(value)) {
        for (const QString& text : part) {
            if (const QString line = oneLine(text, QStringLiteral(", ")); !line.isEmpty())
                pieces << line;
        }
    }
    return pieces.join(QStringLiteral(", "));
}

// The card being read, and the cards read.
class CardReader {
public:
    explicit CardReader(TextEncoding encoding)
        : encoding_(encoding)
    {
    }

    void line(int number, QByteArrayView bytes);
    GuestSource finish(const QString& path);

private:
    void property(int number, const Property& property);
    void endCard();

    TextEncoding encoding_;
    std::vector<SourceRow> rows_;
    int withoutAddress_ = 0;
    std::set<QString> versions_;
    // The card being read: where it began, and what it has said so far.
    int cardLine_ = 0;
    QString fn_, n_, adr_;
};

void CardReader::line(int number, QByteArrayView bytes)
{
    const QString text = decodedText(bytes, encoding_);
    if (text.trimmed().isEmpty())
        return;
    const std::optional<Property> parsed = parsedProperty(text);
    if (cardLine_ == 0) {
        if (!parsed || parsed->name != QLatin1String("BEGIN") || parsed->value.trimmed().toUpper() != "VCARD")
            throw ImportError(Texts::tr("it is outside any card (a card starts with BEGIN:VCARD)"), number);
        cardLine_ = number;
        return;
    }
    if (parsed)  // a line of no property (some 2.1 picture data) says nothing we use
        property(number, *parsed);
}

void CardReader::property(int number, const Property& p)
{
    if (isQuotedPrintable(p))
        throw ImportError(Texts::tr("it is written in quoted-printable (vCard 2.1), which Jubilo does not read; please "
                                    "export the contacts as vCard 3.0 or 4.0"),
                          number);
    if (p.name == QLatin1String("BEGIN"))
        throw ImportError(Texts::tr("a card begins inside another card"), number);
    if (p.name == QLatin1String("END"))
        endCard();
    else if (p.name == QLatin1String("VERSION"))
        versions_.insert(p.value.trimmed());
    else if (p.name == QLatin1String("FN") && fn_.isEmpty())
        fn_ = oneLine(unescapedVCardText(p.value), QStringLiteral(" "));
    else if (p.name == QLatin1String("N") && n_.isEmpty())
        n_ = nameFromN(p.value);
    else if (p.name == QLatin1String("ADR") && adr_.isEmpty())
        adr_ = addressFromAdr(p.value);
}

void CardReader::endCard()
{
    const QString name = fn_.isEmpty() ? n_ : fn_;
    if (name.isEmpty())
        throw ImportError(Texts::tr("the card that starts here has no name (neither FN nor N)"), cardLine_);
    if (static_cast<int>(rows_.size()) == PlanTable::kMaxRows)
        throw ImportError(
            Texts::tr("the file holds more than %L1 guests, more than a list holds").arg(PlanTable::kMaxRows),
            cardLine_);
    withoutAddress_ += adr_.isEmpty();
    rows_.push_back({cardLine_, {name, adr_.isEmpty() ? noAddress() : adr_}});
    cardLine_ = 0;
    fn_.clear();
    n_.clear();
    adr_.clear();
}

GuestSource CardReader::finish(const QString& path)
{
    if (cardLine_ != 0)
        throw ImportError(Texts::tr("the card that starts here never ends (END:VCARD is missing)"), cardLine_);
    if (rows_.empty())
        throw ImportError(Texts::tr("it holds no guests"));
    GuestSource source;
    source.path = path;
    QStringList versions(versions_.begin(), versions_.end());
    source.format
        = Texts::tr("vCard %1, %2").arg(versions.join(QStringLiteral(", ")), encodingName(encoding_)).simplified();
    source.columns = {Texts::tr("Name (FN or N)"), Texts::tr("Address (first ADR)")};
    source.mapping.columns = {0, 1, GuestMapping::kNoColumn, GuestMapping::kNoColumn};
    source.mappable = false;
    if (withoutAddress_ > 0)
        source.note = Texts::tr("Cards without an address: %L1. Their \"Address\" reads \"%2\"; change it in the list.")
                          .arg(withoutAddress_)
                          .arg(noAddress());
    source.rows = std::move(rows_);
    return source;
}

// Cuts the bytes into lines (CR LF or LF) and unfolds them: a line that
// starts with a space or a tab goes on the line before, without that one
// character.
class LineUnfolder {
public:
    explicit LineUnfolder(CardReader& cards)
        : cards_(cards)
    {
    }
    void feed(QByteArrayView bytes)
    {
        while (!bytes.isEmpty()) {
            const qsizetype end = bytes.indexOf('\n');
            physical_ += end < 0 ? bytes : bytes.first(end);
            if (physical_.size() > kMaxCardLineBytes)
                throw tooLong(number_);
            if (end < 0)
                return;
            bytes = bytes.sliced(end + 1);
            if (physical_.endsWith('\r'))
                physical_.chop(1);
            endOfPhysicalLine();
            ++number_;
        }
    }
    void finish()
    {
        if (!physical_.isEmpty())
            endOfPhysicalLine();
        if (logicalLine_ > 0)
            cards_.line(logicalLine_, logical_);
    }

private:
    static ImportError tooLong(int line)
    {
        return ImportError(Texts::tr("the line is longer than %1 MB").arg(kMaxCardLineBytes >> 20), line);
    }
    void endOfPhysicalLine()
    {
        const bool continues = !physical_.isEmpty() && (physical_[0] == ' ' || physical_[0] == '\t');
        if (continues && logicalLine_ > 0) {
            logical_ += QByteArrayView(physical_).sliced(1);
            if (logical_.size() > kMaxCardLineBytes)
                throw tooLong(logicalLine_);
        } else {
            if (logicalLine_ > 0)
                cards_.line(logicalLine_, logical_);
            logical_ = physical_;
            logicalLine_ = number_;
        }
        physical_.clear();
    }

    CardReader& cards_;
    QByteArray physical_;
    QByteArray logical_;
    int number_ = 1;
    int logicalLine_ = 0;  // where the logical line began; 0 before the first
};

}  // namespace

bool looksLikeVCard(QByteArrayView start)
{
    const QByteArray text = start.first(std::min<qsizetype>(start.size(), 4096)).toByteArray().trimmed();
    return text.toUpper().startsWith("BEGIN:VCARD");
}

QString unescapedVCardText(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype at = 0; at < value.size(); ++at) {
        const QChar c = value[at];
        if (c != QLatin1Char('\\') || at + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar next = value[++at];
        if (next == QLatin1Char('n') || next == QLatin1Char('N'))
            text += QLatin1Char('\n');
        else if (next == QLatin1Char(',') || next == QLatin1Char(';') || next == QLatin1Char('\\'))
            text += next;
        else
            text += c + QString(next);  // no escape vCard knows: kept as written
    }
    return text;
}

QList<QStringList> vCardParts(const QString& value)
{
    QList<QStringList> parts{QStringList{QString()}};
    for (qsizetype at = 0; at < value.size(); ++at) {
        const QChar c = value[at];
        if (c == QLatin1Char('\\') && at + 1 < value.size()) {
            parts.last().last() += c;
            parts.last().last() += value[++at];
        } else if (c == QLatin1Char(';')) {
            parts << QStringList{QString()};
        } else if (c == QLatin1Char(',')) {
            parts.last() << QString();
        } else {
            parts.last().last() += c;
        }
    }
    for (QStringList& part : parts) {
        for (QString& text : part)
            text = unescapedVCardText(text);
    }
    return parts;
}

GuestSource readGuestVCards(const QString& path, const TextScan& scan)
{
    CardReader cards(scan.encoding);
    LineUnfolder lines(cards);
    readTextInPieces(path, scan, [&](QByteArrayView piece) { lines.feed(piece); });
    lines.finish();
    return cards.finish(path);
}

}  // namespace jubilo
