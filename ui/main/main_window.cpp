#include "ui/main/main_window.h"

#include "platform/system.h"
#include "trap/app_title.h"
#include "trap/error_trap.h"
#include "trap/file_procedures.h"
#include "report/report_run.h"
#include "report/sheet_palette.h"
#include "shell/home_page.h"
#include "report/host_checks.h"
#include "trap/message.h"
#include "shell/cursor_file.h"
#include "ui/main/form1_layout.h"
#include "ui/main/sample_data.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <stdexcept>

namespace jubilo {

namespace {

inline constexpr char kHandPointerFile[] = "HAND-M.CUR";

QFont arialBold(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void setBackground(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , rowEntry_(*this, plan_, [this](TableId id) { saveTableNow(id); })
    , selectAll_(this)
    , screens_(std::make_unique<ReportScreensOfWindows>(*this))
{
    buildWindow();
    formLoad();
}

MainWindow::~MainWindow() = default;

template <class W>
W& MainWindow::element(const char* name) const
{
    auto* widget = findChild<W*>(QString::fromUtf8(name));
    if (!widget)
        throw std::logic_error(std::string("Form1 has no element ") + name);
    return *widget;
}

void MainWindow::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(twipsToPixels(kForm1Width), twipsToPixels(kForm1Height));
    buildForm(*this, form1Elements());
    styleElements();
    connectProcedures();
    connectBudgetsAndDate();
}

void MainWindow::styleElements()
{
    setBackground(*this, QPalette::Window, Qt::white);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(child)) {
            child->setFont(arialBold(11.25));
            child->installEventFilter(this);
            continue;
        }
        child->setFont(arialBold(9));
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child))
            setBackground(*child, QPalette::Window, Qt::white);
        else if (child->property(kPictureBoxProperty).toBool())
            setBackground(*child, QPalette::Window, QApplication::palette().color(QPalette::Base));
        if (auto* box = qobject_cast<QLineEdit*>(child))
            selectAll_.watch(*box);
        if (qobject_cast<QAbstractItemView*>(child) || qobject_cast<QGroupBox*>(child)
            || qobject_cast<QLabel*>(child) || qobject_cast<QTabWidget*>(child)
            || child->property(kPictureBoxProperty).toBool() || qobject_cast<QLineEdit*>(child))
            child->installEventFilter(this);
    }
    for (auto* list : findChildren<QAbstractItemView*>())
        list->setFont(QFont(QStringLiteral("Arial"), 9));
}

void MainWindow::connectProcedures()
{
    for (const AddProcedure& p : addProcedures())
        connect(&element<QPushButton>(p.button), &QPushButton::clicked, this,
                [this, &p] { rowEntry_.add(p); });
    connect(&element<QPushButton>(kFoodAddButton), &QPushButton::clicked, this,
            [this] { rowEntry_.addFood(); });
    for (const DeleteProcedure& p : deleteProcedures())
        connect(&element<QPushButton>(p.button), &QPushButton::clicked, this,
                [this, &p] { rowEntry_.remove(p); });
    connect(&element<QPushButton>("PushButton21"), &QPushButton::clicked, this,
            &MainWindow::loadSampleData);
    connect(&element<QPushButton>("PushButton14"), &QPushButton::clicked, this,
            &MainWindow::showHelp);
    connect(&element<QPushButton>("PushButton1"), &QPushButton::clicked, this,
            &MainWindow::startReport);
    auto& strip = element<QTabWidget>("SSTab1");
    connect(&strip, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0)
            element<QLineEdit>("txtGuestName").setFocus(Qt::OtherFocusReason);
    });
}

void MainWindow::connectBudgetsAndDate()
{
    for (const BudgetSpec& budget : budgetSpecs()) {
        const BudgetId id = budget.id;
        connect(&element<QLineEdit>(budget.boxName), &QLineEdit::textChanged, this,
                [this, id, box = budget.boxName](const QString& text) {
                    const std::string name = std::string("Form1.") + box + "_Change";
                    guardHandler(ErrorLocation{name}, [&] {
                        plan_.setBudget(id, text);
                        if (saved_)
                            saved_->writeBudget(id, text);
                    });
                });
    }
    auto& date = element<QLineEdit>("txtDate");
    connect(&date, &QLineEdit::textChanged, this,
            [this](const QString& text) { plan_.setDate(text); });
    // Only the user's edits are stored, so an untouched date keeps following
    // the clock.
    connect(&date, &QLineEdit::textEdited, this, [this](const QString& text) {
        guardHandler(ErrorLocation{"Form1.txtDate_Change"}, [&] {
            if (saved_)
                saved_->writeDate(text);
        });
    });
}

void MainWindow::attachTables()
{
    for (const TableSpec& spec : tableSpecs()) {
        auto& model = models_[static_cast<size_t>(spec.id)];
        model = std::make_unique<PlanTableModel>(plan_.table(spec.id), this);
        element<QAbstractItemView>(spec.listName).setModel(model.get());
    }
}

