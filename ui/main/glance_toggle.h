#pragma once
// View > Plan at a Glance (F9): shows the glance window beside the main
// window, or hides it; the item is ticked while the window is up. The
// window is made the first time it is asked for, and follows the main
// window: hidden while a report stands in the main window's place and when
// the main window closes, back with it after "< Back".

#include <QObject>
#include <QPointer>
#include <QRect>

class QAction;
class QWidget;

namespace jubilo {

class FiguresTracker;
class GlanceWindow;

// Where a window of `size` stands beside `main` within the screen's `room`:
// to its right when there is room, else to its left, else as far right as
// the room allows; never above or left of the room.
QPoint besideWindow(const QRect& main, const QSize& size, const QRect& room);

class GlanceToggle : public QObject {
    Q_OBJECT
public:
    GlanceToggle(QAction& item, const FiguresTracker& figures, QWidget& mainWindow);

    // Null until the item is first ticked.
    GlanceWindow* window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(bool on);
    void placeBesideMainWindow();

    QAction& item_;
    const FiguresTracker& figures_;
    QWidget& mainWindow_;
    QPointer<GlanceWindow> window_;
    bool followingMainWindow_ = false;  // hidden because the main window is
};

}  // namespace jubilo
