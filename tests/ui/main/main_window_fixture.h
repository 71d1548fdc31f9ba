#pragma once
// A main window on the scripted seam, and the clicks and keys a user gives it.

#include "host/engine/engine_host.h"
#include "tests/support/scripted_system.h"
#include "ui/main/main_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace jubilo {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        sys.hostFactory = createEngineHost;
        sys.runningHostLookup = runningEngineHost;
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    MainWindow& start()
    {
        window = std::make_unique<MainWindow>();
        return *window;
    }
    template <class W>
    W& get(const char* name)
    {
        auto* w = window->findChild<W*>(QString::fromUtf8(name));
        if (!w)
            throw std::runtime_error(std::string("no element ") + name);
        return *w;
    }
    void type(const char* box, const QString& text) { get<QLineEdit>(box).setText(text); }
    void choose(const char* box, const QString& item) { get<QComboBox>(box).setCurrentText(item); }
    void click(const char* button) { QTest::mouseClick(&get<QPushButton>(button), Qt::LeftButton); }
    void selectRow(const char* list, int row)
    {
        auto& view = get<QAbstractItemView>(list);
        view.selectionModel()->select(view.model()->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QString stored(const QString& key) { return sys.memoryStore.value(key); }
    PlanTable& table(TableId id) { return window->plan().table(id); }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    std::unique_ptr<MainWindow> window;
};

}  // namespace jubilo
