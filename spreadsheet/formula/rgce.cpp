#include "spreadsheet/formula/rgce_p.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace jubilo::spreadsheet::formula {

namespace {

constexpr quint16 kRowRelative = 0x8000;
constexpr quint16 kColRelative = 0x4000;
constexpr quint8 kAttrChoose = 0x04;

void put8(QByteArray& out, quint8 v) { out.append(char(v)); }

void put16(QByteArray& out, quint16 v)
{
    put8(out, quint8(v & 0xFF));
    put8(out, quint8(v >> 8));
}

void putColumn(QByteArray& out, const CellOperand& c)
{
    put16(out, quint16(c.col) | (c.rowRelative ? kRowRelative : 0) | (c.colRelative ? kColRelative : 0));
}

bool needsWide(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; });
}

void putString(QByteArray& out, const QString& s, bool keptWide)
{
    const bool wide = keptWide || needsWide(s);
    put8(out, quint8(s.size()));
    put8(out, wide ? 1 : 0);
    for (const QChar c : s) {
        if (wide)
            put16(out, c.unicode());
        else
            put8(out, quint8(c.unicode()));
    }
}

class Reader {
public:
    explicit Reader(const QByteArray& b)
        : b_(b)
    {
    }
    bool atEnd() const { return pos_ >= b_.size(); }
    bool ok() const { return ok_; }
    quint8 u8()
    {
        if (!need(1))
            return 0;
        return quint8(b_[pos_++]);
    }
    quint16 u16()
    {
        const quint8 lo = u8();
        return quint16(lo | (u8() << 8));
    }
    double f64()
    {
        if (!need(8))
            return 0;
        const double v = qFromLittleEndian<double>(b_.constData() + pos_);
        pos_ += 8;
        return v;
    }
    QByteArray bytes(qsizetype n)
    {
        if (!need(n))
            return {};
        const QByteArray out = b_.mid(pos_, n);
        pos_ += n;
        return out;
    }
    void skip(qsizetype n)
    {
        if (need(n))
            pos_ += n;
    }

private:
    bool need(qsizetype n)
    {
        ok_ = ok_ && pos_ + n <= b_.size();
        return ok_;
    }
    const QByteArray& b_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

CellOperand readCell(quint16 row, quint16 col)
{
    return {row, col & 0xFF, (col & kRowRelative) != 0, (col & kColRelative) != 0};
}

QString readString(Reader& r, bool& wide)
{
    const quint8 n = r.u8();
    wide = r.u8() & 1;
    QString s;
    for (int i = 0; i < n && r.ok(); ++i)
        s += QChar(wide ? r.u16() : r.u8());
    return s;
}

bool isErrorCode(quint8 code)
{
    for (const auto e : {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref, ErrorCode::Name,
                         ErrorCode::Num, ErrorCode::NA})
        if (code == quint8(e))
            return true;
    return false;
}

// Reads one token's payload; false for ids this engine does not know. Ids
// have seven bits; one with the eighth set is no token at all.
bool readPayload(Reader& r, Token& t)
{
    if (t.id >= 0x80)
        return false;
    switch (t.base()) {
    case ptg::Str: {
        bool wide = false;
        t.text = readString(r, wide);
        t.wideText = wide && !needsWide(t.text);
        return true;
    }
    case ptg::Attr:
        t.attr = r.u8();
        t.data = r.u16();
        if (t.attr & kAttrChoose)
            t.jumps = r.bytes((qsizetype(t.data) + 1) * 2);
        return true;
    case ptg::Err:  // a code no error has would become a cell value no cell holds
        t.code = r.u8();
        return isErrorCode(t.code);
    case ptg::Bool:
        t.code = r.u8();
        return true;
    case ptg::Int:
        t.data = r.u16();
        return true;
    case ptg::Num:
        t.number = r.f64();
        return true;
    case ptg::Func:
        t.data = r.u16();
        return true;
    case ptg::FuncVar:
        t.argCount = r.u8();
        t.data = r.u16();
        return true;
    case ptg::Ref: {
        const quint16 row = r.u16();
        t.first = readCell(row, r.u16());
        return true;
    }
    case ptg::Area: {
        const quint16 row1 = r.u16(), row2 = r.u16(), col1 = r.u16(), col2 = r.u16();
        t.first = readCell(row1, col1);
        t.last = readCell(row2, col2);
        return true;
    }
    case ptg::RefErr:
        r.skip(4);
        return true;
    case ptg::AreaErr:
        r.skip(8);
        return true;
    default:
        return t.id >= ptg::Add && t.id <= ptg::MissArg;
    }
}

}  // namespace

QByteArray encodeRgce(const Tokens& tokens)
{
    QByteArray out;
    for (const Token& t : tokens) {
        put8(out, t.id);
        switch (t.base()) {
        case ptg::Str:
            putString(out, t.text, t.wideText);
            break;
        case ptg::Attr:
            put8(out, t.attr);
            put16(out, t.data);
            out.append(t.jumps);
            break;
        case ptg::Err:
        case ptg::Bool:
            put8(out, t.code);
            break;
        case ptg::Int:
            put16(out, t.data);
            break;
        case ptg::Num: {
            char bytes[8];
            qToLittleEndian(t.number, bytes);
            out.append(bytes, 8);
            break;
        }
        case ptg::Func:
            put16(out, t.data);
            break;
        case ptg::FuncVar:
            put8(out, t.argCount);
            put16(out, t.data);
            break;
        case ptg::Ref:
            put16(out, quint16(t.first.row));
            putColumn(out, t.first);
            break;
        case ptg::Area:
            put16(out, quint16(t.first.row));
            put16(out, quint16(t.last.row));
            putColumn(out, t.first);
            putColumn(out, t.last);
            break;
        case ptg::RefErr:
            out.append(4, '\0');
            break;
        case ptg::AreaErr:
            out.append(8, '\0');
            break;
        default:
            break;
        }
    }
    return out;
}

std::optional<Tokens> decodeRgce(const QByteArray& bytes)
{
    Reader r(bytes);
    Tokens tokens;
    while (!r.atEnd()) {
        Token t;
        t.id = r.u8();
        if (!readPayload(r, t) || !r.ok())
            return std::nullopt;
        tokens.push_back(std::move(t));
    }
    return tokens;
}

}  // namespace jubilo::spreadsheet::formula
