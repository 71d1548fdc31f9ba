#include "ui/main/plan_menus.h"

#include "files/path_bytes.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PlanMenus)
};

// The accessible name is the item's text as read aloud: no "&", no "…".
QString spoken(const QString& text)
{
    QString name = text;
    name.remove(QLatin1Char('&'));
    name.remove(QChar(0x2026));
    return name.trimmed();
}

// `source`: the item's English text, marked for translation; the item
// shows it translated and is named after the English, the same in every
// language.
QAction* item(QMenu& menu, const char* source, const QKeySequence& keys = {})
{
    const QString text = Texts::tr(source);
    QAction* action = menu.addAction(text);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    // Menus' items are read by their text; the name is set for the few
    // tools that read only accessible names.
    action->setObjectName(spoken(QString::fromUtf8(source)));
    return action;
}

QMenu* menu(QMenuBar& bar, const char* source)
{
    const QString text = Texts::tr(source);
    QMenu* menu = bar.addMenu(text);
    menu->setAccessibleName(spoken(text));
    menu->setObjectName(spoken(QString::fromUtf8(source)) + QStringLiteral(" menu"));
    return menu;
}

}  // namespace

PlanMenus buildPlanMenus(QWidget& window)
{
    PlanMenus m;
    m.bar = new QMenuBar(&window);
    m.bar->setObjectName(QStringLiteral("menuBar"));
    m.bar->setAccessibleName(Texts::tr("Menu bar"));
    m.fileMenu = menu(*m.bar, QT_TRANSLATE_NOOP("PlanMenus", "&File"));
    m.newPlan = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "&New Plan…"), QKeySequence::New);
    m.newPlanFromThis = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "New Plan &From This One…"));
    m.openPlan = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Open Plan…"), QKeySequence::Open);
    m.recentMenu = m.fileMenu->addMenu(Texts::tr("Open &Recent"));
    m.recentMenu->setAccessibleName(spoken(Texts::tr("Open &Recent")));
    m.savePlanAs = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "Save Plan &As…"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m.fileMenu->addSeparator();
    m.importGuests = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Import Guests…"));
    m.exportList = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Export List as CSV…"));
    m.exportTimetable = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "Export &Timetable…"));
    m.fileMenu->addSeparator();
    m.quit = item(*m.fileMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    m.editMenu = menu(*m.bar, QT_TRANSLATE_NOOP("PlanMenus", "&Edit"));
    m.undo = item(*m.editMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Undo"), QKeySequence::Undo);
    m.redo = item(*m.editMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Redo"));
    m.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m.undo->setEnabled(false);
    m.redo->setEnabled(false);
    m.editMenu->addSeparator();
    m.copyRows = item(*m.editMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Copy Rows"), QKeySequence::Copy);
    m.pasteRows = item(*m.editMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Paste Rows"), QKeySequence::Paste);
    m.viewMenu = menu(*m.bar, QT_TRANSLATE_NOOP("PlanMenus", "&View"));
    m.glance = item(*m.viewMenu, QT_TRANSLATE_NOOP("PlanMenus", "Plan at a &Glance"), QKeySequence(Qt::Key_F9));
    m.helpMenu = menu(*m.bar, QT_TRANSLATE_NOOP("PlanMenus", "&Help"));
    m.help = item(*m.helpMenu, QT_TRANSLATE_NOOP("PlanMenus", "&Help"));
    m.about = item(*m.helpMenu, QT_TRANSLATE_NOOP("PlanMenus", "&About Jubilo"));
    return m;
}

QString recentPlanItemText(int position, const QString& path)
{
    const QFileInfo info(path);
    QString name = files::displayName(info.fileName());
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QString folder = QDir::toNativeSeparators(files::displayName(info.path()));
    folder.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2  (%3)").arg(position).arg(name, folder);
}

}  // namespace jubilo
