#include "spreadsheet/format/format_code_p.h"

namespace jubilo::spreadsheet::formatcode {

QStringList splitSections(const QString& code)
{
    QStringList sections;
    QString current;
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'\\' && !quoted && i + 1 < code.size()) {
            current += c;
            current += code[++i];
            continue;
        }
        if (c == u'"' && !bracket)
            quoted = !quoted;
        else if (c == u'[' && !quoted)
            bracket = true;
        else if (c == u']' && !quoted)
            bracket = false;
        if (c == u';' && !quoted && !bracket) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

bool takeLiteral(QStringView code, qsizetype& i, QString& out)
{
    const QChar c = code[i];
    const bool hasNext = i + 1 < code.size();
    if (c == u'"') {
        const qsizetype end = code.indexOf(u'"', i + 1);
        const qsizetype stop = end < 0 ? code.size() : end;
        out += code.mid(i + 1, stop - i - 1);
        i = stop + 1;
        return true;
    }
    if (c == u'\\' && hasNext) {
        out += code[i + 1];
        i += 2;
        return true;
    }
    if (c == u'_' && hasNext) {
        out += u' ';
        i += 2;
        return true;
    }
    if (c == u'*' && hasNext) {
        i += 2;
        return true;
    }
    if (c == u'[') {
        const qsizetype end = code.indexOf(u']', i);
        const qsizetype stop = end < 0 ? code.size() : end;
        const QStringView inside = code.mid(i + 1, stop - i - 1);
        if (inside.startsWith(u'$')) {
            const qsizetype dash = inside.indexOf(u'-');
            out += inside.mid(1, dash < 0 ? -1 : dash - 1);
        }
        i = stop + 1;
        return true;
    }
    return false;
}

bool isGeneralSection(QStringView section) { return section.contains(QLatin1String("general"), Qt::CaseInsensitive); }

qsizetype elapsedBracket(QStringView code, qsizetype i)
{
    if (code[i] != u'[' || i + 1 >= code.size())
        return 0;
    const QChar letter = code[i + 1].toLower();
    if (letter != u'h' && letter != u'm' && letter != u's')
        return 0;
    qsizetype end = i + 1;
    while (end < code.size() && code[end].toLower() == letter)
        ++end;
    return end < code.size() && code[end] == u']' ? end + 1 - i : 0;
}

bool isDateSection(QStringView section)
{
    QString ignored;
    for (qsizetype i = 0; i < section.size();) {
        const QChar c = section[i];
        if (elapsedBracket(section, i) > 0)
            return true;
        if (takeLiteral(section, i, ignored))
            continue;
        switch (c.toLower().unicode()) {
        case 'y':
        case 'm':
        case 'd':
        case 'h':
        case 's':
            return true;
        default:
            ++i;
        }
    }
    return false;
}

}  // namespace jubilo::spreadsheet::formatcode
