#include "platform/ini_lines.h"

namespace jubilo::ini {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isSpecial(char c) { return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\'; }
bool isBreak(char c) { return c == '\n' || c == '\r'; }

// Past the comment that starts at `at`, and the space after it.
qsizetype skipComment(QByteArrayView data, qsizetype at)
{
    while (at < data.size() && !isBreak(data[at]))
        ++at;
    while (at < data.size() && isSpace(data[at]))
        ++at;
    return at;
}

// Past an escaped character; an escaped line break may be two bytes.
qsizetype skipEscaped(QByteArrayView data, qsizetype at)
{
    if (at >= data.size())
        return at;
    const char first = data[at++];
    if (at < data.size() && isBreak(first) && isBreak(data[at]) && data[at] != first)
        ++at;
    return at;
}

}  // namespace

bool nextIniLine(QByteArrayView data, qsizetype& position, IniLine& line)
{
    qsizetype start = position;
    while (start < data.size() && isSpace(data[start]))
        ++start;
    line.equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    while (i < data.size()) {
        const char c = data[i];
        if (!isSpecial(c)) {
            ++i;
            continue;
        }
        if (c == '=' && line.equals < 0 && !inQuotes)
            line.equals = i;
        else if (c == '"')
            inQuotes = !inQuotes;
        else if (c == '\\')
            i = skipEscaped(data, i + 1) - 1;
        else if ((isBreak(c) || c == ';') && i == start) {
            // Still before the line: a blank line or a comment line.
            start = c == ';' ? skipComment(data, i) : start + 1;
            i = start;
            continue;
        } else if ((isBreak(c) || c == ';') && !inQuotes)
            break;
        ++i;
    }
    position = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

}  // namespace jubilo::ini
