#pragma once
// Rows of delimited text (comma-, semicolon- or tab-separated, as RFC 4180
// quotes them) read with libcsv as the bytes come: a file of any size is
// read in memory bounded by the row being read. Fields stay bytes; the
// caller decodes them. Each row comes with the line it starts on, counted
// from 1, so that a message can name it.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>
#include <memory>
#include <stdexcept>

namespace jubilo {

// Where the text cannot be read as rows, and why.
class DelimitedTextError : public std::runtime_error {
public:
    enum class Reason { UnterminatedQuote, QuoteInField, FieldTooLong, RowTooLong, OutOfMemory };
    DelimitedTextError(Reason reason, int line);
    Reason reason() const { return reason_; }
    int line() const { return line_; }

private:
    Reason reason_;
    int line_;
};

// The longest field and row taken: past them the text is no list.
inline constexpr qsizetype kMaxFieldBytes = 1 << 20;
inline constexpr qsizetype kMaxRowBytes = 4 << 20;

class DelimitedReader {
public:
    using Row = QList<QByteArray>;
    using RowSink = std::function<void(int line, Row fields)>;

    DelimitedReader(char delimiter, RowSink sink);
    ~DelimitedReader();
    DelimitedReader(const DelimitedReader&) = delete;
    DelimitedReader& operator=(const DelimitedReader&) = delete;

    // Reads on; every row completed is given to the sink. Blank lines give
    // no row. Throws DelimitedTextError.
    void feed(QByteArrayView bytes);
    // The end of the text: the last row, even without a line break.
    void finish();

private:
    struct Parser;
    std::unique_ptr<Parser> parser_;
};

// All the rows of a text held whole (a paste).
QList<DelimitedReader::Row> readDelimitedRows(QByteArrayView text, char delimiter);

}  // namespace jubilo
