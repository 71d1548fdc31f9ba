#include "messages/app_title.h"

namespace jubilo {

namespace {
QString g_appTitle = QString::fromUtf8(kProductName);
constexpr int kMaxTitleLength = 40;
}  // namespace

QString appTitleFor(const QString& productName)
{
    QString title = productName;
    do {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            break;
        title.truncate(blank);
    } while (title.size() > kMaxTitleLength);
    return title;
}

void setAppTitle() { g_appTitle = appTitleFor(QString::fromUtf8(kProductName)); }

QString appTitle() { return g_appTitle; }

}  // namespace jubilo
