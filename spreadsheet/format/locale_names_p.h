#pragma once
// What a locale says about dates, read once per locale: its month and
// weekday names and its short date format. Asking a QLocale builds each
// text anew, which reading or showing thousands of cells would repeat.

#include <QLocale>
#include <QString>

#include <array>

namespace jubilo::spreadsheet {

struct LocaleNames {
    std::array<QString, 12> longMonths;  // January first
    std::array<QString, 12> shortMonths;
    std::array<QString, 12> typedShortMonths;  // without the dots ("janv" for "janv.")
    std::array<QString, 7> longDays;  // Monday first
    std::array<QString, 7> shortDays;
    QString shortDateFormat;

    const QString& month(int month, QLocale::FormatType type) const
    {
        return (type == QLocale::LongFormat ? longMonths : shortMonths)[std::size_t(month - 1)];
    }
    const QString& day(int dayOfWeek, QLocale::FormatType type) const
    {
        return (type == QLocale::LongFormat ? longDays : shortDays)[std::size_t(dayOfWeek - 1)];
    }
};

// The locale's names, read on the first call for that locale in a thread;
// the reference stays valid for the thread's life.
const LocaleNames& localeNames(const QLocale& locale);

}  // namespace jubilo::spreadsheet
