#include "platform/page_printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PagePrinting)
};

}  // namespace

void preparePrinter(QPrinter& printer, const HostPages& pages)
{
    printer.setFullPage(true);
    printer.setPageLayout(pages.pageLayout());
    printer.setDocName(QStringLiteral("Jubilo"));
}

void printPagesOn(QPrinter& printer, const HostPages& pages)
{
    const QPageRanges ranges = printer.pageRanges();
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(Texts::tr("The printer could not be started").toStdString());
    const double dotsPerPoint = printer.resolution() / 72.0;
    bool first = true;
    for (int index = 0; index < pages.count(); ++index) {
        if (!ranges.isEmpty() && !ranges.contains(index + 1))
            continue;
        if (!first && !printer.newPage())
            throw std::runtime_error(Texts::tr("The printer could not start a new page").toStdString());
        first = false;
        pages.paint(painter, index, dotsPerPoint);
    }
    painter.end();
    if (printer.printerState() == QPrinter::Error)
        throw std::runtime_error(
            Texts::tr("The printer reported an error; the pages may not have printed").toStdString());
}

}  // namespace jubilo
