// The plan sheet in another language and locale: German money and a
// translator that marks every text it translates. The titles, headers and
// totals come out translated, amounts typed the German way are numbers in
// the euro format, and the figures say the same amounts as the cells show.
// LibreOffice reads the saved workbook to the same totals.

#include "saved_plan_sheet.h"
#include "figures/figure_texts.h"
#include "figures/plan_figures.h"
#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"
#include "messages/language.h"
#include "report/plan_sheet.h"
#include "report/plan_workbook.h"
#include "tests/support/external_tools.h"
#include "tests/support/marking_translator.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// The sample plan's rows with every amount and budget typed the German way,
// and a second song: the music block takes rows 6 (title) to 9 (total), the
// blocks below move down a row.
Plan germanPlan()
{
    Plan plan;
    using testing::appendRows;
    appendRows(plan, TableId::Guests, {{"John", "NY City", "Yes", "1"}});
    appendRows(plan, TableId::Music, {{"Dance", "CD", "No", "9,99"}, {"Waltz", "CD", "Yes", "1.234,50"}});
    appendRows(plan, TableId::Decorations, {{"Garland", "3", "Yes", "3,04"}});
    appendRows(plan, TableId::Incidentals, {{"Other", "No", "0,00"}});
    appendRows(plan, TableId::FoodAndDrinks, {{"Barbeque", "Meat", "Yes", "20 €"}});
    appendRows(plan, TableId::OtherSupplies, {{"Lights", "Yes", "14,99"}});
    appendRows(plan, TableId::Schedules, {{"Buy meals", "11:10", "Nearest store"}});
    appendRows(plan, TableId::Activities, {{"Dancing", "19:00", "If guests want to"}});
    plan.setBudget(BudgetId::Music, "15,00");
    plan.setDate("2021 | August 31 | 09 PM");
    return plan;
}

// Each list block's total row and the total the amounts above it make.
const std::pair<int, double> kTotals[] = {{5, 1}, {9, 1244.49}, {12, 3.04}, {15, 20}, {18, 14.99}, {21, 0}};

// German as the program's locale, and the marking translator installed,
// from before the host starts until after it quits.
class GermanLocale {
public:
    GermanLocale()
    {
        QLocale::setDefault(kGerman);
        QCoreApplication::installTranslator(&marking_);
    }
    ~GermanLocale()
    {
        QCoreApplication::removeTranslator(&marking_);
        QLocale::setDefault(QLocale::system());
    }

private:
    testing::MarkingTranslator marking_;
};

class GermanPlanSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = createEngineHost("Excel.Application");
        host->setDisplayAlerts(false);
        host->workbooks()->add();
        removeExtraSheets(*host, extraSheetCount(*host));
        namePlanSheet(*host);
        buildPlanSheet(*host, germanPlan());
    }
    void TearDown() override { host->quit(); }

    QString text(const QString& a1) { return host->range(a1)->text(); }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    GermanLocale german;
    std::unique_ptr<SpreadsheetHost> host;
};

TEST_F(GermanPlanSheetTest, TitlesHeadersAndTotalsAreTranslated)
{
    const std::pair<const char*, const char*> cells[] = {
        {"B2", "«Holiday Party Plans»"},
        {"B3", "«Guests»"},
        {"C3", "«Address Invitation Was Sent To»"},
        {"E3", "«RSVP?»"},
        {"F3", "«Number in Party»"},
        {"B5", "«Total:»"},
        {"B6", "«Music»"},
        {"E6", "«Purchased?»"},
        {"B9", "«Total:»"},
        {"B22", "«Schedule»"},
        {"B23", "«Task»"},
        {"D26", "«Time»"},
        {"B12", "«Total:»"},
        {"F23", "«Notes»"},
        {"E2", "2021 | August 31 | 09 PM"},  // the user's texts stay as typed
        {"B7", "Dance"},
    };
    for (const auto& [cell, shown] : cells)
        EXPECT_EQ(text(cell), QString::fromUtf8(shown)) << cell;
    // The budget is the user's text, the symbol on the locale's side of it.
    EXPECT_EQ(text("F6"), QString::fromUtf8("«Budget: 15,00 €»"));
    EXPECT_EQ(host->activeSheet()->name(), QString::fromUtf8("«Holiday Party Plans»"));
}

TEST_F(GermanPlanSheetTest, GermanAmountsAreNumbersShownInEuros)
{
    const auto waltz = host->range("F8");
    EXPECT_EQ(waltz->value(), QVariant(1234.5));
    EXPECT_EQ(waltz->numberFormat(), QString::fromUtf8("#,##0.00 \"€\""));
    EXPECT_EQ(text("F8"), QString::fromUtf8("1.234,50 €"));
    EXPECT_EQ(text("F7"), QString::fromUtf8("9,99 €"));
    EXPECT_EQ(text("F9"), QString::fromUtf8("1.244,49 €"));
    EXPECT_EQ(text("F5"), "1");  // guests are counted, not money

    // The figures read the amounts as the cells do and say them as the cells show them.
    const PlanFigures figures = planFigures(germanPlan(), engineTypedInput());
    EXPECT_EQ(moneyText(figures.money[0].spent), text("F9"));
    EXPECT_EQ(countText(1500), "1.500");
    EXPECT_EQ(peopleText(SheetSum{2.5, {}}), "2,5");
}

