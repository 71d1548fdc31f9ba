#pragma once
// The seam as the real desktop provides it: Qt's own dialogs (never the
// platform's native ones, which a headless run cannot drive), the desktop's
// browser, the real clock and environment, the system's secure random
// source, and the per-user INI store.

#include "platform/ini_settings_store.h"
#include "platform/system.h"

#include <functional>

namespace jubilo {

class QtSystem : public System {
public:
    using HostFactory = std::function<std::unique_ptr<SpreadsheetHost>(const QString&)>;
    using RunningHostLookup = std::function<std::shared_ptr<SpreadsheetHost>(const QString&)>;

    QtSystem();

    // The spreadsheet engine registers itself here at start-up, so that this
    // library does not depend on it.
    void setHostFactory(HostFactory create, RunningHostLookup running, const HostTypedInput& typedInput);
    // Given the text to show when a damaged settings file was copied aside
    // before its rewrite; the program shows it as a message box.
    void setSettingsNotice(IniSettingsStore::Notice notice);

    int messageBox(const QString& text, int flags, const QString& caption) override;
    SaveFileChoice saveFileName(const QString& title, const QString& filter, const QString& fileName,
                                int fileType) override;
    QString openFileName(const QString& title, const QString& filter, const QString& folder) override;
    void openUrl(const QString& url) override;
    QDateTime now() override;
    void seedRandom(quint32 seed) override;
    double nextRandom() override;
    QStringList environment() override;
    void setClipboardPicture(std::shared_ptr<const HostPicture> picture) override;
    std::shared_ptr<const HostPicture> clipboardPicture() override;
    PrintResult printPages(const PageMaker& makePages) override;
    QString programFolder() override;
    SettingsStore& settings() override;
    void endProgram(int exitCode) override;
    std::unique_ptr<SpreadsheetHost> createHost(const QString& className) override;
    std::shared_ptr<SpreadsheetHost> runningHost(const QString& className) override;
    const HostTypedInput& typedInput() override;
    void setClipboardRows(const QString& tabSeparated, const QString& html) override;
    QString clipboardText() override;
    bool runDialog(QDialog& dialog) override;
    std::optional<QDate> askDate(const QString& title, const QString& label, const QDate& proposal) override;

private:
    IniSettingsStore store_;
    HostFactory createHost_;
    RunningHostLookup runningHost_;
    const HostTypedInput* typedInput_ = nullptr;
};

// "Excel Files (*.xls)|*.xls|" -> "Excel Files (*.xls)" entries for QFileDialog.
QString toQtFileFilter(const QString& pipeFilter);

}  // namespace jubilo
