#pragma once
// Tables of (value, format code, text shown) for the format tests, checked
// in the English (United States) locale unless a table names another.

#include "spreadsheet/format/number_format.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <span>

namespace jubilo::spreadsheet::format_cases {

inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct Case {
    double value;
    const char* code;
    const char* shown;
};

inline void expectShown(std::span<const Case> cases, const QLocale& locale = kEnglish)
{
    for (const Case& c : cases)
        EXPECT_EQ(formatValue(c.value, QString::fromUtf8(c.code), locale).toStdString(), c.shown)
            << c.value << " in " << c.code;
}

}  // namespace jubilo::spreadsheet::format_cases
