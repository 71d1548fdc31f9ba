#pragma once
// Other programs the tests hand files to: a process runner, headless
// LibreOffice, and readers for the CSV and PDF files it writes. A program
// that is missing gives a result whose output says so.

#include <QSizeF>
#include <QStringList>

namespace jubilo::testing {

struct ProcessResult {
    bool started = false;  // false: missing or not runnable
    bool finished = false;  // false: killed at the time limit
    int exitCode = -1;  // -1 also when killed by a signal
    QString output;  // standard output and error as written

    bool succeeded() const { return started && finished && exitCode == 0; }
};

// Runs the program (looked up on PATH, no shell) and kills it after timeoutMs.
ProcessResult runProcess(const QString& program, const QStringList& arguments, int timeoutMs = 300'000);

// LibreOffice's CSV export filter: UTF-8, values as stored, not as shown.
inline constexpr char kCsvAsStored[] = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false";
// The same filter writing each cell's text as its number format shows it.
inline constexpr char kCsvAsShown[] = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true";

// Headless LibreOffice with a profile of its own, so no running instance or
// user settings take part: converts the files with `filter` ("pdf", a CSV
// filter) into outFolder, each under its base name.
class LibreOffice {
public:
    explicit LibreOffice(const QString& profileFolder)
        : profile_(profileFolder)
    {
    }
    ProcessResult convert(const QString& filter, const QStringList& files, const QString& outFolder) const;

private:
    QString profile_;
};

// The rows of a CSV file in LibreOffice's quoting; none when unreadable.
QList<QStringList> readCsv(const QString& path);

// A PDF file's page count and its first MediaBox in points; 0 when unreadable.
struct PdfPages {
    int count = 0;
    QSizeF firstSize;
};
PdfPages readPdfPages(const QString& path);

}  // namespace jubilo::testing
