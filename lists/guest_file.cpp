#include "lists/guest_file.h"

#include "lists/guest_csv.h"
#include "lists/guest_vcard.h"
#include "lists/text_scan.h"

namespace jubilo {

GuestSource readGuestFile(const QString& path)
{
    const TextScan scan = scanText(path);
    return looksLikeVCard(scan.start) ? readGuestVCards(path, scan) : readGuestCsv(path, scan);
}

}  // namespace jubilo
