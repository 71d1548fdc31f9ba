#include "spreadsheet/format/locale_names_p.h"

#include <memory>
#include <utility>
#include <vector>

namespace jubilo::spreadsheet {

namespace {

std::unique_ptr<LocaleNames> readNames(const QLocale& locale)
{
    auto names = std::make_unique<LocaleNames>();
    for (int m = 1; m <= 12; ++m) {
        names->longMonths[std::size_t(m - 1)] = locale.monthName(m, QLocale::LongFormat);
        names->shortMonths[std::size_t(m - 1)] = locale.monthName(m, QLocale::ShortFormat);
        names->typedShortMonths[std::size_t(m - 1)] = QString(names->shortMonths[std::size_t(m - 1)]).remove(u'.');
    }
    for (int d = 1; d <= 7; ++d) {
        names->longDays[std::size_t(d - 1)] = locale.dayName(d, QLocale::LongFormat);
        names->shortDays[std::size_t(d - 1)] = locale.dayName(d, QLocale::ShortFormat);
    }
    names->shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    return names;
}

}  // namespace

// A program meets one or two locales; a short list per thread needs no lock.
const LocaleNames& localeNames(const QLocale& locale)
{
    thread_local std::vector<std::pair<QLocale, std::unique_ptr<LocaleNames>>> known;
    for (const auto& [l, names] : known)
        if (l == locale)
            return *names;
    known.emplace_back(locale, readNames(locale));
    return *known.back().second;
}

}  // namespace jubilo::spreadsheet
