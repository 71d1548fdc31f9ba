#include "report/host_checks.h"

#include "platform/system.h"
#include "messages/message.h"

namespace jubilo {

QString hostUnavailableMessage()
{
    const QString paragraph = QStringLiteral("\r\n\r\n");
    return QStringLiteral("Error 842001. A normal instance of Excel could not be created.") + paragraph
        + QStringLiteral("1. Please make sure Excel is installed on this computer.") + paragraph
        + QStringLiteral("2. Please open Excel normally and make sure a blank spreadsheet opens "
                         "immediately without any interrupting window (such as an Excel file "
                         "recovery window).")
        + paragraph
        + QStringLiteral("3. Please make sure that when you double-click on a XLS or XLSX file "
                         "that Excel opens normally without any interrupting messages.")
        + paragraph
        + QStringLiteral("4. All versions of Excel are supported by this software except for "
                         "the rare Excel Starter and Student editions.");
}

QString hostRunningQuestion()
{
    return QStringLiteral("Excel may be open. It is recommended that you close Excel first.\r"
                          "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
                          "Would you like to proceed anyway?");
}

void checkHostAvailable()
{
    try {
        if (system().createHost(kHostClassName))
            return;  // released at once, without quitting it
    } catch (...) {
    }
    try {
        msgBox(hostUnavailableMessage(), msgbox::kOkOnly);
    } catch (...) {
    }
    system().endProgram(0);
}

bool isHostRunning()
{
    try {
        const auto host = system().runningHost(kHostClassName);
        return host && host->defaultValue() == kHostDefaultValue;
    } catch (...) {
        return false;
    }
}

bool warnHostRunning()
{
    if (!isHostRunning())
        return false;
    return msgBox(hostRunningQuestion(), msgbox::kYesNo) != msgbox::kAnswerYes;
}

}  // namespace jubilo
