#include "lists/guest_csv.h"

#include "lists/delimited_reader.h"
#include "lists/guest_mapping.h"
#include "lists/import_error.h"
#include "plan/plan_tables.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <optional>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GuestCsv)
};

constexpr std::array<char, 3> kDelimiters{'\t', ';', ','};  // ties go to the first
constexpr int kSampledLines = 5;

// Each sampled line's count of each delimiter outside quotes.
std::vector<std::array<int, 3>> delimiterCounts(QByteArrayView start)
{
    std::vector<std::array<int, 3>> lines;
    std::array<int, 3> line{};
    bool quoted = false;
    bool lineHasText = false;
    for (const char c : start) {
        if (c == '"')
            quoted = !quoted;
        if (!quoted && (c == '\n' || c == '\r')) {
            if (lineHasText)
                lines.push_back(std::exchange(line, {}));
            lineHasText = false;
            if (static_cast<int>(lines.size()) == kSampledLines)
                return lines;
            continue;
        }
        lineHasText = true;
        for (std::size_t d = 0; d < kDelimiters.size(); ++d)
            line[d] += !quoted && c == kDelimiters[d];
    }
    if (lineHasText && lines.empty())  // one line, cut short or alone
        lines.push_back(line);
    return lines;
}

QString delimiterName(char delimiter)
{
    switch (delimiter) {
    case '\t':
        return Texts::tr("tab-separated");
    case ';':
        return Texts::tr("semicolon-separated");
    default:
        return Texts::tr("comma-separated");
    }
}

// Gathers the rows as the reader gives them. A fault found in a row stops
// the gathering; it is thrown once the reader is out of libcsv's callback.
struct RowGatherer {
    TextEncoding encoding = TextEncoding::Utf8;
    std::optional<QStringList> header;
    bool firstRow = true;
    int columnCount = 0;
    std::vector<SourceRow> rows;
    std::optional<ImportError> fault;

    void take(int line, const DelimitedReader::Row& fields)
    {
        if (fault)
            return;
        if (fields.size() > kMaxImportColumns) {
            fault.emplace(Texts::tr("it has more than %1 columns").arg(kMaxImportColumns), line);
            return;
        }
        QStringList cells;
        cells.reserve(fields.size());
        for (const QByteArray& field : fields)
            cells << decodedText(field, encoding);
        columnCount = std::max(columnCount, static_cast<int>(cells.size()));
        if (std::exchange(firstRow, false) && isHeaderRow(cells)) {
            header = cells;
            return;
        }
        if (std::all_of(cells.begin(), cells.end(), [](const QString& cell) { return cell.isEmpty(); }))
            return;  // a spreadsheet's empty row: ",,,"
        if (static_cast<int>(rows.size()) == PlanTable::kMaxRows) {
            fault.emplace(
                Texts::tr("the file holds more than %L1 guests, more than a list holds").arg(PlanTable::kMaxRows),
                line);
            return;
        }
        rows.push_back({line, std::move(cells)});
    }

    void check() const
    {
        if (fault)
            throw *fault;
    }
};

QStringList columnNames(const std::optional<QStringList>& header, int columnCount)
{
    QStringList names;
    for (int column = 0; column < columnCount; ++column) {
        const QString named = header && column < header->size() ? header->at(column).simplified() : QString();
        names << (named.isEmpty() ? Texts::tr("Column %1").arg(column + 1) : named);
    }
    return names;
}

}  // namespace

char detectedDelimiter(QByteArrayView start)
{
    const std::vector<std::array<int, 3>> lines = delimiterCounts(start);
    std::size_t best = kDelimiters.size() - 1;  // a comma, when none is found
    std::pair<int, int> bestScore{0, 0};
    for (std::size_t d = 0; d < kDelimiters.size(); ++d) {
        std::pair<int, int> score{lines.empty() ? 0 : lines.front()[d], 0};
        for (const std::array<int, 3>& line : lines) {
            score.first = std::min(score.first, line[d]);
            score.second += line[d];
        }
        if (score > bestScore) {
            best = d;
            bestScore = score;
        }
    }
    return kDelimiters[best];
}

GuestSource readGuestCsv(const QString& path, const TextScan& scan)
{
    const char delimiter = detectedDelimiter(scan.start);
    RowGatherer gatherer;
    gatherer.encoding = scan.encoding;
    try {
        DelimitedReader reader(delimiter, [&](int line, DelimitedReader::Row fields) { gatherer.take(line, fields); });
        readTextInPieces(path, scan, [&](QByteArrayView piece) {
            reader.feed(piece);
            gatherer.check();
        });
        reader.finish();
        gatherer.check();
    } catch (const DelimitedTextError& error) {
        throw ImportError(QString::fromUtf8(error.what()), error.line());
    }
    if (gatherer.rows.empty())
        throw ImportError(Texts::tr("it holds no guests"));
    GuestSource source;
    source.path = path;
    source.format = (gatherer.header ? Texts::tr("CSV, %1, %2, with a header row")
                                     : Texts::tr("CSV, %1, %2, without a header row"))
                        .arg(delimiterName(delimiter), encodingName(scan.encoding));
    source.columns = columnNames(gatherer.header, gatherer.columnCount);
    source.mapping = suggestedMapping(gatherer.header.value_or(QStringList()), gatherer.columnCount);
    source.rows = std::move(gatherer.rows);
    return source;
}

}  // namespace jubilo
