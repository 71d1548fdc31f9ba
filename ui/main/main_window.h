#pragma once
// The main window. For now it only carries the product's caption; the plan
// tabs, lists and inputs are laid out in a later step.

#include <QWidget>

namespace jubilo {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace jubilo
