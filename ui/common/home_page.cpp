#include "ui/common/home_page.h"

#include "platform/system.h"
#include "messages/product.h"

#include <cmath>

namespace jubilo {

namespace {
constexpr int kLuckyDraw = 7;
}

int homePageDraw(double r) { return static_cast<int>(std::floor(r * 100.0)) + 1; }

void maybeShowHomePage()
{
    System& sys = system();
    const int secondsSinceMidnight = sys.now().time().msecsSinceStartOfDay() / 1000;
    sys.seedRandom(static_cast<quint32>(secondsSinceMidnight));
    if (homePageDraw(sys.nextRandom()) == kLuckyDraw)
        sys.openUrl(QString::fromUtf8(kHomePageAddress));
}

}  // namespace jubilo