// With Jubilo's own German translation in force (not a marking one), the
// sheet a German user prints: German words, euros, the user's own texts.
TEST(GermanTranslationSheetTest, TheSheetIsInGermanWithItsEuroAmounts)
{
    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    const LanguageInForce german(*languageNamed(QStringLiteral("de")));
    ASSERT_TRUE(german.translated());
    const std::unique_ptr<SpreadsheetHost> host = createEngineHost("Excel.Application");
    host->setDisplayAlerts(false);
    host->workbooks()->add();
    removeExtraSheets(*host, extraSheetCount(*host));
    namePlanSheet(*host);
    buildPlanSheet(*host, germanPlan());
    const auto text = [&](const char* cell) { return host->range(QString::fromLatin1(cell))->text(); };
    EXPECT_EQ(host->activeSheet()->name(), "Partyplanung");
    EXPECT_EQ(text("B2"), "Partyplanung");
    EXPECT_EQ(text("B3"), QString::fromUtf8("Gäste"));
    EXPECT_EQ(text("B5"), "Summe:");
    EXPECT_EQ(text("B6"), "Musik");
    EXPECT_EQ(text("F6"), QString::fromUtf8("Budget: 15,00 €"));
    EXPECT_EQ(text("F9"), QString::fromUtf8("1.244,49 €"));
    EXPECT_EQ(text("B7"), "Dance");  // the user's own text, as typed
    EXPECT_EQ(text("E7"), "Nein");  // the plan's "No", said in German
    EXPECT_EQ(text("E4"), "Ja");
    host->quit();
}

TEST(PlanSheetNameTest, ATranslatedTitleNamesTheSheetOnlyWhenItIsASheetName)
{
    class Translating : public QTranslator {
    public:
        explicit Translating(QString title)
            : title_(std::move(title))
        {
        }
        QString translate(const char*, const char* source, const char*, int) const override
        {
            return QString::fromUtf8(source) == kPlanSheetTitle ? title_ : QString();
        }
        bool isEmpty() const override { return false; }

    private:
        QString title_;
    };
    const std::pair<QString, QString> cases[] = {
        {QString::fromUtf8("Pläne für die Weihnachtsfeier"), QString::fromUtf8("Pläne für die Weihnachtsfeier")},
        {QString(31, u'x'), QString(31, u'x')},
        {QString(32, u'x'), kPlanSheetTitle},
        {QStringLiteral("Plans: party"), kPlanSheetTitle},
        {QStringLiteral("Plans [party]"), kPlanSheetTitle},
        {QStringLiteral("'Plans'"), kPlanSheetTitle},
    };
    for (const auto& [translated, name] : cases) {
        Translating translator(translated);
        QCoreApplication::installTranslator(&translator);
        EXPECT_EQ(planSheetTitle(), translated);
        EXPECT_EQ(planSheetName(), name) << translated.toStdString();
        QCoreApplication::removeTranslator(&translator);
    }
    EXPECT_EQ(planSheetName(), kPlanSheetTitle);
}

// LibreOffice opens the German workbook: its own totals are the engine's and
// the money cells keep a euro format.
TEST(GermanPlanSheetInLibreOfficeTest, TotalsAndTheEuroFormatSurviveTheFile)
{
    QTemporaryDir dir;
    QString path;
    {
        GermanLocale german;
        path = testing::savePlanSheet(dir, QStringLiteral("german"), germanPlan());
    }
    const testing::LibreOffice office(dir.filePath("profile"));
    for (const auto& [filter, out] :
         {std::pair(testing::kCsvAsStored, "stored"), std::pair(testing::kCsvAsShown, "shown")}) {
        const auto r = office.convert(QString::fromLatin1(filter), {path}, dir.filePath(QString::fromLatin1(out)));
        ASSERT_TRUE(r.succeeded()) << r.output.toStdString();
    }
    const QList<QStringList> stored = testing::readCsv(dir.filePath("stored/german.csv"));
    const QList<QStringList> shown = testing::readCsv(dir.filePath("shown/german.csv"));
    ASSERT_GE(stored.size(), 21);
    ASSERT_GE(shown.size(), 21);
    for (const auto& [row, total] : kTotals) {
        bool number = false;
        EXPECT_NEAR(stored[row - 1].value(5).toDouble(&number), total, 1e-9) << "row " << row;
        EXPECT_TRUE(number) << "row " << row << ": " << stored[row - 1].value(5).toStdString();
    }
    EXPECT_EQ(stored[7].value(5), "1234.5");
    for (const int row : {7, 8, 9, 12})
        EXPECT_TRUE(shown[row - 1].value(5).contains(QString::fromUtf8("€"))) << shown[row - 1].value(5).toStdString();
    EXPECT_FALSE(shown[4].value(5).contains(QString::fromUtf8("€")));  // the guests' count
}

}  // namespace
}  // namespace jubilo
