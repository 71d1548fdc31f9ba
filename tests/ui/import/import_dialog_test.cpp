// The import dialog as the user works it: the mapping set from the header,
// changed column by column, the preview and the count following each
// change, and Import offered only while every row can go in.

#include "ui/import/import_dialog.h"

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

GuestSource csvSource(int guests)
{
    GuestSource source;
    source.path = QStringLiteral("/home/ann/party.csv");
    source.format = QStringLiteral("CSV, comma-separated, UTF-8, with a header row");
    source.columns = {"Full name", "Address", "Coming", "Phone"};
    source.mapping.columns = {0, 1, 2, GuestMapping::kNoColumn};
    for (int i = 0; i < guests; ++i)
        source.rows.push_back({i + 2, {QStringLiteral("Guest %1").arg(i), "Elm St", i % 2 ? "yes" : "", "555"}});
    return source;
}

QStringList previewRow(const ImportGuestsDialog& dialog, int row)
{
    QStringList cells;
    for (int column = 0; column < dialog.preview().columnCount(); ++column)
        cells << dialog.preview().item(row, column)->text();
    return cells;
}

class ImportDialogTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(ImportDialogTest, MappingSetFromTheFileDrivesThePreviewAndTheCount)
{
    ImportGuestsDialog dialog(csvSource(12000));
    EXPECT_EQ(dialog.columnChoice(0)->currentText(), "Full name");
    EXPECT_EQ(dialog.columnChoice(3)->currentText(), "(none)");
    EXPECT_EQ(dialog.preview().rowCount(), kPreviewRows);
    EXPECT_EQ(previewRow(dialog, 0), (QStringList{"Guest 0", "Elm St", "No", "1"}));
    EXPECT_EQ(previewRow(dialog, 1), (QStringList{"Guest 1", "Elm St", "Yes", "1"}));
    EXPECT_EQ(dialog.summary(), "12,000 guests will be added.");
    EXPECT_TRUE(dialog.importButton().isEnabled());

    dialog.columnChoice(3)->setCurrentText("Phone");
    EXPECT_EQ(previewRow(dialog, 0), (QStringList{"Guest 0", "Elm St", "No", "555"}));
    EXPECT_EQ(dialog.guests().rows.back(), (PlanRow{"Guest 11999", "Elm St", "Yes", "555"}));

    dialog.columnChoice(2)->setCurrentText("Address");  // "Elm St" is no answer
    EXPECT_EQ(dialog.summary(),
              "Line 2 cannot be added: its \"RSVP?\" cell is \"Elm St\", not \"Yes\" or \"No\". "
              "Choose other columns, or correct the file; nothing is added until every row can be.");
    EXPECT_FALSE(dialog.importButton().isEnabled());
    EXPECT_TRUE(dialog.guests().rows.empty());

    dialog.columnChoice(2)->setCurrentText("(none)");
    EXPECT_EQ(previewRow(dialog, 1), (QStringList{"Guest 1", "Elm St", "No", "555"}));
    EXPECT_EQ(dialog.mapping().columns, (std::array<int, 4>{0, 1, GuestMapping::kNoColumn, 3}));
    EXPECT_TRUE(dialog.importButton().isEnabled());
}

TEST_F(ImportDialogTest, CountsOneGuestAndFixedFieldsOfferNoChoice)
{
    GuestSource cards = csvSource(1);
    cards.mappable = false;
    cards.note = QStringLiteral("Cards without an address: 1.");
    ImportGuestsDialog dialog(cards);
    EXPECT_EQ(dialog.columnChoice(0), nullptr);
    EXPECT_EQ(dialog.findChildren<QComboBox*>().size(), 0);
    EXPECT_EQ(dialog.preview().rowCount(), 1);
    EXPECT_EQ(dialog.summary(), "1 guest will be added.");
}

}  // namespace
}  // namespace jubilo
