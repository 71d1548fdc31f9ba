#pragma once
// The recognisers behind typed input, one per kind of text.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace jubilo::spreadsheet::typed {

struct Recognised {
    double number = 0;
    QString format;  // empty: keep the cell's format
};

std::optional<Recognised> recogniseNumber(const QString& text, const QLocale& locale);
std::optional<Recognised> recogniseTime(const QString& text);
std::optional<Recognised> recogniseDate(const QString& text, const QLocale& locale, const QDate& today);

}  // namespace jubilo::spreadsheet::typed
