#pragma once
// The pointer rules both windows follow: the hand pointer over buttons, the
// arrow over the window itself and over the window's arrow areas; anything
// else leaves the pointer as it is. A report run's busy pointer is never
// replaced by a mouse move.
//
// The rules are applied on every move over the window, not only when the
// pointer enters an element: moving off a button onto the background under
// it gives the arrow back.

#include <QCursor>
#include <QObject>

#include <functional>

class QWidget;

namespace jubilo {

class ErrorTrap;

// The hand pointer's cursor file, a data file (see data_files.h): beside
// the program in a build tree, in share/jubilo/ once installed.
inline constexpr char kHandPointerFile[] = "HAND-M.CUR";

class WindowPointer : public QObject {
    Q_OBJECT
public:
    using ArrowArea = std::function<bool(const QWidget&)>;

    // Follows the mouse over every widget of `window` from now on.
    WindowPointer(QWidget& window, ArrowArea isArrowArea);

    // The arrow until loadHand() finds the cursor file.
    const QCursor& hand() const { return hand_; }

    // Steps 108 and 110 of both windows' load: the hand comes from the
    // cursor file when it is found beside the program or in share/jubilo/.
    void loadHand(ErrorTrap& trap);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the window's pointer for the mouse being over `element`.
    void update(const QWidget& element);

    QWidget& window_;
    ArrowArea isArrowArea_;
    QCursor hand_{Qt::ArrowCursor};
};

}  // namespace jubilo
