#include "platform/qt_system.h"

#include "platform/bitmap_picture.h"
#include "platform/date_question.h"
#include "platform/page_printing.h"
#include "platform/picture_mime_data.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(QtSystem)
};

}  // namespace

QtSystem::QtSystem()
    : store_(IniSettingsStore::defaultFolder())
{
}

void QtSystem::setHostFactory(HostFactory create, RunningHostLookup running, const HostTypedInput& typedInput)
{
    createHost_ = std::move(create);
    runningHost_ = std::move(running);
    typedInput_ = &typedInput;
}

void QtSystem::setSettingsNotice(IniSettingsStore::Notice notice) { store_.setNotice(std::move(notice)); }

namespace {

QMessageBox::StandardButtons buttonsFor(int flags)
{
    switch (flags & 7) {
    case 1:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case 2:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case 3:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case 4:
        return QMessageBox::Yes | QMessageBox::No;
    case 5:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(int flags)
{
    switch (flags & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answerFor(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return 1;
    case QMessageBox::Cancel:
        return 2;
    case QMessageBox::Abort:
        return 3;
    case QMessageBox::Retry:
        return 4;
    case QMessageBox::Ignore:
        return 5;
    case QMessageBox::Yes:
        return 6;
    case QMessageBox::No:
        return 7;
    default:
        return 2;
    }
}

// Messages are written with CR LF and lone CR line breaks.
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

int QtSystem::messageBox(const QString& text, int flags, const QString& caption)
{
    QMessageBox box(iconFor(flags), caption, displayText(text), buttonsFor(flags), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return answerFor(box.exec());
}

QString toQtFileFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            continue;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << (parts[i].contains(QLatin1Char('('))
                        ? parts[i]
                        : parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

// The caller gives a name without a known ending its type's extension, so
// the dialog adds none.
SaveFileChoice QtSystem::saveFileName(const QString& title, const QString& filter, const QString& fileName,
                                      int fileType)
{
    const QString qtFilter = toQtFileFilter(filter);
    const QStringList types = qtFilter.split(QStringLiteral(";;"));
    QFileDialog dialog(QApplication::activeWindow(), title, fileName, qtFilter);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks about overwriting itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (fileType >= 0 && fileType < types.size())
        dialog.selectNameFilter(types[fileType]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), std::max(0, int(types.indexOf(dialog.selectedNameFilter())))};
}

QString QtSystem::openFileName(const QString& title, const QString& filter, const QString& folder)
{
    QFileDialog dialog(QApplication::activeWindow(), title, folder, toQtFileFilter(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtSystem::openUrl(const QString& url)
{
    if (!QDesktopServices::openUrl(QUrl(url)))
        throw std::runtime_error(Texts::tr("The web page could not be opened: %1").arg(url).toStdString());
}

QDateTime QtSystem::now() { return QDateTime::currentDateTime(); }

// The system's generator cannot be seeded: its draws stay unpredictable
// whatever a caller seeds with.
void QtSystem::seedRandom(quint32 seed) { (void)seed; }

void QtSystem::setClipboardPicture(std::shared_ptr<const HostPicture> picture)
{
    QGuiApplication::clipboard()->setMimeData(new PictureMimeData(std::move(picture)));
}

// Without a printer Qt's dialog could only print to a file, which "Save as
// PDF" does better; the caller tells the user instead, and no page is laid
// out for nothing.
PrintResult QtSystem::printPages(const PageMaker& makePages)
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        return PrintResult::NoPrinter;
    const std::shared_ptr<const HostPages> pages = makePages();
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, *pages);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setMinMax(1, pages->count());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    printPagesOn(printer, *pages);
    return PrintResult::Printed;
}

std::shared_ptr<const HostPicture> QtSystem::clipboardPicture()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (const auto* ours = dynamic_cast<const PictureMimeData*>(data))
        return ours->picture();
    if (!data || !data->hasImage())
        return nullptr;
    const QImage bitmap = qvariant_cast<QImage>(data->imageData());
    return bitmap.isNull() ? nullptr : std::make_shared<BitmapPicture>(bitmap);
}

double QtSystem::nextRandom() { return QRandomGenerator::system()->generateDouble(); }

QStringList QtSystem::environment() { return QProcessEnvironment::systemEnvironment().toStringList(); }

QString QtSystem::programFolder() { return QCoreApplication::applicationDirPath(); }

SettingsStore& QtSystem::settings() { return store_; }

void QtSystem::endProgram(int exitCode) { std::exit(exitCode); }

std::unique_ptr<SpreadsheetHost> QtSystem::createHost(const QString& className)
{
    if (!createHost_)
        //: %1 is the name of the spreadsheet program's object, as Excel.Application.
        throw std::runtime_error(Texts::tr("Cannot create object \"%1\"").arg(className).toStdString());
    return createHost_(className);
}

std::shared_ptr<SpreadsheetHost> QtSystem::runningHost(const QString& className)
{
    return runningHost_ ? runningHost_(className) : nullptr;
}

const HostTypedInput& QtSystem::typedInput()
{
    if (!typedInput_)
        throw std::runtime_error("No spreadsheet host is registered to read typed amounts");
    return *typedInput_;
}

void QtSystem::setClipboardRows(const QString& tabSeparated, const QString& html)
{
    auto* data = new QMimeData;
    data->setText(tabSeparated);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString QtSystem::clipboardText() { return QGuiApplication::clipboard()->text(); }
bool QtSystem::runDialog(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

std::optional<QDate> QtSystem::askDate(const QString& title, const QString& label, const QDate& proposal)
{
    return askDateInDialog(QApplication::activeWindow(), title, label, proposal);
}

}  // namespace jubilo
