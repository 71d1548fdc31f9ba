#pragma once
// The writes the killed-writer test has a separate process make before it
// dies: a table-sized value, then that table changed a row at a time (one
// taken out, one put in, one edited, the last dropped) with small values
// between. The writer and the test both build them from here.

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace jubilo::testing {

struct StoreWrite {
    QString key;
    QString text;
};

inline std::vector<StoreWrite> journaledWrites()
{
    constexpr int kRows = 2000;
    QStringList rows;
    for (int i = 0; i < kRows; ++i)
        rows << QStringLiteral("Gäst %1 \"q\"\t||MySeparator12||Straße %1; a, b\n||MySeparator11||").arg(i);
    std::vector<StoreWrite> writes{{QStringLiteral("Guests"), rows.join(QString())}};
    const auto table = [&writes, &rows] { writes.push_back({QStringLiteral("Guests"), rows.join(QString())}); };
    rows.removeAt(700);
    table();
    writes.push_back({QStringLiteral("Music Budget"), QStringLiteral("12.50")});
    rows.insert(3, QStringLiteral("Neu 🎉||MySeparator12||@home||MySeparator11||"));
    table();
    rows[1500] += QStringLiteral(" (edited)");
    table();
    writes.push_back({QStringLiteral("Date"), QStringLiteral("Saturday ; \"late\" = fun \\ ünï")});
    rows.removeLast();
    table();
    writes.push_back({QStringLiteral("Music Budget"), QStringLiteral("13")});
    return writes;
}

// What each key holds once every write is made.
inline std::map<QString, QString> lastValues(const std::vector<StoreWrite>& writes)
{
    std::map<QString, QString> values;
    for (const StoreWrite& write : writes)
        values[write.key] = write.text;
    return values;
}

}  // namespace jubilo::testing
