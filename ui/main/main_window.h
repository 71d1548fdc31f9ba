#pragma once
// The main window, Form1. Its start sequence runs the shell's start-up
// procedures under the error trap; the plan's tabs, lists and inputs are
// laid out in a later step.

#include "shell/skin.h"

#include <QWidget>

namespace jubilo {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    void formLoad();

    SkinFramework skinFramework1_;
};

}  // namespace jubilo
