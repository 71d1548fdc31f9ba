// The main window in another language: what the plan keeps stays as the
// plan keeps it, what the window shows is in the language of the run.

#include "main_window_fixture.h"
#include "messages/language.h"
#include "lists/pasted_rows.h"
#include "ui/main/sample_data.h"

#include <QTreeView>

namespace jubilo {
namespace {

class GermanWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        german = std::make_unique<LanguageInForce>(*languageNamed(QStringLiteral("de")));
    }
    void TearDown() override
    {
        window.reset();
        german.reset();
        MainWindowTest::TearDown();
    }
    std::unique_ptr<LanguageInForce> german;
};

// A German user's example data reads as German amounts: the figures add
// them up, as the German sheet does, and the names are German.
TEST_F(GermanWindowTest, ExampleDataIsTypedAsAGermanUserTypesIt)
{
    start();
    click(widgets().loadSampleDataButton);
    EXPECT_EQ(table(TableId::Music).cell(1, 3), "9,99");
    EXPECT_EQ(kept(widgets().musicBudgetBox).text(), "15,00");
    EXPECT_EQ(table(TableId::Guests).cell(1, 0), "Max");
    EXPECT_EQ(table(TableId::Guests).cell(1, 2), "Yes");  // the plan's answer, in English
    EXPECT_EQ(table(TableId::Schedules).cell(1, 1), "11:10 AM");
    const PlanFigures& figures = window->figures().figures();
    EXPECT_DOUBLE_EQ(figures.money[0].spent.value, 9.99);
    EXPECT_EQ(figures.money[0].budget, std::optional<double>(15.0));
    EXPECT_DOUBLE_EQ(figures.totalSpent().value, 9.99 + 3.04 + 20.0 + 14.99 + 0.0);
    EXPECT_EQ(table(TableId::FoodAndDrinks).cell(1, 0), kept(widgets().foodNameBox).text());
}

// The store's keys and the shape of what it keeps do not depend on the
// language: the example data stored from a German window has the keys the
// English window stores, and its answers in English.
TEST_F(GermanWindowTest, TheStoreKeepsItsKeysInEveryLanguage)
{
    start();
    click(widgets().loadSampleDataButton);
    const QStringList germanKeys = sys.memoryStore.values.keys();
    const QString germanGuests = stored("Guests");
    window.reset();
    german.reset();
    sys.memoryStore.values.clear();
    start();
    click(widgets().loadSampleDataButton);
    EXPECT_EQ(germanKeys, sys.memoryStore.values.keys());
    EXPECT_FALSE(germanGuests.isEmpty());
    EXPECT_TRUE(germanGuests.contains("Yes")) << germanGuests.toStdString();
    EXPECT_FALSE(germanGuests.contains("Ja")) << germanGuests.toStdString();
}

// A pasted first line that names the columns, as an exported file writes
// them (English) or as the German window shows them, is no row.
TEST_F(GermanWindowTest, APastedHeaderLineIsKnownInEnglishAndInTheWindowsLanguage)
{
    const TableSpec& guests = tableSpec(TableId::Guests);
    const QString row = QString::fromUtf8("Anna\tHauptstr. 1\tYes\t2\n");
    for (const char* header :
         {"Guest(s)\tAddress\tRSVP?\tNumber in Party\n", "Gast/Gäste\tAdresse\tZusage?\tPersonenzahl\n"}) {
        SCOPED_TRACE(header);
        const PastedRows pasted = readPastedRows(guests, QString::fromUtf8(header) + row, 10);
        ASSERT_FALSE(pasted.refusal.has_value());
        ASSERT_EQ(pasted.rows.size(), 1u);
        EXPECT_EQ(pasted.rows[0][0], "Anna");
    }
    const PastedRows french
        = readPastedRows(guests, QString::fromUtf8("Invité(s)\tAdresse\tPrésent ?\tPersonnes\n") + row, 10);
    EXPECT_TRUE(french.refusal.has_value());  // another language's header is a row, and no valid one
}

// Under US English the example data is exactly the plan's own texts.
TEST_F(MainWindowTest, ExampleDataInUsEnglishIsAsItAlwaysWas)
{
    EXPECT_EQ(sampleText("9.99"), "9.99");
    EXPECT_EQ(sampleText("15.00"), "15.00");
    EXPECT_EQ(sampleText("John"), "John");
    EXPECT_EQ(sampleText("Yes"), "Yes");
    EXPECT_EQ(sampleText("3"), "3");
    EXPECT_EQ(sampleText("07:00 PM"), "07:00 PM");
}

// "Ja" is shown, "Yes" is kept: chosen in the box, added, edited in the
// list, and shown again in the list.
TEST_F(GermanWindowTest, AnswersAreShownTranslatedAndKeptInEnglish)
{
    start();
    QComboBox& rsvp = kept(widgets().rsvpChoice);
    ASSERT_EQ(rsvp.count(), 2);
    EXPECT_EQ(rsvp.itemText(0), "Ja");
    EXPECT_EQ(rsvp.itemText(1), "Nein");
    type(widgets().guestNameBox, "Anna");
    type(widgets().guestAddressBox, "Hauptstr. 1");
    rsvp.setCurrentIndex(0);
    type(widgets().numberInPartyBox, "2");
    click(widgets().addGuestButton);
    ASSERT_EQ(table(TableId::Guests).rowCount(), 1);
    EXPECT_EQ(table(TableId::Guests).cell(1, 2), "Yes");
    EXPECT_DOUBLE_EQ(window->figures().figures().guests.coming.value, 2.0);

    const QAbstractItemModel& shown = *kept(widgets().guestsList).model();
    EXPECT_EQ(shown.index(0, 2).data(Qt::DisplayRole).toString(), "Ja");
    EXPECT_EQ(shown.index(0, 2).data(Qt::EditRole).toString(), "Yes");
    EXPECT_EQ(shown.index(0, 0).data(Qt::DisplayRole).toString(), "Anna");  // not an answer column
    EXPECT_NE(shown.headerData(2, Qt::Horizontal).toString(), "RSVP?");
}

}  // namespace
}  // namespace jubilo