// Steps are numbered as the error box reports them.
void MainWindow::formLoad()
{
    ErrorTrap trap(locations::Form1_Form_Load);
    trap.step(100, [&] { applySkin(*this, skinFramework1_); });
    trap.step(104, [&] {
        setWindowTitle(QString::fromUtf8(kProductName));
        setWindowIcon(QApplication::windowIcon());
        setAppTitle();
    });
    trap.step(106, [&] { setUpdatesEnabled(false); });
    const QString handFile = QDir(system().programFolder()).filePath(kHandPointerFile);
    if (trap.condition(108, [&] { return fileExists(handFile); }))
        trap.step(110, [&] { handPointer_ = loadCursorFile(handFile); });
    trap.step(112, [] { maybeShowHomePage(); });
    trap.step(114, [&] { attachTables(); });
    trap.step(116, [&] { saved_ = std::make_unique<SavedPlan>(system().settings()); });
    int line = 118;
    if (saved_) {
        for (const PlanStep& step : saved_->loadSteps(plan_, system().now())) {
            trap.step(line, step.run);
            line += 2;
        }
    }
    trap.step(line, [&] {
        element<QLineEdit>("txtDate").setText(plan_.date());
        for (const BudgetSpec& budget : budgetSpecs())
            element<QLineEdit>(budget.boxName).setText(plan_.budget(budget.id));
    });
    trap.step(line + 2, [] { initSheetPalette(); });
    trap.step(line + 4, [&] {
        setUpdatesEnabled(true);
        repaint();
    });
    trap.step(line + 6, [] { checkHostAvailable(); });
}

void MainWindow::startReport()
{
    ErrorTrap trap(locations::Form1_PushButton1_Click);
    trap.step(100, [&] { setUpdatesEnabled(false); });
    if (!trap.condition(102, [] { return warnHostRunning(); })) {
        trap.step(104, [&] { screens_->setBusyPointer(true); });
        trap.step(106, [&] { generateReport(plan_, *screens_); });
        trap.step(108, [&] { screens_->setBusyPointer(false); });
    }
    trap.step(110, [&] { setUpdatesEnabled(true); });
}

PreviewWindow* MainWindow::preview() const
{
    return screens_->preview();
}

void MainWindow::saveTableNow(TableId id)
{
    const PlanTable& table = plan_.table(id);
    if (saved_ && table.spec().isStored())
        saved_->saveTable(table);
}

void MainWindow::saveTables()
{
    ErrorTrap trap(locations::Form1_Form_QueryUnload);
    if (!saved_)
        return;
    int line = 100;
    for (const PlanStep& step : saved_->saveSteps(plan_)) {
        trap.step(line, step.run);
        line += 2;
    }
}

void MainWindow::loadSampleData()
{
    ErrorTrap trap(locations::Form1_PushButton21_Click);
    for (const SampleStep& step : sampleSteps()) {
        if (step.box) {
            trap.step(step.line, [&] { element<QLineEdit>(step.box).setText(step.text); });
            continue;
        }
        PlanTable& table = plan_.table(step.table);
        int position = 0;
        trap.step(step.line, [&] { position = table.append({QString::fromUtf8(step.cells[0])}); });
        for (int c = 1; c < table.columnCount(); ++c) {
            trap.step(sampleCellLine(step, c), [&] {
                table.setCell(position, c, QString::fromUtf8(step.cells[static_cast<size_t>(c)]));
            });
        }
    }
    trap.step(174, [&] {
        for (TableId id : SavedPlan::tableOrder())
            saveTableNow(id);
    });
}

void MainWindow::showHelp()
{
    ErrorTrap trap(locations::Form1_PushButton14_Click);
    trap.step(100, [] {
        msgBox(QStringLiteral("Questions? Please contact Team Tarvel at ")
               + QString::fromUtf8(kContactPageAddress));
    });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveTables();
    event->accept();
    // Closing the main window ends the program, other windows included.
    QApplication::exit(0);
}

void MainWindow::enterEvent(QEnterEvent* event)
{
    updatePointer(this);
    QWidget::enterEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        updatePointer(watched);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::updatePointer(QObject* over)
{
    // The busy pointer of a report run is never replaced by a mouse move.
    if (QApplication::overrideCursor())
        return;
    if (qobject_cast<QPushButton*>(over)) {
        setCursor(handPointer_);
        return;
    }
    auto* widget = qobject_cast<QWidget*>(over);
    if (!widget)
        return;
    const QString name = widget->objectName();
    const bool arrowArea = widget == this || qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QGroupBox*>(widget)
                           || qobject_cast<QLabel*>(widget) || name == QLatin1String("pageGuests")
                           || name == QLatin1String("SSTab2") || name == QLatin1String("txtDate")
                           || name == QLatin1String("txtFoodAmount");
    if (arrowArea)
        setCursor(Qt::ArrowCursor);
}

}  // namespace jubilo
