#include "spreadsheet/picture/page_header.h"

#include <algorithm>

namespace jubilo::spreadsheet::picture {

namespace {

constexpr int kColorCodeLength = 6;  // &K's RRGGBB or theme and shade

class HeaderReader {
public:
    explicit HeaderReader(const HeaderValues& values)
        : values_(values)
    {
        startSection(1);
    }

    HeaderPrint read(const QString& text)
    {
        text_ = text;
        text_.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        while (at_ < text_.size()) {
            const QChar c = text_[at_++];
            if (c == u'&')
                readCode();
            else if (c == u'\n')
                newLine();
            else
                add(QString(c));
        }
        finishSection();
        return print_;
    }

private:
    void readCode()
    {
        if (at_ >= text_.size())
            return;  // a trailing '&'
        const QChar code = text_[at_++];
        if (code.isDigit()) {
            readSize(code);
            return;
        }
        switch (code.toUpper().unicode()) {
        case u'L':
            startSection(0);
            break;
        case u'C':
            startSection(1);
            break;
        case u'R':
            startSection(2);
            break;
        case u'P':
            add(QString::number(values_.page));
            break;
        case u'N':
            add(QString::number(values_.pages));
            break;
        case u'D':
            add(values_.locale.toString(values_.printedAt.date(), QLocale::ShortFormat));
            break;
        case u'T':
            add(values_.locale.toString(values_.printedAt.time(), QLocale::ShortFormat));
            break;
        case u'F':
            add(values_.fileName);
            break;
        case u'A':
            add(values_.sheetName);
            break;
        case u'&':
            add(QStringLiteral("&"));
            break;
        case u'B':
            font_.bold = !font_.bold;
            break;
        case u'I':
            font_.italic = !font_.italic;
            break;
        case u'U':
            font_.underline = !font_.underline;
            break;
        case u'S':
            font_.strikeout = !font_.strikeout;
            break;
        case u'"':
            readFont();
            break;
        case u'K':
            at_ = std::min(text_.size(), at_ + kColorCodeLength);
            break;
        default:
            break;  // &X, &Y, &E, &O, &H, &Z, &G and unknown codes
        }
    }

    void readSize(QChar first)
    {
        double points = first.digitValue();
        while (at_ < text_.size() && text_[at_].isDigit()) {
            points = std::min(points * 10 + text_[at_].digitValue(), 1e6);
            ++at_;
        }
        font_.points = std::clamp(points, kMinHeaderPoints, kMaxHeaderPoints);
    }

    // &"Family,Style": "-" keeps the family; an unquoted end drops the rest.
    void readFont()
    {
        const qsizetype close = text_.indexOf(u'"', at_);
        const QString spec = text_.mid(at_, close < 0 ? -1 : close - at_);
        at_ = close < 0 ? text_.size() : close + 1;
        if (close < 0)
            return;
        const qsizetype comma = spec.indexOf(u',');
        const QString family = spec.left(comma).trimmed();
        if (!family.isEmpty() && family != QStringLiteral("-"))
            font_.family = family;
        if (comma >= 0) {
            const QString style = spec.mid(comma + 1).toLower();
            font_.bold = style.contains(QStringLiteral("bold"));
            font_.italic = style.contains(QStringLiteral("italic")) || style.contains(QStringLiteral("oblique"));
        }
    }

    void add(const QString& text)
    {
        if (text.isEmpty())
            return;
        std::vector<HeaderRun>& runs = lines_.back().runs;
        if (!runs.empty() && runs.back().font == font_)
            runs.back().text += text;
        else
            runs.push_back({text, font_});
    }

    void newLine()
    {
        lines_.back().points = lineSize(lines_.back());
        lines_.push_back({});
    }

    double lineSize(const HeaderLine& line) const
    {
        if (line.runs.empty())
            return font_.points;
        double points = 0;
        for (const HeaderRun& run : line.runs)
            points = std::max(points, run.font.points);
        return points;
    }

    void startSection(int section)
    {
        if (section_ >= 0)
            finishSection();
        section_ = section;
        font_ = values_.font;
        lines_ = print_[std::size_t(section)];
        if (lines_.empty())
            lines_.push_back({});
    }

    // Keeps the section's lines unless it printed nothing at all.
    void finishSection()
    {
        lines_.back().points = lineSize(lines_.back());
        const bool blank = lines_.size() == 1 && lines_.front().runs.empty();
        print_[std::size_t(section_)] = blank ? std::vector<HeaderLine>() : lines_;
    }

    const HeaderValues& values_;
    QString text_;
    qsizetype at_ = 0;
    HeaderPrint print_;
    int section_ = -1;
    std::vector<HeaderLine> lines_;  // the current section's
    HeaderFont font_;
};

}  // namespace

HeaderPrint readHeaderText(const QString& text, const HeaderValues& values)
{
    if (text.isEmpty())
        return {};
    return HeaderReader(values).read(text);
}

}  // namespace jubilo::spreadsheet::picture
