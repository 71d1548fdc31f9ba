#include "ui/common/window_pointer.h"

#include "platform/system.h"
#include "ui/common/cursor_file.h"
#include "ui/common/data_files.h"
#include "errors/error_trap.h"
#include "files/file_procedures.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QSinglePointEvent>

namespace jubilo {

namespace {

bool isPointerMove(const QEvent& event)
{
    const QEvent::Type type = event.type();
    return type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::HoverMove;
}

// The deepest widget at the event's position. A move an element ignores goes
// on to its parents, and entering an element enters its parents first: both
// must count as a move over the element, not over its parents.
const QWidget& widgetUnder(const QWidget& receiver, const QEvent& event)
{
    if (!event.isSinglePointEvent())
        return receiver;
    const QPoint at = static_cast<const QSinglePointEvent&>(event).position().toPoint();
    const QWidget* child = receiver.childAt(at);
    return child ? *child : receiver;
}

// Qt's own parts of an element (a tab strip's tabs and page holder, a list's
// viewport, header and scroll bars) are unnamed or named "qt_...", while the
// form builder names every element: a part counts as its element.
bool isPartOfParent(const QWidget& widget)
{
    const QString name = widget.objectName();
    return name.isEmpty() || name.startsWith(QLatin1String("qt_"));
}

const QWidget& elementOf(const QWidget& widget)
{
    const QWidget* element = &widget;
    while (!element->isWindow() && isPartOfParent(*element) && element->parentWidget())
        element = element->parentWidget();
    return *element;
}

}  // namespace

WindowPointer::WindowPointer(QWidget& window, ArrowArea isArrowArea)
    : window_(window)
    , isArrowArea_(std::move(isArrowArea))
{
    // Moves over widgets without mouse tracking reach only the application's
    // filters, so the pointer listens there.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

void WindowPointer::loadHand(ErrorTrap& trap)
{
    const QString handFile = dataFilePath(system().programFolder(), QLatin1String(kHandPointerFile));
    if (trap.condition(108, [&] { return fileExists(handFile); }))
        trap.step(110, [&] { hand_ = loadCursorFile(handFile); });
}

bool WindowPointer::eventFilter(QObject* watched, QEvent* event)
{
    if (isPointerMove(*event) && watched->isWidgetType()) {
        const auto& receiver = *static_cast<QWidget*>(watched);
        if (receiver.window() == &window_)
            update(elementOf(widgetUnder(receiver, *event)));
    }
    return QObject::eventFilter(watched, event);
}

void WindowPointer::update(const QWidget& element)
{
    if (QApplication::overrideCursor())
        return;
    if (qobject_cast<const QPushButton*>(&element))
        window_.setCursor(hand_);
    else if (&element == &window_ || isArrowArea_(element))
        window_.setCursor(Qt::ArrowCursor);
}

}  // namespace jubilo
