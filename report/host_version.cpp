#include "report/host_version.h"

#include "platform/system.h"
#include "host/interface/spreadsheet_host.h"
#include "report/host_checks.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace jubilo {

int hostVersionNumber(const QString& version, const QLocale& locale)
{
    const QChar separator = locale.toString(0.5).at(1);
    QString text = version;
    text.replace(QLatin1Char('.'), separator);
    text.replace(QLatin1Char(','), separator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok)
        throw std::runtime_error("Type mismatch: the version \"" + version.toStdString() + "\" is not a number");
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        throw std::overflow_error("Overflow");
    return static_cast<int>(rounded);
}

int hostWorkbookFormat(SpreadsheetHost* host)
{
    QString version;
    if (host) {
        version = host->version();
    } else {
        const auto own = system().createHost(kHostClassName);
        if (!own)
            throw std::runtime_error("The spreadsheet host could not be started");
        version = own->version();
        own->quit();
    }
    return hostVersionNumber(version) <= 11 ? xl::kWorkbookNormal : xl::kExcel8;
}

}  // namespace jubilo
