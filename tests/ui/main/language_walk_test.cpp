// Every window, menu and message in each of Jubilo's languages: no English
// left where the language has its own word, and no text cut off by its box.
// Each language's run is paired text by text with the English run of the
// same windows.

#include "main_window_fixture.h"
#include "shown_texts.h"
#include "messages/language.h"
#include "ui/glance/glance_window.h"
#include "ui/import/import_dialog.h"
#include "ui/preview/preview_window.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <set>

namespace jubilo {
namespace {

using testing::ShownText;

// The texts a translation deliberately keeps as in English ("Budget" is
// German too): those its .ts file translates to themselves.
std::set<QString> keptAsInEnglish(const QString& language)
{
    QFile file(QStringLiteral(JUBILO_TRANSLATIONS_DIR "/jubilo_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("no translation file for " + language.toStdString());
    std::set<QString> kept;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            if (xml.readElementText() == source)
                kept.insert(source);
        } else if (!xml.isStartElement())
            xml.readNext();
    }
    return kept;
}

// Names of things, the same in every language, and texts without words.
bool isAName(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression names(QStringLiteral(
        "^(Jubilo|Jubilo - .*|.*\\.(xls|pdf|csv|ics|png|jubilo)|https?://.*|[A-Z]\\d*|F\\d+|Ctrl\\+.*)$"));
    return !word.match(text).hasMatch() || names.match(text).hasMatch();
}

// The file the import dialog is shown for.
const QString kImportedPath = QStringLiteral("/tmp/guests.csv");
const QString kImportedFormat = QStringLiteral("CSV");
const QString kImportedColumn = QStringLiteral("Name");

struct WindowsSeen {
    std::vector<ShownText> texts;
    QStringList messages;
};

class LanguageWalkTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { MainWindowTest::SetUp(); }

    // Shows `window` and lets it lay itself out, so that its boxes have
    // their sizes.
    static void laidOut(QWidget& window)
    {
        window.show();
        QCoreApplication::processEvents();
    }

    // Every Add of the form, pressed with its boxes empty, says what is missing.
    std::vector<QPushButton*> addButtons() const
    {
        const MainWindowWidgets& w = widgets();
        return {w.addGuestButton,       w.addMusicButton,    w.addDecorationButton,
                w.addIncidentalButton,  w.addFoodButton,     w.addIngredientButton,
                w.addOtherSupplyButton, w.addScheduleButton, w.addActivityButton};
    }

    void collect(std::vector<ShownText>& into, const QWidget& window)
    {
        const std::vector<ShownText> texts = testing::shownTexts(window);
        into.insert(into.end(), texts.begin(), texts.end());
    }

    // The windows a user meets, in one order: the main window with its
    // menus, the glance window, the preview, the import dialog; and the
    // messages of every Add left empty, Help and About.
    WindowsSeen walk(const QString& languageName)
    {
        const LanguageInForce language(*languageNamed(languageName));
        sys.messages.clear();
        QTemporaryDir temp;  // the report's workbook, a fresh folder each run
        sys.env = {"TEMP=" + temp.path()};
        WindowsSeen run;
        MainWindow& main = start();
        laidOut(main);
        collect(run.texts, main);
        for (QPushButton* add : addButtons())
            click(add);
        main.showHelp();
        main.showAbout();
        for (QAction* action : main.findChildren<QAction*>()) {
            if (action->shortcut() == QKeySequence(Qt::Key_F9))
                action->trigger();
        }
        if (main.glanceWindow()) {
            laidOut(*main.glanceWindow());
            collect(run.texts, *main.glanceWindow());
        }
        main.startReport();
        if (main.preview()) {
            laidOut(*main.preview());
            collect(run.texts, *main.preview());
        }
        GuestSource source;
        source.path = kImportedPath;
        source.format = kImportedFormat;
        source.columns = {kImportedColumn};
        ImportGuestsDialog dialog(source);
        laidOut(dialog);
        collect(run.texts, dialog);
        run.messages = sys.messageTexts();
        window.reset();
        return run;
    }
};

// A text is cut off when it needs more than its box gives, by more than
// English itself overruns its boxes in the form's fixed layout: part of a
// letter's side bearing.
constexpr int kEnglishOverrun = 2;

TEST_P(LanguageWalkTest, NoEnglishIsLeftAndNoTextIsCutOff)
{
    const QString language = QString::fromLatin1(GetParam());
    const WindowsSeen english = walk(QStringLiteral("en"));
    const WindowsSeen translated = walk(language);
    const std::set<QString> kept = keptAsInEnglish(language);
    // What the import dialog shows of the file itself is the user's.
    const std::set<QString> importedFile{kImportedPath, kImportedFormat, kImportedColumn,
                                         kImportedPath + QLatin1Char('\n') + kImportedFormat};

    // A text the English run shows too is English left, unless the
    // translation keeps it so or it names a thing.
    std::set<QString> englishTexts;
    for (const ShownText& shown : english.texts)
        englishTexts.insert(shown.text);
    EXPECT_GT(translated.texts.size(), 100u);
    QStringList englishLeft, cutOff;
    for (const ShownText& shown : translated.texts) {
        if (englishTexts.count(shown.text) && !isAName(shown.text) && !kept.count(shown.text)
            && !importedFile.count(shown.text))
            englishLeft << shown.where + QStringLiteral(": ") + shown.text;
        if (shown.room >= 0 && shown.needed > shown.room + kEnglishOverrun)
            cutOff << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                          .arg(shown.where, shown.text)
                          .arg(shown.needed)
                          .arg(shown.room);
    }
    ASSERT_EQ(translated.messages.size(), english.messages.size());
    for (qsizetype i = 0; i < english.messages.size(); ++i) {
        if (translated.messages[i] == english.messages[i] && !kept.count(english.messages[i]))
            englishLeft << QStringLiteral("message: ") + english.messages[i];
    }
    EXPECT_TRUE(englishLeft.isEmpty()) << englishLeft.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(cutOff.isEmpty()) << cutOff.join(QLatin1Char('\n')).toStdString();
}

// English itself fits its boxes: the measure is sound where nothing changed.
TEST_F(LanguageWalkTest, EnglishTextsFitTheirBoxes)
{
    const WindowsSeen english = walk(QStringLiteral("en"));
    QStringList cutOff;
    for (const ShownText& shown : english.texts) {
        if (shown.room >= 0 && shown.needed > shown.room + kEnglishOverrun)
            cutOff << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                          .arg(shown.where, shown.text)
                          .arg(shown.needed)
                          .arg(shown.room);
    }
    EXPECT_GT(english.texts.size(), 100u);
    EXPECT_TRUE(cutOff.isEmpty()) << cutOff.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageWalkTest, ::testing::Values("de", "fr", "es"));

}  // namespace
}  // namespace jubilo
