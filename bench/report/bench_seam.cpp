#include "bench_seam.h"

#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"
#include "plan/settings_store.h"

#include <QFile>
#include <QPainter>
#include <QRandomGenerator>

namespace jubilo::bench {

namespace {

// The report reads and writes nothing in the store.
class NoStore : public SettingsStore {
public:
    QString read(const QString&, const QString&, const QString&, const QString& defaultValue) override
    {
        return defaultValue;
    }
    void write(const QString&, const QString&, const QString&, const QString&) override {}
};

}  // namespace

BenchSeam::BenchSeam(const QString& temporaryFolder)
    : temp_(temporaryFolder)
{
}

int BenchSeam::messageBox(const QString& text, int, const QString&)
{
    ++boxes_;
    lastBox_ = text;
    return msgbox::kAnswerOk;
}

double BenchSeam::nextRandom() { return QRandomGenerator::global()->generateDouble(); }

void BenchSeam::setClipboardPicture(std::shared_ptr<const HostPicture> picture) { clipboard_ = std::move(picture); }

SettingsStore& BenchSeam::settings()
{
    static NoStore store;
    return store;
}

std::unique_ptr<SpreadsheetHost> BenchSeam::createHost(const QString& className) { return createEngineHost(className); }

std::shared_ptr<SpreadsheetHost> BenchSeam::runningHost(const QString& className)
{
    return runningEngineHost(className);
}

const HostTypedInput& BenchSeam::typedInput() { return engineTypedInput(); }

void PreviewScreens::loadPreviewPicture(std::shared_ptr<const HostPicture> picture)
{
    const QSize visible = picture->size().boundedTo(kPreviewViewport);
    shown = QImage(visible, QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::white);
    QPainter painter(&shown);
    picture->paint(painter, QRect(QPoint(0, 0), visible), 1.0);
}

std::optional<QString> runReport(BenchSeam& seam, const Plan& plan, QString& failure)
{
    PreviewScreens screens;
    const int boxesBefore = seam.boxes();
    generateReport(plan, screens);
    if (seam.boxes() != boxesBefore)
        failure = seam.lastBox();
    else if (screens.shown.isNull())
        failure = QStringLiteral("the preview got no picture");
    else
        return screens.workbook;
    if (!screens.workbook.isEmpty())
        QFile::remove(screens.workbook);
    return std::nullopt;
}

}  // namespace jubilo::bench
