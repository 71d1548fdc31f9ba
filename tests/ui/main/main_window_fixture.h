#pragma once
// A main window on the scripted seam, and the clicks and keys a user gives it.

#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"
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
        sys.typedInputReader = &engineTypedInput();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    MainWindow& start()
    {
        window = std::make_unique<MainWindow>();
        return *window;
    }
    // The elements the window keeps; read afresh after every start().
    const MainWindowWidgets& widgets() const { return window->widgets(); }
    template <class W>
    static W& kept(W* widget)
    {
        if (!widget)
            throw std::runtime_error("the window keeps no such element");
        return *widget;
    }
    static void type(QLineEdit* box, const QString& text) { kept(box).setText(text); }
    // Chooses the item that stands for the plan's `answer` ("Yes"), in any language.
    static void choose(QComboBox* box, const QString& answer) { kept(box).setCurrentIndex(kept(box).findData(answer)); }
    static void click(QPushButton* button) { QTest::mouseClick(&kept(button), Qt::LeftButton); }
    static void selectRow(QAbstractItemView* list, int row)
    {
        auto& view = kept(list);
        view.selectionModel()->select(view.model()->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QString stored(const QString& key) { return sys.memoryStore.value(key); }
    // A guest added through the Guests tab's inputs.
    void addGuest(const QString& name, const QString& address = QStringLiteral("Elm St"))
    {
        type(widgets().guestNameBox, name);
        type(widgets().guestAddressBox, address);
        choose(widgets().rsvpChoice, "Yes");
        type(widgets().numberInPartyBox, "2");
        click(widgets().addGuestButton);
    }
    QStringList guestNames()
    {
        QStringList names;
        for (int position = 1; position <= window->plan().table(TableId::Guests).rowCount(); ++position)
            names << window->plan().table(TableId::Guests).cell(position, 0);
        return names;
    }
    PlanTable& table(TableId id) { return window->plan().table(id); }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    std::unique_ptr<MainWindow> window;
};

}  // namespace jubilo
