#pragma once
// The seam as tests drive it: records every box, dialog and page it was
// asked for and answers as the test scripts.

#include "plan/settings_store.h"
#include "platform/system.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <functional>
#include <optional>
#include <vector>

namespace jubilo::testing {

struct ShownMessage {
    QString text;
    int flags;
    QString caption;
};

class MemorySettingsStore : public SettingsStore {
public:
    QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue) override;
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override;

    bool contains(const QString& key) const;
    QString value(const QString& key) const;  // under Tarvel/Jubilo

    QMap<QString, QString> values;  // "app/section/key" -> text
    std::vector<QString> writtenKeys;  // in write order
    bool failWrites = false;
    bool failReads = false;
    // When not negative: that many more writes succeed, then one fails.
    int writesBeforeFailure = -1;
};

class ScriptedSystem : public System {
public:
    ScriptedSystem();

    int messageBox(const QString& text, int flags, const QString& caption) override;
    SaveFileChoice saveFileName(const QString& title, const QString& filter, const QString& fileName,
                                int fileType) override;
    QString openFileName(const QString& title, const QString& filter, const QString& folder) override;
    void openUrl(const QString& url) override;
    QDateTime now() override { return clock; }
    void seedRandom(quint32 seed) override { seeds.push_back(seed); }
    double nextRandom() override;
    QStringList environment() override { return env; }
    void setClipboardPicture(std::shared_ptr<const HostPicture> picture) override
    {
        ++clipboardPuts;
        clipboard = std::move(picture);
    }
    std::shared_ptr<const HostPicture> clipboardPicture() override
    {
        ++clipboardFetches;
        return clipboard;
    }
    PrintResult printPages(const PageMaker& makePages) override;
    QString programFolder() override { return folder; }
    SettingsStore& settings() override { return *store; }
    void endProgram(int exitCode) override { endedWith = exitCode; }
    std::unique_ptr<SpreadsheetHost> createHost(const QString& className) override;
    std::shared_ptr<SpreadsheetHost> runningHost(const QString& className) override;
    const HostTypedInput& typedInput() override;
    void setClipboardRows(const QString& tabSeparated, const QString& html) override
    {
        ++clipboardPuts;
        clipboardPlainText = tabSeparated;
        clipboardHtml = html;
    }
    QString clipboardText() override { return clipboardPlainText; }

    // Script.
    std::deque<int> answers;  // next message box answers; OK/No when empty
    std::deque<QString> savePaths;  // next save dialog results; cancel when empty
    std::deque<int> saveTypes;  // file types chosen there; the one it opened with when empty
    std::deque<QString> openPaths;  // next open dialog results; cancel when empty
    // Next print outcomes; Printed when empty. NoPrinter makes no pages, as
    // Qt's seam does without a printer.
    std::deque<PrintResult> printResults;
    std::deque<double> randoms;  // next draws; 0.5 when empty
    QDateTime clock;
    QStringList env;
    QString folder;
    bool failOpenUrl = false;
    std::shared_ptr<const HostPicture> clipboard;  // a clipboard of the test's own
    std::function<std::unique_ptr<SpreadsheetHost>(const QString&)> hostFactory;
    std::function<std::shared_ptr<SpreadsheetHost>(const QString&)> runningHostLookup;
    const HostTypedInput* typedInputReader = nullptr;  // none: typedInput() throws
    MemorySettingsStore memoryStore;
    SettingsStore* store = &memoryStore;

    // Record.
    std::vector<ShownMessage> messages;
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const ShownMessage& message : messages)
            texts << message.text;
        return texts;
    }
    std::vector<QStringList> saveDialogs;  // title, filter, file name, file type it opened with
    std::vector<QStringList> openDialogs;  // title, filter, folder
    std::vector<std::shared_ptr<const HostPages>> printed;  // pages each print dialog was given
    QStringList openedUrls;
    std::vector<quint32> seeds;
    std::optional<int> endedWith;
    int clipboardPuts = 0;
    int clipboardFetches = 0;
    // The clipboard's texts: what a copy of rows left there, or what the
    // test puts there for a paste to read.
    QString clipboardPlainText;
    QString clipboardHtml;

    // Dialogs of the program's own: each is given to the next function of
    // the script, which may set its widgets and answers accept (true) or
    // reject; rejected when the script is empty. Recorded by title.
    bool runDialog(QDialog& dialog) override;
    std::deque<std::function<bool(QDialog&)>> dialogScripts;
    QStringList dialogsRun;

    std::optional<QDate> askDate(const QString& title, const QString& label, const QDate& proposal) override
    {
        dateDialogs.push_back({title, label, proposal.toString(Qt::ISODate)});
        if (dates.empty())
            return std::nullopt;
        const std::optional<QDate> answer = dates.front();
        dates.pop_front();
        return answer;
    }
    std::deque<std::optional<QDate>> dates;  // next days the date dialog gives; cancel when empty
    std::vector<QStringList> dateDialogs;  // title, label, the day it opened on (ISO)
};

// A test with the scripted seam installed as the program's.
class ScriptedSystemTest : public ::testing::Test {
protected:
    ScriptedSystem sys;
    ScopedSystem installed{sys};
};

}  // namespace jubilo::testing

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
