#include "ui/main/main_window.h"

#include "shell/app_title.h"

namespace jubilo {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kProductName));
    setFixedSize(968, 393);
}

}  // namespace jubilo
