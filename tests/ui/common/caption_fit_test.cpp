// Translated label captions that are wider than their labels: the free room
// on the label's row first, a smaller font second, English never.

#include "ui/common/caption_fit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace jubilo {
namespace {

// A frame 300 px wide with, on one row, an input at 10..89, the label at
// 100..139 and an input from 150: the label may grow from 92 to 147.
struct Row {
    QWidget frame;
    QLineEdit* before = new QLineEdit(&frame);
    QLabel* label = new QLabel(&frame);
    QLineEdit* after = new QLineEdit(&frame);
    QLineEdit* below = new QLineEdit(&frame);  // on another row: no limit

    Row(const QString& caption, bool translated)
    {
        frame.resize(300, 100);
        before->setGeometry(10, 10, 80, 20);
        label->setGeometry(100, 12, 40, 15);
        after->setGeometry(150, 10, 100, 20);
        below->setGeometry(0, 40, 300, 20);
        label->setFont(QFont(QStringLiteral("Liberation Sans"), 9, QFont::Bold));
        label->setText(caption);
        label->setProperty(kTranslatedCaptionProperty, translated);
    }
    double needed() const { return QFontMetricsF(label->font()).horizontalAdvance(label->text()); }
};

TEST(CaptionFitTest, ATranslatedCaptionTakesTheFreeRoomOfItsRowThenASmallerFont)
{
    const QFont form(QStringLiteral("Liberation Sans"), 9, QFont::Bold);
    const auto widthOf = [&](const QString& text) { return QFontMetricsF(form).horizontalAdvance(text); };
    const struct {
        const char* what;
        QString caption;
        bool translated;
    } cases[] = {
        {"fits already", "Nom :", true},
        {"grows to the right, up to the input", "Adresse :", true},
        {"grows to both sides", "Anzahl:xx", true},
        {"grows, then shrinks", "Personenzahl:", true},
        {"too long for any font: smallest font, whole row", "Personenzahl der Party:", true},
        {"English is never changed", "Number in Party:", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Row row(c.caption, c.translated);
        const QRect before = row.label->geometry();
        fitTranslatedCaption(*row.label);
        const QRect after = row.label->geometry();
        if (!c.translated || widthOf(c.caption) <= before.width()) {
            EXPECT_EQ(after, before);
            EXPECT_EQ(row.label->font().pointSizeF(), 9.0);
            continue;
        }
        // Never over a sibling on its row, never off its row.
        EXPECT_GE(after.left(), 92);
        EXPECT_LE(after.right(), 147);
        EXPECT_EQ(after.top(), before.top());
        EXPECT_EQ(after.height(), before.height());
        EXPECT_GE(row.label->font().pointSizeF(), 9.0 * kSmallestCaptionScale);
        const double smallest = 9.0 * kSmallestCaptionScale;
        if (widthOf(c.caption) <= 147 - 92 + 1) {
            EXPECT_EQ(row.label->font().pointSizeF(), 9.0) << "room enough without a smaller font";
        }
        if (row.needed() > after.width()) {
            // Only when even the smallest font is too wide, and then on the
            // whole free stretch of the row.
            EXPECT_LT(row.label->font().pointSizeF(), smallest + 0.25);
            EXPECT_EQ(after.left(), 92);
            EXPECT_EQ(after.right(), 147);
        }
    }
}

}  // namespace
}  // namespace jubilo
