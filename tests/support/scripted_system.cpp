#include "tests/support/scripted_system.h"

#include <QDialog>

#include <stdexcept>

namespace jubilo::testing {

namespace {
QString fullKey(const QString& app, const QString& section, const QString& key)
{
    return app + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

// The next scripted answer, or the fallback when the script has run out.
template <typename T>
T next(std::deque<T>& script, T fallback)
{
    if (script.empty())
        return fallback;
    T front = std::move(script.front());
    script.pop_front();
    return front;
}
}  // namespace

QString MemorySettingsStore::read(const QString& app, const QString& section, const QString& key,
                                  const QString& defaultValue)
{
    if (failReads)
        throw StoreError("The settings store could not be read");
    return values.value(fullKey(app, section, key), defaultValue);
}

void MemorySettingsStore::write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    const bool failOnce = writesBeforeFailure == 0;
    if (writesBeforeFailure >= 0)
        --writesBeforeFailure;
    if (failWrites || failOnce)
        throw StoreError("The settings store could not be written");
    values.insert(fullKey(app, section, key), value);
    writtenKeys.push_back(key);
}

bool MemorySettingsStore::contains(const QString& key) const
{
    return values.contains(fullKey(QStringLiteral("Tarvel"), QStringLiteral("Jubilo"), key));
}

QString MemorySettingsStore::value(const QString& key) const
{
    return values.value(fullKey(QStringLiteral("Tarvel"), QStringLiteral("Jubilo"), key));
}

ScriptedSystem::ScriptedSystem()
    : clock(QDate(2021, 8, 31), QTime(21, 0, 0))
{
}

int ScriptedSystem::messageBox(const QString& text, int flags, const QString& caption)
{
    messages.push_back({text, flags, caption});
    return next(answers, (flags & 7) == msgbox::kYesNo ? msgbox::kAnswerNo : msgbox::kAnswerOk);
}

SaveFileChoice ScriptedSystem::saveFileName(const QString& title, const QString& filter, const QString& fileName,
                                            int fileType)
{
    saveDialogs.push_back({title, filter, fileName, QString::number(fileType)});
    return {next(savePaths, QString()), next(saveTypes, fileType)};
}

QString ScriptedSystem::openFileName(const QString& title, const QString& filter, const QString& folder)
{
    openDialogs.push_back({title, filter, folder});
    return next(openPaths, QString());
}

PrintResult ScriptedSystem::printPages(const PageMaker& makePages)
{
    const PrintResult result = next(printResults, PrintResult::Printed);
    if (result != PrintResult::NoPrinter)
        printed.push_back(makePages());
    return result;
}

void ScriptedSystem::openUrl(const QString& url)
{
    if (failOpenUrl)
        throw std::runtime_error("No browser");
    openedUrls << url;
}

double ScriptedSystem::nextRandom() { return next(randoms, 0.5); }

std::unique_ptr<SpreadsheetHost> ScriptedSystem::createHost(const QString& className)
{
    if (!hostFactory)
        throw std::runtime_error("ActiveX component can't create object: " + className.toStdString());
    return hostFactory(className);
}

std::shared_ptr<SpreadsheetHost> ScriptedSystem::runningHost(const QString& className)
{
    return runningHostLookup ? runningHostLookup(className) : nullptr;
}

const HostTypedInput& ScriptedSystem::typedInput()
{
    if (!typedInputReader)
        throw std::runtime_error("The test gave no reader of typed amounts");
    return *typedInputReader;
}

bool ScriptedSystem::runDialog(QDialog& dialog)
{
    dialogsRun << dialog.windowTitle();
    if (dialogScripts.empty())
        return false;
    const std::function<bool(QDialog&)> script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    return script(dialog);
}

}  // namespace jubilo::testing
