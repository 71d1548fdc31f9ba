#pragma once
// The seam the report benchmarks run under: the engine as host, a temporary
// folder of their own, a clipboard in memory, no store and no boxes on
// screen (each box is counted, so a benchmark can tell a run that failed).
// The windows the run drives draw what the preview shows first.

#include "platform/system.h"
#include "report/report_run.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace jubilo::bench {

class BenchSeam : public System {
public:
    explicit BenchSeam(const QString& temporaryFolder);

    int messageBox(const QString& text, int flags, const QString& caption) override;
    SaveFileChoice saveFileName(const QString&, const QString&, const QString&, int) override { return {}; }
    PrintResult printPages(const PageMaker&) override { return PrintResult::Cancelled; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    void openUrl(const QString&) override {}
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void seedRandom(quint32) override {}
    double nextRandom() override;
    QStringList environment() override { return {QStringLiteral("TEMP=") + temp_}; }
    void setClipboardPicture(std::shared_ptr<const HostPicture> picture) override;
    std::shared_ptr<const HostPicture> clipboardPicture() override { return clipboard_; }
    QString programFolder() override { return temp_; }
    SettingsStore& settings() override;
    void endProgram(int) override {}
    std::unique_ptr<SpreadsheetHost> createHost(const QString& className) override;
    std::shared_ptr<SpreadsheetHost> runningHost(const QString& className) override;
    const HostTypedInput& typedInput() override;
    void setClipboardRows(const QString& tabSeparated, const QString&) override { clipboardText_ = tabSeparated; }
    QString clipboardText() override { return clipboardText_; }
    // The report shows no dialog of its own: any is rejected.
    bool runDialog(QDialog&) override { return false; }
    std::optional<QDate> askDate(const QString&, const QString&, const QDate&) override { return std::nullopt; }

    int boxes() const { return boxes_; }
    QString lastBox() const { return lastBox_; }

private:
    QString temp_;
    std::shared_ptr<const HostPicture> clipboard_;
    QString clipboardText_;
    int boxes_ = 0;
    QString lastBox_;
};

// What the preview shows of a new picture: its top-left corner at 100%, in a
// viewport of this size.
inline constexpr QSize kPreviewViewport{1000, 700};

class PreviewScreens : public ReportScreens {
public:
    void setBusyPointer(bool) override {}
    // Draws the viewport's part of the picture, as the preview's first paint does.
    void loadPreviewPicture(std::shared_ptr<const HostPicture> picture) override;
    void setPreviewWorkbook(const QString& path) override { workbook = path; }
    void showPreview() override {}
    void hideMainWindow() override {}

    QString workbook;
    QImage shown;
};

// The report's whole run, from the click to the preview's first paint.
// Returns the workbook it saved, which the caller removes; nothing, with
// the box's text in `failure`, when a step failed.
std::optional<QString> runReport(BenchSeam& seam, const Plan& plan, QString& failure);

}  // namespace jubilo::bench
