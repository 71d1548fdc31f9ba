#pragma once
// One text turned into another as a single splice: what both share at the
// start and at the end stays, and the old text's middle gives way to the
// new one's. Deleting, adding or editing one row of a table's text of
// thousands of rows is a splice of that row's length.

#include <QString>
#include <QStringView>

namespace jubilo {

struct TextSplice {
    qsizetype offset = 0;  // where the old and new texts part, in UTF-16 units
    qsizetype removed = 0;  // units of the old text taken out there
    QString inserted;
};

TextSplice spliceBetween(QStringView before, QStringView after);

// Applies `splice` to `text`; false, changing nothing, when it does not fit.
bool applySplice(QString& text, const TextSplice& splice);

}  // namespace jubilo
