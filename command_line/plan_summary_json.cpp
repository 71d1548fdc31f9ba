#include "command_line/plan_summary_json.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace jubilo {

namespace {

// The places moneyText shows.
constexpr int kCents = 2;

// An amount as the text shows it: rounded by the same conversion, and
// never -0. Past the largest number there is no amount to show.
QJsonValue moneyValue(double amount)
{
    if (!std::isfinite(amount))
        return QJsonValue::Null;
    return QString::number(amount, 'f', kCents).toDouble() + 0.0;
}

QJsonValue moneyValue(const std::optional<double>& amount)
{
    return amount ? moneyValue(*amount) : QJsonValue(QJsonValue::Null);
}

QJsonValue peopleValue(double people) { return people; }

// The sum under `key`, or null and its error under key + "Error".
void putSum(QJsonObject& object, const QString& key, const SheetSum& sum, QJsonValue (*valueOf)(double))
{
    if (!sum.isError()) {
        object[key] = valueOf(sum.value);
        return;
    }
    object[key] = QJsonValue::Null;
    object[key + QStringLiteral("Error")] = sum.error;
}

QJsonObject guestsObject(const GuestFigures& guests)
{
    QJsonObject object{
        {QStringLiteral("rows"), guests.rows},
        {QStringLiteral("comingRows"), guests.comingRows},
        {QStringLiteral("rowsWithoutNumber"), guests.rowsWithoutNumber},
    };
    putSum(object, QStringLiteral("people"), guests.invited, peopleValue);
    putSum(object, QStringLiteral("coming"), guests.coming, peopleValue);
    return object;
}

QJsonObject moneyObject(const MoneyFigures& money)
{
    QJsonObject object{
        {QStringLiteral("budget"), moneyValue(money.budget)},
        {QStringLiteral("left"), moneyValue(money.left())},
        {QStringLiteral("itemsToBuy"), money.itemsToBuy},
        {QStringLiteral("rows"), money.rows},
        {QStringLiteral("rowsWithoutNumber"), money.rowsWithoutNumber},
    };
    putSum(object, QStringLiteral("spent"), money.spent, moneyValue);
    putSum(object, QStringLiteral("stillToBuy"), money.stillToBuy, moneyValue);
    return object;
}

}  // namespace

QJsonObject planSummaryJson(const PlanFigures& figures)
{
    QJsonArray lists;
    for (const MoneyFigures& money : figures.money) {
        QJsonObject list = moneyObject(money);
        list[QStringLiteral("list")] = QString::fromUtf8(tableSpec(money.table).name);
        lists.append(list);
    }
    return {
        {QStringLiteral("guests"), guestsObject(figures.guests)},
        {QStringLiteral("lists"), lists},
        {QStringLiteral("total"), moneyObject(figures.wholeParty())},
    };
}

QByteArray planSummaryJsonText(const PlanFigures& figures)
{
    return QJsonDocument(planSummaryJson(figures)).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace jubilo
