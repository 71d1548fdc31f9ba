#include "lists/delimited_reader.h"

#include <csv.h>

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <utility>

namespace jubilo {

namespace {

// Spaces are part of a field: " 12 " stays " 12 ".
int isNoSpace(unsigned char) { return 0; }

// The bytes go to libcsv in pieces of this size, so that a field it is
// still gathering is stopped soon after it passes its limit.
constexpr qsizetype kFeedPiece = 64 * 1024;

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DelimitedReader)
};

QString reasonText(DelimitedTextError::Reason reason)
{
    switch (reason) {
    case DelimitedTextError::Reason::UnterminatedQuote:
        return Texts::tr("a quoted field is never closed");
    case DelimitedTextError::Reason::QuoteInField:
        return Texts::tr("a quote stands inside an unquoted field");
    case DelimitedTextError::Reason::FieldTooLong:
        return Texts::tr("a field is longer than 1 MB");
    case DelimitedTextError::Reason::RowTooLong:
        return Texts::tr("a row is longer than 4 MB");
    case DelimitedTextError::Reason::OutOfMemory:
        return Texts::tr("there is not enough memory to read it");
    }
    return {};
}

}  // namespace

DelimitedTextError::DelimitedTextError(Reason reason, int line)
    : std::runtime_error(reasonText(reason).toStdString())
    , reason_(reason)
    , line_(line)
{
}

// libcsv calls back per field and per end of row. With CSV_REPALL_NL every
// unquoted line break is told, so lines can be counted: a CR LF pair is one
// line break, and so is a lone CR or LF.
struct DelimitedReader::Parser {
    csv_parser csv{};
    RowSink sink;
    Row row;
    qsizetype rowBytes = 0;
    int line = 1;  // of the byte being read
    int rowLine = 1;  // where the row being read began
    bool rowStarted = false;
    bool afterCarriageReturn = false;
    std::optional<DelimitedTextError> failure;

    void field(const char* bytes, std::size_t size)
    {
        if (failure)
            return;
        if (!rowStarted) {
            rowStarted = true;
            rowLine = line;
        }
        afterCarriageReturn = false;
        const QByteArray text(bytes, static_cast<qsizetype>(size));
        line += static_cast<int>(text.count('\n') + text.count('\r') - text.count("\r\n"));
        rowBytes += text.size() + 1;  // with its delimiter: a row of empty fields has a size too
        if (text.size() > kMaxFieldBytes)
            failure.emplace(DelimitedTextError::Reason::FieldTooLong, rowLine);
        else if (rowBytes > kMaxRowBytes)
            failure.emplace(DelimitedTextError::Reason::RowTooLong, rowLine);
        else
            row.append(text);
    }

    void endOfRow(int terminator)
    {
        if (failure)
            return;
        if (rowStarted)
            sink(rowLine, std::exchange(row, {}));
        rowStarted = false;
        rowBytes = 0;
        if (terminator == '\n' && afterCarriageReturn) {
            afterCarriageReturn = false;  // the LF of a CR LF pair
            return;
        }
        afterCarriageReturn = terminator == '\r';
        if (terminator == '\n' || terminator == '\r')
            ++line;
    }

    static void onField(void* bytes, std::size_t size, void* self)
    {
        static_cast<Parser*>(self)->field(static_cast<const char*>(bytes), size);
    }
    static void onRowEnd(int terminator, void* self) { static_cast<Parser*>(self)->endOfRow(terminator); }

    // While feeding, libcsv refuses only a quote out of place; at the end,
    // a quoted field never closed.
    void check(int line, DelimitedTextError::Reason parseError)
    {
        if (failure)
            throw *failure;
        switch (csv_error(&csv)) {
        case CSV_SUCCESS:
            return;
        case CSV_ENOMEM:
        case CSV_ETOOBIG:
            throw DelimitedTextError(DelimitedTextError::Reason::OutOfMemory, line);
        default:
            throw DelimitedTextError(parseError, line);
        }
    }
};

DelimitedReader::DelimitedReader(char delimiter, RowSink sink)
    : parser_(std::make_unique<Parser>())
{
    if (csv_init(&parser_->csv, CSV_STRICT | CSV_REPALL_NL | CSV_STRICT_FINI) != 0)
        throw DelimitedTextError(DelimitedTextError::Reason::OutOfMemory, 1);
    csv_set_delim(&parser_->csv, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&parser_->csv, &isNoSpace);
    parser_->sink = std::move(sink);
}

DelimitedReader::~DelimitedReader() { csv_free(&parser_->csv); }

void DelimitedReader::feed(QByteArrayView bytes)
{
    Parser& p = *parser_;
    for (qsizetype at = 0; at < bytes.size(); at += kFeedPiece) {
        const QByteArrayView piece = bytes.sliced(at, std::min(kFeedPiece, bytes.size() - at));
        const std::size_t read = csv_parse(&p.csv, piece.data(), static_cast<std::size_t>(piece.size()),
                                           &Parser::onField, &Parser::onRowEnd, &p);
        if (read != static_cast<std::size_t>(piece.size()) || p.failure)
            p.check(p.line, DelimitedTextError::Reason::QuoteInField);
        if (static_cast<qsizetype>(p.csv.entry_pos) > kMaxFieldBytes)
            throw DelimitedTextError(DelimitedTextError::Reason::FieldTooLong, p.rowStarted ? p.rowLine : p.line);
    }
}

void DelimitedReader::finish()
{
    Parser& p = *parser_;
    const int started = p.line;
    if (csv_fini(&p.csv, &Parser::onField, &Parser::onRowEnd, &p) != 0 || p.failure) {
        // An open quote reaches the end: the row it is in began earlier.
        p.check(p.rowStarted ? p.rowLine : started, DelimitedTextError::Reason::UnterminatedQuote);
    }
}

QList<DelimitedReader::Row> readDelimitedRows(QByteArrayView text, char delimiter)
{
    QList<DelimitedReader::Row> rows;
    DelimitedReader reader(delimiter, [&](int, DelimitedReader::Row row) { rows.append(std::move(row)); });
    reader.feed(text);
    reader.finish();
    return rows;
}

}  // namespace jubilo
