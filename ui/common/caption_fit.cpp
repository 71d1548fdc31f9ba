#include "ui/common/caption_fit.h"

#include <QFontMetricsF>
#include <QLabel>

namespace jubilo {

void fitTranslatedCaption(QLabel& label)
{
    if (!label.property(kTranslatedCaptionProperty).toBool())
        return;
    QFont font = label.font();
    const double smallest = font.pointSizeF() * kSmallestCaptionScale;
    const auto fits = [&] { return QFontMetricsF(font).horizontalAdvance(label.text()) <= label.width(); };
    while (!fits() && font.pointSizeF() - 0.25 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
}

void fitTranslatedCaptions(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>())
        fitTranslatedCaption(*label);
}

}  // namespace jubilo
