#include "ui/glance/chart_saving.h"

#include "errors/error_trap.h"
#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "messages/message.h"
#include "platform/system.h"
#include "ui/common/save_name.h"
#include "ui/glance/budget_chart.h"

#include <QBuffer>
#include <QCoreApplication>

#include <stdexcept>

namespace jubilo {

namespace {

inline constexpr char kPngSuffix[] = ".png";
inline constexpr char kPngFormat[] = "PNG";

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChartSaving)
};

QString shown(const QString& path) { return files::displayName(path); }

QString pngFilter() { return Texts::tr("PNG Images") + QStringLiteral(" (*%1)|*%1|").arg(QLatin1String(kPngSuffix)); }

QString askPngFileName()
{
    const SaveFileChoice choice = system().saveFileName(Texts::tr("Save Chart as PNG"), pngFilter(),
                                                        Texts::tr("Plan at a Glance") + QLatin1String(kPngSuffix), 0);
    return choice.path.isEmpty() ? QString() : withSuffix(choice.path, QLatin1String(kPngSuffix));
}

void writePng(BudgetChart& chart, const QString& path)
{
    const QByteArray bytes = chartPng(chart);
    try {
        files::replaceFile(files::fileSystemPath(path), bytes);
    } catch (const files::FileError& error) {
        throw std::runtime_error(
            Texts::tr("The chart could not be saved to %1: %2").arg(shown(path), error.reason()).toStdString());
    }
}

}  // namespace

QByteArray chartPng(BudgetChart& chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!chart.picture(kSavedChartScale).save(&buffer, kPngFormat))
        throw std::runtime_error(Texts::tr("The chart could not be made into a PNG picture.").toStdString());
    return bytes;
}

void saveChartAsPng(BudgetChart& chart)
{
    ErrorTrap trap(locations::kSaveChartClick);
    QString path;
    trap.step(100, [&] { path = askPngFileName(); });
    if (path.isEmpty())
        return;
    bool mayWrite = false;
    trap.step(102, [&] { mayWrite = mayWriteAt(path); });
    if (!mayWrite)
        return;
    if (trap.essential(104, [&] { writePng(chart, path); }))
        trap.step(106, [&] { msgBox(Texts::tr("The chart is saved as %1.").arg(shown(path))); });
}

}  // namespace jubilo
