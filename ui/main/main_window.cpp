#include "ui/main/main_window.h"

#include "shell/app_title.h"
#include "shell/error_trap.h"
#include "shell/home_page.h"

namespace jubilo {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(968, 393);
    formLoad();
}

// Steps are numbered as the error box reports them.
void MainWindow::formLoad()
{
    ErrorTrap trap(locations::Form1_Form_Load);
    trap.step(100, [&] { ApplySkin(*this, skinFramework1_); });
    trap.step(104, [&] {
        setWindowTitle(QString::fromUtf8(kProductName));
        SetAppTitle();
    });
    trap.step(112, [] { MaybeShowHomePage(); });
}

}  // namespace jubilo
