// Operand classes: the file format marks each reference and function token
// as reference-, value- or array-class according to what its parent
// expects. The parser emits every token as value class and this pass
// rebuilds the expression tree from the reverse Polish order to fix them.

#include "spreadsheet/formula/functions_p.h"
#include "spreadsheet/formula/parser_p.h"

namespace jubilo::spreadsheet::formula {

namespace {

quint8 withClass(quint8 id, OperandClass c) { return quint8((id & 0x1F) | quint8(c)); }

struct Node {
    std::vector<std::size_t> children;
};

void assign(Tokens& tokens, const std::vector<Node>& nodes, std::size_t at, OperandClass want)
{
    Token& t = tokens[at];
    const quint8 base = t.base();
    const bool isRef = base == ptg::Ref || base == ptg::Area || base == ptg::RefErr || base == ptg::AreaErr;
    const FunctionInfo* f = (base == ptg::Func || base == ptg::FuncVar) ? functionByIndex(t.data) : nullptr;
    if (isRef)
        t.id = withClass(t.id, want == OperandClass::Reference ? OperandClass::Reference : OperandClass::Value);
    if (f)
        t.id = withClass(t.id,
                         f->returnsReference && want == OperandClass::Reference ? OperandClass::Reference
                                                                                : OperandClass::Value);
    const auto& kids = nodes[at].children;
    for (std::size_t k = 0; k < kids.size(); ++k) {
        OperandClass childWant = OperandClass::Value;
        if (f)
            childWant = f->paramClass(int(k));
        else if (base == ptg::Paren)
            childWant = want;
        else if (base == ptg::Attr)
            childWant = OperandClass::Reference;  // the lone argument of SUM
        assign(tokens, nodes, kids[k], childWant);
    }
}

}  // namespace

int tokenArity(const Token& t)
{
    switch (t.base()) {
    case ptg::Add:
    case ptg::Sub:
    case ptg::Mul:
    case ptg::Div:
    case ptg::Power:
    case ptg::Concat:
    case ptg::LT:
    case ptg::LE:
    case ptg::EQ:
    case ptg::GE:
    case ptg::GT:
    case ptg::NE:
    case ptg::Isect:
    case ptg::Union:
    case ptg::Range:
        return 2;
    case ptg::Uplus:
    case ptg::Uminus:
    case ptg::Percent:
    case ptg::Paren:
        return 1;
    case ptg::Attr:
        return (t.attr & kAttrSum) ? 1 : 0;
    case ptg::MissArg:
    case ptg::Str:
    case ptg::Err:
    case ptg::Bool:
    case ptg::Int:
    case ptg::Num:
    case ptg::Ref:
    case ptg::Area:
    case ptg::RefErr:
    case ptg::AreaErr:
        return 0;
    case ptg::Func: {
        const FunctionInfo* f = functionByIndex(t.data);
        return f ? f->minArgs : -1;
    }
    case ptg::FuncVar:
        return t.argCount & 0x7F;
    default:
        return -1;
    }
}

void assignOperandClasses(Tokens& tokens)
{
    std::vector<Node> nodes(tokens.size());
    std::vector<std::size_t> stack;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const int arity = tokenArity(tokens[i]);
        if (arity < 0 || std::size_t(arity) > stack.size())
            return;  // not a tree we can walk; leave the classes as they are
        nodes[i].children.assign(stack.end() - arity, stack.end());
        stack.resize(stack.size() - arity);
        stack.push_back(i);
    }
    if (stack.size() == 1)
        assign(tokens, nodes, stack.back(), OperandClass::Value);
}

}  // namespace jubilo::spreadsheet::formula
