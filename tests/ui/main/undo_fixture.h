#pragma once
// A main window on a plan that has been worked on (every value stored), and
// the changes a user makes to it, each the way the user makes it.

#include "main_window_fixture.h"
#include "plan/table_text.h"
#include "tests/support/plan_equality.h"
#include "tests/support/sample_plans.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace jubilo {

class UndoTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        plan = testing::samplePlan();
        testing::appendRows(plan, TableId::Guests, {{"Ann", "Elm St", "Yes", "2"}, {"Bob", "Oak St", "No", "1"}});
        testing::storeEveryValue(sys.memoryStore, plan);
        start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QAction& undoItem() { return *window->menus().undo; }
    QAction& redoItem() { return *window->menus().redo; }
    // As the user does: the Edit menu opens, then the item is chosen.
    void undo()
    {
        emit window->menus().editMenu->aboutToShow();
        undoItem().trigger();
    }
    void redo()
    {
        emit window->menus().editMenu->aboutToShow();
        redoItem().trigger();
    }
    int steps() { return window->history().stack().count(); }

    // A cell edited through the list's own editor, as a double-click and
    // Return would.
    void editCell(TableId id, int position, int column, const QString& text)
    {
        QTreeView& list = tableList(widgets(), id);
        const QModelIndex index = list.model()->index(position - 1, column);
        QAbstractItemDelegate* editor = list.itemDelegate();
        std::unique_ptr<QWidget> box(editor->createEditor(list.viewport(), QStyleOptionViewItem(), index));
        editor->setEditorData(box.get(), index);
        if (auto* line = qobject_cast<QLineEdit*>(box.get()))
            line->setText(text);
        else
            qobject_cast<QComboBox*>(box.get())->setCurrentText(text);
        editor->setModelData(box.get(), list.model(), index);
    }
    void moveRow(TableId id, int position, int key)
    {
        QTreeView& list = tableList(widgets(), id);
        list.setFocus();
        list.setCurrentIndex(list.model()->index(position - 1, 0));
        QTest::keyClick(&list, static_cast<Qt::Key>(key), Qt::AltModifier);
    }
    // A visit of a box: focus in, type, focus out to the guests list.
    void visit(QLineEdit* box, const QString& keys)
    {
        kept(box).setFocus();
        kept(box).selectAll();
        QTest::keyClicks(box, keys);
        widgets().guestsList->setFocus();
    }
    QStringList storedGuestNames()
    {
        QStringList names;
        for (const PlanRow& row : decodeTableText(stored("Guests"), 4))
            names << row[0];
        return names;
    }

    Plan plan;
};

}  // namespace jubilo
