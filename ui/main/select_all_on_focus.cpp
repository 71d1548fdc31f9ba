#include "ui/main/select_all_on_focus.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace jubilo {

void SelectAllOnFocus::watch(QLineEdit& box) { box.installEventFilter(this); }

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            box->selectAll();
            // A mouse press lands after the focus and moves the cursor.
            QTimer::singleShot(0, box, [guard = QPointer<QLineEdit>(box)] {
                if (guard && guard->hasFocus())
                    guard->selectAll();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace jubilo
