#include "spreadsheet/formula/parser_p.h"

#include "spreadsheet/formula/functions_p.h"

#include <array>
#include <cmath>

namespace jubilo::spreadsheet::formula {

namespace {

constexpr qsizetype kMaxStringLength = 255;  // PtgStr holds a one-byte length
constexpr qsizetype kMaxFormulaLength = 8192;
constexpr int kMaxNesting = 100;  // parentheses, calls and signs inside one another

struct BinaryOp {
    const char* text;
    quint8 id;
};

// Operator levels, loosest first.
const std::array<std::vector<BinaryOp>, 5> kLevels{{
    {{"<=", ptg::LE}, {">=", ptg::GE}, {"<>", ptg::NE}, {"<", ptg::LT}, {">", ptg::GT}, {"=", ptg::EQ}},
    {{"&", ptg::Concat}},
    {{"+", ptg::Add}, {"-", ptg::Sub}},
    {{"*", ptg::Mul}, {"/", ptg::Div}},
    {{"^", ptg::Power}},
}};

// One side of an R1C1 reference: absent, absolute (R3) or relative (R[-1], R).
struct Axis {
    bool present = false;
    bool relative = false;
    int value = 0;  // the number, or the offset when relative
};

struct RefText {
    Axis row;
    Axis col;
};

class Parser {
public:
    Parser(QStringView text, CellPos at)
        : s_(text)
        , at_(at)
    {
    }

    std::optional<Tokens> run()
    {
        if (s_.size() > kMaxFormulaLength)
            return std::nullopt;
        expression(0);
        skipSpaces();
        if (failed_ || i_ != s_.size() || out_.empty())
            return std::nullopt;
        return std::move(out_);
    }

private:
    void fail() { failed_ = true; }
    void skipSpaces()
    {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
    }
    QChar peek(qsizetype ahead = 0) const { return i_ + ahead < s_.size() ? s_[i_ + ahead] : QChar(); }
    bool take(QChar c)
    {
        skipSpaces();
        if (peek() != c)
            return false;
        ++i_;
        return true;
    }
    bool takeText(const char* text)
    {
        const auto n = qsizetype(qstrlen(text));
        if (s_.mid(i_, n) != QLatin1String(text, n))
            return false;
        i_ += n;
        return true;
    }

    void expression(std::size_t level)
    {
        if (failed_)
            return;
        if (level == kLevels.size()) {
            percent();
            return;
        }
        expression(level + 1);
        for (bool more = true; more && !failed_;) {
            skipSpaces();
            more = false;
            for (const BinaryOp& op : kLevels[level]) {
                if (takeText(op.text)) {
                    expression(level + 1);
                    out_.push_back(Token::op(op.id));
                    more = true;
                    break;
                }
            }
        }
    }

    void percent()
    {
        unary();
        while (!failed_ && take(u'%'))
            out_.push_back(Token::op(ptg::Percent));
    }

    // Deep nesting is refused rather than allowed to exhaust the stack.
    struct Nesting {
        Parser& p;
        explicit Nesting(Parser& parser)
            : p(parser)
        {
            if (++p.depth_ > kMaxNesting)
                p.fail();
        }
        ~Nesting() { --p.depth_; }
    };

    void unary()
    {
        const Nesting nesting(*this);
        if (failed_)
            return;
        skipSpaces();
        if (take(u'-')) {
            unary();
            out_.push_back(Token::op(ptg::Uminus));
        } else if (take(u'+')) {
            unary();
            out_.push_back(Token::op(ptg::Uplus));
        } else {
            primary();
        }
    }

    void primary()
    {
        skipSpaces();
        const QChar c = peek();
        if (c == u'(') {
            ++i_;
            expression(0);
            if (!take(u')'))
                return fail();
            out_.push_back(Token::op(ptg::Paren));
        } else if (c == u'"') {
            stringLiteral();
        } else if (c.isDigit() || c == u'.') {
            numberLiteral();
        } else if (c == u'#') {
            errorLiteral();
        } else if (c.isLetter() || c == u'_') {
            if (!reference())
                name();
        } else {
            fail();
        }
    }

    void stringLiteral()
    {
        QString text;
        for (++i_;; ++i_) {
            if (i_ >= s_.size())
                return fail();
            if (s_[i_] == u'"') {
                if (peek(1) != u'"')
                    break;
                ++i_;
            }
            text += s_[i_];
        }
        ++i_;
        if (text.size() > kMaxStringLength)
            return fail();
        out_.push_back(Token::str(text));
    }

    void numberLiteral()
    {
        const qsizetype start = i_;
        while (peek().isDigit())
            ++i_;
        if (peek() == u'.')
            for (++i_; peek().isDigit(); ++i_) {}
        if ((peek() == u'E' || peek() == u'e')
            && (peek(1).isDigit() || ((peek(1) == u'+' || peek(1) == u'-') && peek(2).isDigit())))
            for (i_ += 2; peek().isDigit(); ++i_) {}
        bool ok = false;
        const double v = s_.mid(start, i_ - start).toString().toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return fail();
        if (v == std::floor(v) && v >= 0 && v <= 65535)
            out_.push_back(Token::integer(quint16(v)));
        else
            out_.push_back(Token::num(v));
    }

    void errorLiteral()
    {
        for (const auto code : {ErrorCode::Div0, ErrorCode::NA, ErrorCode::Name, ErrorCode::Null, ErrorCode::Num,
                                ErrorCode::Ref, ErrorCode::Value}) {
            const QString text = errorText(code);
            if (s_.mid(i_, text.size()).compare(text, Qt::CaseInsensitive) == 0) {
                i_ += text.size();
                out_.push_back(Token::error(code));
                return;
            }
        }
        fail();
    }

