#include "ui/main/glance_toggle.h"

#include "ui/glance/glance_window.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QSignalBlocker>

namespace jubilo {

GlanceToggle::GlanceToggle(QAction& item, const FiguresTracker& figures, QWidget& mainWindow)
    : QObject(&mainWindow)
    , item_(item)
    , figures_(figures)
    , mainWindow_(mainWindow)
{
    item_.setCheckable(true);
    connect(&item_, &QAction::toggled, this, &GlanceToggle::show);
    mainWindow_.installEventFilter(this);
}

GlanceWindow* GlanceToggle::window() const { return window_.data(); }

void GlanceToggle::show(bool on)
{
    if (!on) {
        if (window_)
            window_->hide();
        return;
    }
    if (!window_) {
        window_ = new GlanceWindow(figures_, &mainWindow_);
        window_->installEventFilter(this);
        window_->adjustSize();
        placeBesideMainWindow();
    }
    window_->show();
    window_->raise();
}

QPoint besideWindow(const QRect& main, const QSize& size, const QRect& room)
{
    QPoint at(main.right() + 1, main.top());
    if (at.x() + size.width() > room.right() + 1)
        at.setX(main.left() - size.width() >= room.left() ? main.left() - size.width()
                                                          : room.right() + 1 - size.width());
    at.setX(std::max(at.x(), room.left()));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    return at;
}

void GlanceToggle::placeBesideMainWindow()
{
    const QRect main = mainWindow_.frameGeometry();
    const QScreen* screen = mainWindow_.screen();
    const QRect room = screen ? screen->availableGeometry() : main;
    window_->move(besideWindow(main, window_->frameGeometry().size(), room));
}

bool GlanceToggle::eventFilter(QObject* watched, QEvent* event)
{
    const bool hidden = event->type() == QEvent::Hide;
    const bool shown = event->type() == QEvent::Show;
    if (watched == window_ && hidden && !followingMainWindow_) {
        const QSignalBlocker quiet(item_);  // closed by the user: untick
        item_.setChecked(false);
    } else if (watched == &mainWindow_ && hidden && window_ && window_->isVisible()) {
        followingMainWindow_ = true;
        window_->hide();
    } else if (watched == &mainWindow_ && shown && followingMainWindow_) {
        followingMainWindow_ = false;
        if (window_ && item_.isChecked())
            window_->show();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace jubilo
