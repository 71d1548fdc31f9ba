#include "shell/window_pointer.h"

#include "platform/system.h"
#include "shell/cursor_file.h"
#include "trap/error_trap.h"
#include "trap/file_procedures.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPushButton>

namespace jubilo {

WindowPointer::WindowPointer(QWidget& window, ArrowArea isArrowArea)
    : window_(window)
    , isArrowArea_(std::move(isArrowArea))
{
}

void WindowPointer::loadHand(ErrorTrap& trap)
{
    const QString handFile = QDir(system().programFolder()).filePath(kHandPointerFile);
    if (trap.condition(108, [&] { return fileExists(handFile); }))
        trap.step(110, [&] { hand_ = loadCursorFile(handFile); });
}

void WindowPointer::watch(QWidget& element) { element.installEventFilter(this); }

bool WindowPointer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        update(watched);
    return QObject::eventFilter(watched, event);
}

void WindowPointer::update(QObject* over)
{
    if (QApplication::overrideCursor())
        return;
    if (qobject_cast<QPushButton*>(over)) {
        window_.setCursor(hand_);
        return;
    }
    auto* widget = qobject_cast<QWidget*>(over);
    if (widget && (widget == &window_ || isArrowArea_(*widget)))
        window_.setCursor(Qt::ArrowCursor);
}

}  // namespace jubilo
