#pragma once
// EXPECT_PIXEL(image, x, y, colour): one pixel's colour, printed as (r,g,b).

#include <QColor>
#include <QString>

#include <string>

namespace jubilo::testing {

inline std::string describe(const QColor& c)
{
    return QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue()).toStdString();
}

}  // namespace jubilo::testing

#define EXPECT_PIXEL(image, x, y, color)                                                                               \
    EXPECT_EQ(jubilo::testing::describe((image).pixelColor((x), (y))), jubilo::testing::describe(color))               \
        << "at " << (x) << "," << (y)
