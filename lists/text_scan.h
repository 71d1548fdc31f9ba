#pragma once
// What a text file of guests is written in, decided once for the whole file
// before it is read: UTF-8 (with or without a byte order mark) when every
// byte sequence is valid UTF-8, otherwise Windows-1252, which is what
// spreadsheet programs on Windows save as "CSV". A NUL byte or a UTF-16
// file is refused: it is no text to read this way.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

namespace jubilo {

enum class TextEncoding { Utf8, Windows1252 };

struct TextScan {
    TextEncoding encoding = TextEncoding::Utf8;
    qsizetype bomBytes = 0;  // a UTF-8 byte order mark at the start, skipped when read
    QByteArray start;  // the first bytes after it, to tell the file's format by
};

// Reads the file once through. Throws ImportError.
TextScan scanText(const QString& path);

// The file's bytes after its byte order mark, a piece at a time.
void readTextInPieces(const QString& path, const TextScan& scan, const std::function<void(QByteArrayView)>& piece);

// Bytes of a file scanned as `encoding` (a whole field or line) as text.
QString decodedText(QByteArrayView bytes, TextEncoding encoding);

// The encoding as the dialog names it: "UTF-8", "Windows-1252".
QString encodingName(TextEncoding encoding);

}  // namespace jubilo
