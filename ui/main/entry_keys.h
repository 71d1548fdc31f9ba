#pragma once
// The keys that work the tabs without the mouse: Return in an input of a
// frame runs that frame's Add (the focus then goes back to the frame's
// first box for the next row), Delete on a list runs the list's Delete,
// and Alt+Up / Alt+Down move the list's selected row one place.

#include "plan/plan_tables.h"
#include "ui/main/main_window_layout.h"

#include <QObject>

#include <functional>
#include <vector>

namespace jubilo {

class EntryKeys : public QObject {
    Q_OBJECT
public:
    // `moveRow(table, by)` moves the table's selected row by -1 or +1.
    EntryKeys(const MainWindowWidgets& widgets, std::function<void(TableId, int)> moveRow, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Frame {
        std::vector<QWidget*> inputs;
        QLineEdit* first;
        QPushButton* add;
    };
    struct List {
        QTreeView* view;
        TableId table;
        QPushButton* remove;
    };

    void watchFrame(Frame frame);
    void runAdd(const Frame& frame);
    const Frame* frameOf(const QObject* input) const;
    const List* listOf(const QObject* view) const;
    bool listKey(const List& list, const QKeyEvent& key);

    std::vector<Frame> frames_;
    std::vector<List> lists_;
    std::function<void(TableId, int)> moveRow_;
};

}  // namespace jubilo