    // R, R3, R[-1]; likewise C. `count` is how many rows or columns the
    // grid has: a number or an offset no cell could reach is refused.
    bool axis(QChar letter, int count, Axis& a)
    {
        if (peek().toUpper() != letter)
            return true;
        ++i_;
        a.present = true;
        if (peek() == u'[') {
            const qsizetype close = s_.indexOf(u']', i_);
            bool ok = false;
            a.value = close < 0 ? 0 : s_.mid(i_ + 1, close - i_ - 1).toInt(&ok);
            if (!ok || a.value < 1 - count || a.value > count - 1)
                return false;
            a.relative = true;
            i_ = close + 1;
        } else if (peek().isDigit()) {
            const qsizetype start = i_;
            while (peek().isDigit())
                ++i_;
            a.value = s_.mid(start, i_ - start).toInt();
            if (a.value < 1 || a.value > count)
                return false;
        } else {
            a.relative = true;  // bare R or C: this row or column
        }
        return true;
    }

    static bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.'; }

    std::optional<RefText> refText()
    {
        const qsizetype start = i_;
        RefText r;
        const bool ok = axis(u'R', kRowCount, r.row) && axis(u'C', kColumnCount, r.col);
        if (!ok) {
            fail();  // R0, C999 or an offset off any grid
            return std::nullopt;
        }
        if ((r.row.present || r.col.present) && !isNameChar(peek()) && peek() != u'(')
            return r;
        i_ = start;
        return std::nullopt;
    }

    // A grid position from one axis; nothing when it falls off the grid.
    std::optional<int> resolve(const Axis& a, int here, int last) const
    {
        const int v = a.relative ? here + a.value : a.value - 1;
        if (v < 0 || v > last)
            return std::nullopt;
        return v;
    }

    bool reference()
    {
        const auto first = refText();
        if (!first)
            return false;
        RefText second = *first;
        skipSpaces();
        const qsizetype beforeColon = i_;
        const bool isArea = take(u':');
        if (isArea) {
            skipSpaces();
            const auto other = refText();
            if (!other || other->row.present != first->row.present || other->col.present != first->col.present) {
                i_ = beforeColon;
                fail();
                return true;
            }
            second = *other;
        }
        emitReference(*first, second, isArea || !first->row.present || !first->col.present);
        return true;
    }

    void emitReference(const RefText& a, const RefText& b, bool area)
    {
        CellOperand p{0, 0, a.row.relative, a.col.relative};
        CellOperand q{kLastRow, kLastColumn, b.row.relative, b.col.relative};
        bool onGrid = true;
        const auto place = [&](const Axis& axis, int here, int last, int& into) {
            if (!axis.present)
                return;
            const auto v = resolve(axis, here, last);
            onGrid = onGrid && v.has_value();
            into = v.value_or(0);
        };
        place(a.row, at_.row, kLastRow, p.row);
        place(a.col, at_.col, kLastColumn, p.col);
        place(b.row, at_.row, kLastRow, q.row);
        place(b.col, at_.col, kLastColumn, q.col);
        if (!a.row.present)
            p.row = 0, q.row = kLastRow;
        if (!a.col.present)
            p.col = 0, q.col = kLastColumn;
        if (!area)
            out_.push_back(onGrid ? Token::ref(OperandClass::Value, p) : Token::refError(OperandClass::Value));
        else
            out_.push_back(onGrid ? Token::area(OperandClass::Value, p, q) : Token::areaError(OperandClass::Value));
    }

    void name()
    {
        const qsizetype start = i_;
        while (isNameChar(peek()))
            ++i_;
        const QStringView id = s_.mid(start, i_ - start);
        skipSpaces();
        if (peek() == u'(') {
            call(id);
        } else if (id.compare(u"TRUE", Qt::CaseInsensitive) == 0 || id.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
            out_.push_back(Token::boolean(id.size() == 4));
        } else {
            out_.push_back(Token::error(ErrorCode::Name));  // no defined names exist
        }
    }

    void call(QStringView id)
    {
        ++i_;  // '('
        const std::size_t mark = out_.size();
        int args = 0;
        if (!take(u')')) {
            do {
                skipSpaces();
                if (peek() == u',' || peek() == u')')
                    out_.push_back(Token::op(ptg::MissArg));
                else
                    expression(0);
                ++args;
            } while (!failed_ && take(u','));
            if (!take(u')'))
                return fail();
        }
        const FunctionInfo* f = functionByName(id);
        if (!f) {
            out_.resize(mark);
            out_.push_back(Token::error(ErrorCode::Name));
            return;
        }
        if (args < f->minArgs || args > f->maxArgs)
            return fail();
        if (f->fixedArity())
            out_.push_back(Token::func(OperandClass::Value, f->index));
        else if (f->index == kSumIndex && args == 1)
            out_.push_back(Token::attrSum());
        else
            out_.push_back(Token::funcVar(OperandClass::Value, f->index, quint8(args)));
    }

    QStringView s_;
    CellPos at_;
    qsizetype i_ = 0;
    bool failed_ = false;
    int depth_ = 0;
    Tokens out_;
};

}  // namespace

std::optional<Tokens> parseR1C1(QStringView text, CellPos at)
{
    auto tokens = Parser(text, at).run();
    if (tokens)
        assignOperandClasses(*tokens);
    return tokens;
}

}  // namespace jubilo::spreadsheet::formula
