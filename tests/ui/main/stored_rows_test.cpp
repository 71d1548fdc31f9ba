// What the main window refuses so that the store never loses or corrupts a
// row: rows that would not load back, texts no cell holds, and tables whose
// stored text holds more rows than they can show.
#include "plan/table_text.h"
#include "main_window_fixture.h"

namespace jubilo {
namespace {

const QString S = kCellSeparator;
const QString T = kRowTerminator;

// The Guests table's stored text with five rows more than a list holds.
QString overfullGuestsText()
{
    QString text;
    for (int i = 1; i <= PlanTable::kMaxRows + 5; ++i)
        text += QString::number(i) + S + "Elm St" + S + "Yes" + S + "1" + T;
    return text;
}

using StoredRowsTest = MainWindowTest;

TEST_F(StoredRowsTest, ATextThatWouldFormASeparatorWithItsNeighbourIsRefused)
{
    start();
    addGuest("Ann||MySeparator12|", "Elm St");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("cannot contain")) << sys.messages[0].text.toStdString();
    EXPECT_EQ(table(TableId::Guests).rowCount(), 0);
    EXPECT_EQ(widgets().guestNameBox->text(), "Ann||MySeparator12|");

    // Pipes that make no separator are texts like any other.
    sys.messages.clear();
    addGuest("Bob|", "|Oak St");
    EXPECT_TRUE(sys.messages.empty());
    const auto rows = decodeTableText(stored("Guests"), 4);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (PlanRow{"Bob|", "|Oak St", "Yes", "2"}));
}

TEST_F(StoredRowsTest, ADishWhoseNameWouldFormASeparatorIsRefused)
{
    start();
    table(TableId::Ingredients).append({"flour", "No", "2"});
    type(widgets().foodNameBox, "Cake||MySeparator11|");
    click(widgets().addFoodButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("cannot contain"));
    EXPECT_EQ(table(TableId::FoodAndDrinks).rowCount(), 0);
    EXPECT_EQ(table(TableId::Ingredients).rowCount(), 1) << "the ingredients stay for another try";
}

TEST_F(StoredRowsTest, APasteLongerThanACellHoldsIsKeptInTheBoxAndRefusedAtAdd)
{
    start();
    const QString pasted(40000, QLatin1Char('a'));
    addGuest("Ann", pasted);
    EXPECT_EQ(widgets().guestAddressBox->text().size(), 40000) << "never cut silently";
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text,
              "The text in the \"Address\" box is too long: it has 40000 characters, and a cell of the plan holds at "
              "most 32767. Please shorten it and try again.");
    EXPECT_EQ(table(TableId::Guests).rowCount(), 0);

    sys.messages.clear();
    addGuest("Ann", QString(32767, QLatin1Char('a')));
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(table(TableId::Guests).cell(1, 1).size(), 32767);
}

// A table stored with more rows than a list shows: one message at start, no
// change is taken, and the stored text survives closing untouched.
TEST_F(StoredRowsTest, ATableStoredLongerThanAListIsShownCutAndNeverWrittenOver)
{
    const QString whole = overfullGuestsText();
    sys.memoryStore.write("Tarvel", "Jubilo", "Guests", whole);
    start();
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("The Guests list holds 32772 rows in the settings store."))
        << sys.messages[0].text.toStdString();
    EXPECT_EQ(table(TableId::Guests).rowCount(), PlanTable::kMaxRows);

    sys.messages.clear();
    selectRow(widgets().guestsList, 0);
    click(widgets().deleteGuestButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("changes to this list are not saved"));
    EXPECT_EQ(table(TableId::Guests).rowCount(), PlanTable::kMaxRows);

    sys.messages.clear();
    addGuest("Zed", "Oak St");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("32772 rows"));

    window->saveTables();
    EXPECT_EQ(stored("Guests"), whole);
}

// The example data goes to every list that can take a row. A kept list and
// a full one are named in one message, not in a box for each step of their
// rows.
TEST_F(StoredRowsTest, ExampleDataThatSomeListsCannotTakeIsRefusedOnceForThem)
{
    sys.memoryStore.write("Tarvel", "Jubilo", "Guests", overfullGuestsText());
    start();
    table(TableId::Decorations).appendRows(std::vector<PlanRow>(PlanTable::kMaxRows, PlanRow{"Bow", "1", "No", "1"}));
    sys.messages.clear();

    click(widgets().loadSampleDataButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    const QString& text = sys.messages[0].text;
    EXPECT_TRUE(text.startsWith("The example data was loaded, but no example row was added to the Guests and "
                                "Decorations lists."))
        << text.toStdString();
    EXPECT_TRUE(text.contains("The Guests list holds 32772 rows in the settings store."));
    EXPECT_TRUE(text.contains("The Decorations list is full: it holds at most 32767 rows."));
    EXPECT_EQ(sys.messages[0].flags, msgbox::kOkOnly) << "a refusal, not an error box";

    EXPECT_EQ(table(TableId::Guests).rowCount(), PlanTable::kMaxRows);
    EXPECT_EQ(table(TableId::Decorations).rowCount(), PlanTable::kMaxRows);
    EXPECT_EQ(table(TableId::Music).row(1), (PlanRow{"Dance", "CD", "No", "9.99"}));
    EXPECT_EQ(table(TableId::Activities).rowCount(), 1);
    EXPECT_EQ(widgets().musicBudgetBox->text(), "15.00");
    EXPECT_EQ(stored("Guests"), overfullGuestsText());
    EXPECT_EQ(decodeTableText(stored("Musics"), 4).size(), 1u);
}

}  // namespace
}  // namespace jubilo
