#include "spreadsheet/picture/page_limits.h"

#include "spreadsheet/model/page_setup.h"

#include <QCoreApplication>
#include <QLocale>

namespace jubilo::spreadsheet::picture {

namespace {

QString withSeparators(qint64 n) { return QLocale(QLocale::English).toString(n); }
QString inches(double points) { return QLocale(QLocale::English).toString(points / 72, 'f', 2); }

}  // namespace

void checkRoomToPrint(const PageSetup& setup, const QSizeF& paper)
{
    const double across = setup.leftMargin() + setup.rightMargin();
    const double down = setup.topMargin() + setup.bottomMargin();
    if (across < paper.width() && down < paper.height())
        return;
    throw NoRoomToPrint(QCoreApplication::translate("PageLimits",
                                                    "The page margins leave no room to print: they take %1 by %2 "
                                                    "inches of paper %3 by %4 inches")
                            .arg(inches(across), inches(down), inches(paper.width()), inches(paper.height())));
}

void checkPageCount(qint64 pagesWide, qint64 pagesTall)
{
    const qint64 pages = pagesWide * pagesTall;
    if (pages <= kMaxPrintedPages)
        return;
    throw TooManyPages(QCoreApplication::translate("PageLimits",
                                                   "The sheet would print on %1 pages (%2 across, %3 down); at most "
                                                   "%4 pages print. A smaller print area or zoom, or narrower margins, "
                                                   "print fewer.")
                           .arg(withSeparators(pages), withSeparators(pagesWide), withSeparators(pagesTall),
                                withSeparators(kMaxPrintedPages)));
}

}  // namespace jubilo::spreadsheet::picture
