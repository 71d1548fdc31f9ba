#pragma once
// A sheet's printed pages, laid out as its page setup says and drawn on
// demand as vectors on any device: a printer, a PDF, a screen. Like a
// picture, pages own all they draw and outlive the host that made them.

#include <QPageLayout>
#include <QPainter>

#include <functional>
#include <memory>

namespace jubilo {

class HostPages {
public:
    virtual ~HostPages() = default;

    virtual int count() const = 0;

    // The paper and its orientation, with no margins: the pages are drawn
    // from the paper's edge and hold their own.
    virtual QPageLayout pageLayout() const = 0;

    // Paints page `index` (0-based) with the paper's top-left corner at the
    // painter's origin, `dotsPerPoint` painter units to a point.
    virtual void paint(QPainter& painter, int index, double dotsPerPoint) const = 0;
};

// Lays a sheet's pages out when called: printing calls it only once it
// knows there is a printer to print on.
using PageMaker = std::function<std::shared_ptr<const HostPages>()>;

// How asking to print ended.
enum class PrintResult {
    Printed,
    Cancelled,  // the user closed the print dialog
    NoPrinter,  // the system has no printer to print on; nothing was shown
};

}  // namespace jubilo
