#include "ui/main/summary_line.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>

namespace jubilo {

namespace {

constexpr int kSideMargin = 6;  // in line with the form's frames
const QColor kMarkedColour(0xB0, 0x00, 0x20);

}  // namespace

SummaryLine::SummaryLine(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    laidOut_.setTextFormat(Qt::PlainText);
    laidOut_.setPerformanceHint(QStaticText::AggressiveCaching);
}

void SummaryLine::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    laidOut_.setText(text);
    prepare();
    setAccessibleDescription(text);
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void SummaryLine::setMarked(bool marked)
{
    if (marked == marked_)
        return;
    marked_ = marked;
    QFont bold = font();
    bold.setBold(marked);
    setFont(bold);  // a FontChange prepares the text again
}

QSize SummaryLine::sizeHint() const { return {kSideMargin * 2, fontMetrics().height() + 2}; }

QSize SummaryLine::minimumSizeHint() const { return sizeHint(); }

void SummaryLine::prepare()
{
    laidOut_.prepare(QTransform(), font());
    update();
}

void SummaryLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        prepare();
    QWidget::changeEvent(event);
}

void SummaryLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(marked_ ? kMarkedColour : palette().color(QPalette::WindowText));
    const qreal top = (height() - laidOut_.size().height()) / 2;
    painter.drawStaticText(QPointF(kSideMargin, top), laidOut_);
}

}  // namespace jubilo
