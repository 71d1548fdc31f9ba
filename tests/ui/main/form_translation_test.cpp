// The form, its messages and its error box come out translated when a
// translator is installed before the window is built: every text here goes
// through a MarkingTranslator, which wraps what it translates in « ».

#include "tests/support/marking_translator.h"
#include "main_window_fixture.h"
#include "ui/main/row_entry.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTreeView>

#include <functional>

namespace jubilo {
namespace {

bool isMarked(const QString& text) { return text.startsWith(u'«') && text.endsWith(u'»'); }

// Every caption, tab text and column header the form shows, with the name
// of the element showing it. Inside the status bar only the figures are
// shown, and they are the figures' texts, not the form's.
std::vector<std::pair<QString, QString>> formTexts(const QWidget& window)
{
    std::vector<std::pair<QString, QString>> texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->objectName() == QLatin1String("PlanStatusBar")
            || widget->objectName() == QLatin1String("PlanSummary"))
            continue;
        const QString name = widget->objectName();
        if (const auto* button = qobject_cast<const QPushButton*>(widget))
            texts.emplace_back(name, button->text());
        else if (const auto* frame = qobject_cast<const QGroupBox*>(widget); frame && !frame->title().isEmpty())
            texts.emplace_back(name, frame->title());
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts.emplace_back(name, label->text());
        else if (const auto* strip = qobject_cast<const QTabWidget*>(widget)) {
            for (int tab = 0; tab < strip->count(); ++tab)
                texts.emplace_back(name + u'#' + QString::number(tab), strip->tabText(tab));
        } else if (const auto* list = qobject_cast<const QTreeView*>(widget)) {
            for (int column = 0; column < list->model()->columnCount(); ++column)
                texts.emplace_back(name + u'#' + QString::number(column),
                                   list->model()->headerData(column, Qt::Horizontal).toString());
        }
    }
    return texts;
}

class FormTranslationTest : public MainWindowTest {
protected:
    testing::ScopedMarkingTranslator marking;
};

TEST_F(FormTranslationTest, EveryCaptionTabAndColumnHeaderOfTheFormIsTranslated)
{
    const MainWindow& shown = start();
    const auto texts = formTexts(shown);
    ASSERT_GT(texts.size(), 80u);
    for (const auto& [name, text] : texts)
        EXPECT_TRUE(isMarked(text)) << name.toStdString() << ": " << text.toStdString();
    EXPECT_EQ(widgets().rightTabs->tabText(0), "«Food && Drinks»");
    EXPECT_EQ(widgets().guestsList->model()->headerData(0, Qt::Horizontal).toString(), "«Guest(s)»");
    // Names of things stay as they are.
    EXPECT_EQ(widgets().addGuestButton->objectName(), "PushButton2");
}

TEST_F(FormTranslationTest, ScreenReadersHearTranslatedNames)
{
    start();
    const std::pair<const QWidget*, QString> cases[] = {
        {widgets().dateBox, "«Date»"},
        {widgets().guestsList, "«Guests»"},
        {widgets().musicBudgetBox, "««Music» budget»"},
        {widgets().guestNameBox, "«Name:»"},
        {widgets().addGuestButton, "«Add «guest»»"},
        {widgets().deleteFoodButton, "«Delete «food and drinks»»"},
    };
    for (const auto& [widget, expected] : cases)
        EXPECT_EQ(widget->accessibleName(), expected) << widget->objectName().toStdString();
}

TEST_F(FormTranslationTest, MessagesAndTheErrorBoxAreTranslatedButNotTheProcedureNames)
{
    start();
    struct Case {
        const char* what;
        std::function<void()> act;
        QString text;
        QString caption;
    };
    const Case cases[] = {
        {"Add with an empty input", [&] { click(widgets().addGuestButton); },
         "«You forgot to input all entries for guest.»", "Jubilo"},
        {"Add Food without ingredients",
         [&] {
             type(widgets().foodNameBox, "Soup");
             click(widgets().addFoodButton);
         },
         "«You forgot to input all entries for food.»", "Jubilo"},
        {"Help", [&] { click(widgets().helpButton); },
         "«Questions? Please contact Team Tarvel at https://www.jubilo.example/contact»", "Jubilo"},
        {"Delete with no row selected",
         [&] {
             addGuest("Ann");
             kept(widgets().guestsList).selectionModel()->clearSelection();
             click(widgets().deleteGuestButton);
         },
         "«No row is selected. Please select the row to delete.»\r\n"
         "in Quenby2021/08/31.Form1.chkDeleteGuest_Click «at line 102»\r\r"
         "«Please email screenshot of this message to support@jubilo.example»",
         "«Application Error»"},
    };
    for (const Case& c : cases) {
        sys.messages.clear();
        c.act();
        ASSERT_EQ(sys.messages.size(), 1u) << c.what;
        EXPECT_EQ(sys.messages[0].text, c.text) << c.what;
        EXPECT_EQ(sys.messages[0].caption, c.caption) << c.what;
    }
    // The list's limit keeps the digits it has in English.
    EXPECT_EQ(fullListMessage(table(TableId::Guests)), "«The «Guests» list is full: it holds at most 32767 rows.»");
    // Undo and its step are one phrase, which a language may order its way.
    EXPECT_EQ(window->menus().undo->text(), "«&Undo «Add Guest»»");
}

}  // namespace
}  // namespace jubilo
