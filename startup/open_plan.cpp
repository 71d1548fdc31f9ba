#include "startup/open_plan.h"

#include "files/path_bytes.h"
#include "messages/product.h"
#include "platform/plan_file_store.h"
#include "platform/system.h"

#include <QFileInfo>

namespace jubilo {

SettingsStore& OpenPlan::store() const { return file ? *file : system().settings(); }

QString planName(const QString& path)
{
    QString name = files::displayName(QFileInfo(path).fileName());
    const QString suffix = QString::fromUtf8(kPlanFileSuffix);
    if (name.endsWith(suffix, Qt::CaseInsensitive) && name.size() > suffix.size())
        name.chop(suffix.size());
    return name;
}

QString windowCaption(const OpenPlan& plan)
{
    const QString product = QString::fromUtf8(kProductName);
    return plan.isFile() ? planName(plan.path) + QStringLiteral(" \u2014 ") + product : product;
}

}  // namespace jubilo
