#include "errors/error_trap.h"

#include "errors/error_box.h"

#include <stdexcept>

namespace jubilo {

QString describeCurrentException()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void ErrorTrap::report()
{
    ++failures_;
    errorBox(describeCurrentException(), location_.text(), reached_);
}

}  // namespace jubilo
