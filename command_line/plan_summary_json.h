#pragma once
// The plan's figures as `jubilo --summary --json` prints them, for scripts:
// one object, {"guests": {...}, "lists": [...], "total": {...}}, whose keys
// are the same in every language (README, "Command line", lists them).
//
// Amounts are JSON numbers rounded to cents as the text rounds them, so an
// amount reads 48.02 and never 48.019999999999996, the sum's last binary
// digit; counts of people are written as summed. A figure there is none of
// (no budget, nothing left against an error) is null; a sum that is an
// error value is null too, with the error beside it under the key plus
// "Error" ("spent": null, "spentError": "#N/A").

#include "figures/plan_figures.h"

#include <QByteArray>
#include <QJsonObject>

namespace jubilo {

QJsonObject planSummaryJson(const PlanFigures& figures);
// The object on one line, UTF-8, ending in a newline.
QByteArray planSummaryJsonText(const PlanFigures& figures);

}  // namespace jubilo
