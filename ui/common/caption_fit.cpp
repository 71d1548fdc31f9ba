#include "ui/common/caption_fit.h"

#include <QFontMetricsF>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace jubilo {

namespace {

// Space kept between a grown label and what stands beside it.
constexpr int kLabelGap = 2;

// The stretch of the label's row free of its siblings: from the nearest
// sibling (or the parent's edge) on its left to the nearest on its right.
std::pair<int, int> freeRow(const QLabel& label)
{
    const QWidget* parent = label.parentWidget();
    int left = kLabelGap;
    int right = parent ? parent->width() - kLabelGap : label.geometry().right();
    const QRect place = label.geometry();
    if (!parent)
        return {place.left(), place.right()};
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == &label || sibling->isWindow())
            continue;
        const QRect other = sibling->geometry();
        if (other.bottom() < place.top() || other.top() > place.bottom())
            continue;
        if (other.left() > place.left())
            right = std::min(right, other.left() - 1 - kLabelGap);
        else
            left = std::max(left, other.right() + 1 + kLabelGap);
    }
    return {std::min(left, place.left()), std::max(right, place.right())};
}

double captionWidth(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }

}  // namespace

void fitTranslatedCaption(QLabel& label)
{
    if (!label.property(kTranslatedCaptionProperty).toBool())
        return;
    QFont font = label.font();
    if (captionWidth(font, label.text()) > label.width()) {
        // First the free room beside it, on the side away from its input
        // as well, then a smaller font.
        const auto [left, right] = freeRow(label);
        const QRect place = label.geometry();
        const int wanted = int(std::ceil(captionWidth(font, label.text())));
        const int newRight = std::min(right, place.left() + wanted - 1);
        const int newLeft = std::max(left, newRight - wanted + 1);
        label.setGeometry(
            QRect(QPoint(newLeft, place.top()), QPoint(std::max(newRight, place.right()), place.bottom())));
    }
    const double smallest = font.pointSizeF() * kSmallestCaptionScale;
    while (captionWidth(font, label.text()) > label.width() && font.pointSizeF() - 0.25 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
}

void fitTranslatedCaptions(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>())
        fitTranslatedCaption(*label);
}

}  // namespace jubilo
