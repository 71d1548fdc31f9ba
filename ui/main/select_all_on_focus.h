#pragma once
// Text boxes that select their whole text when they receive the focus, so
// typing replaces it; also after a mouse click, which would otherwise place
// the cursor and drop the selection.

#include <QObject>

class QLineEdit;

namespace jubilo {

class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void watch(QLineEdit& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace jubilo
