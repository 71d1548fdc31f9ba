#include "errors/error_trap.h"

#include "errors/error_box.h"

#include <QCoreApplication>

#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ErrorTrap)
};

}  // namespace

QString describeCurrentException()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        // Translating needs memory; the English text needs none.
        try {
            return Texts::tr("Out of memory");
        } catch (...) {
            return QStringLiteral("Out of memory");
        }
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return Texts::tr("Unknown error");
    }
}

void ErrorTrap::report()
{
    ++failures_;
    errorBox(describeCurrentException(), location_.text(), reached_);
}

}  // namespace jubilo
