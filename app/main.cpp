// Jubilo: plan a party, get a printable spreadsheet.

#include "platform/qt_system.h"
#include "ui/main/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jubilo"));

    jubilo::QtSystem qtSystem;
    jubilo::installSystem(&qtSystem);

    jubilo::MainWindow window;
    window.show();
    const int status = app.exec();
    jubilo::installSystem(nullptr);
    return status;
}
