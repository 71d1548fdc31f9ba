#include "plan/answers.h"

#include <QCoreApplication>

namespace jubilo {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Answers)
};
}  // namespace

QString shownAnswer(const QString& stored)
{
    //: A Yes/No column's answer, as the lists and their drop-downs show it.
    if (stored == QLatin1String(kYesAnswer))
        return Texts::tr("Yes");
    //: A Yes/No column's answer, as the lists and their drop-downs show it.
    if (stored == QLatin1String(kNoAnswer))
        return Texts::tr("No");
    return stored;
}

}  // namespace jubilo
