#pragma once
// The mouse as the pointer rules see it: entering and moving over a widget
// with no button held, and a report run's busy pointer.

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace jubilo::testing {

inline void enter(QWidget& widget, QPoint at = {2, 2})
{
    QEnterEvent event(at, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &event);
}

inline void moveOver(QWidget& widget, QPoint at = {2, 2})
{
    QMouseEvent event(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Put back however the test ends.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
};

}  // namespace jubilo::testing
