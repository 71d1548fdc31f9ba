#include "ui/main/entry_keys.h"

#include "ui/main/entry_procedures.h"

#include <QKeyEvent>

namespace jubilo {

namespace {

QWidget* inputWidget(const MainWindowWidgets& widgets, const EntryInput& input)
{
    if (const auto* box = std::get_if<WidgetMember<QLineEdit>>(&input))
        return widgets.**box;
    if (const auto* choice = std::get_if<WidgetMember<QComboBox>>(&input))
        return widgets.**choice;
    return nullptr;
}

bool isReturn(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

EntryKeys::EntryKeys(const MainWindowWidgets& widgets, std::function<void(TableId, int)> moveRow, QObject* parent)
    : QObject(parent)
    , moveRow_(std::move(moveRow))
{
    for (const AddProcedure& add : addProcedures()) {
        Frame frame{{}, nullptr, widgets.*add.button};
        for (const EntryInput& cell : add.cells) {
            if (QWidget* input = inputWidget(widgets, cell))
                frame.inputs.push_back(input);
        }
        frame.first = qobject_cast<QLineEdit*>(frame.inputs.front());
        watchFrame(std::move(frame));
    }
    watchFrame({{widgets.foodNameBox}, widgets.foodNameBox, widgets.addFoodButton});
    for (const DeleteProcedure& remove : deleteProcedures()) {
        QTreeView& view = tableList(widgets, remove.table);
        lists_.push_back({&view, remove.table, widgets.*remove.button});
        view.installEventFilter(this);
    }
}

void EntryKeys::watchFrame(Frame frame)
{
    for (QWidget* input : frame.inputs)
        input->installEventFilter(this);
    frames_.push_back(std::move(frame));
}

const EntryKeys::Frame* EntryKeys::frameOf(const QObject* input) const
{
    for (const Frame& frame : frames_) {
        for (const QWidget* candidate : frame.inputs) {
            if (candidate == input)
                return &frame;
        }
    }
    return nullptr;
}

const EntryKeys::List* EntryKeys::listOf(const QObject* view) const
{
    for (const List& list : lists_) {
        if (list.view == view)
            return &list;
    }
    return nullptr;
}

void EntryKeys::runAdd(const Frame& frame)
{
    frame.add->click();
    // An add that took the row emptied the boxes: ready for the next one.
    if (frame.first && frame.first->text().isEmpty())
        frame.first->setFocus(Qt::TabFocusReason);
}

bool EntryKeys::listKey(const List& list, const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Delete && key.modifiers() == Qt::NoModifier) {
        list.remove->click();
        return true;
    }
    if ((key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) && key.modifiers() == Qt::AltModifier) {
        moveRow_(list.table, key.key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return false;
}

bool EntryKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (const List* list = listOf(watched))
        return listKey(*list, key);
    if (const Frame* frame = frameOf(watched); frame && isReturn(key)) {
        runAdd(*frame);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace jubilo
