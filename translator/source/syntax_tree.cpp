#include "translator/source/syntax_tree.h"

#include <mutex>

namespace qc {

namespace {

std::mutex longTextsLock;
// Views of texts too long for a NodeText's own bits; a deque, so a view read stays put while
// another thread adds one.
std::deque<std::wstring_view>& longTexts() {
    static std::deque<std::wstring_view> texts;
    return texts;
}

} // namespace

NodeText::NodeText(std::wstring_view text) {
    std::uint64_t address = reinterpret_cast<std::uintptr_t>(text.data());
    std::uint64_t place = address / sizeof(wchar_t);
    std::uint64_t length = text.size();
    if (length >= kLongText || (place >> (64 - kLengthBits)) != 0) {
        std::lock_guard<std::mutex> hold(longTextsLock);
        place = longTexts().size();
        longTexts().push_back(text);
        length = kLongText;
    }
    std::uint64_t bits = (place << kLengthBits) | length;
    low_ = static_cast<std::uint32_t>(bits);
    high_ = static_cast<std::uint32_t>(bits >> 32);
}

std::wstring_view NodeText::longText(std::uint64_t place) {
    std::lock_guard<std::mutex> hold(longTextsLock);
    return longTexts()[place];
}

std::wstring_view statementName(StmtKind kind) {
    switch (kind) {
    case StmtKind::kCall:
        return L"Call";
    case StmtKind::kAssign:
        return L"Assign";
    case StmtKind::kUpdate:
        return L"Update";
    case StmtKind::kIf:
        return L"If";
    case StmtKind::kElseIf:
        return L"ElseIf";
    case StmtKind::kElse:
        return L"Else";
    case StmtKind::kWhile:
        return L"While";
    case StmtKind::kRepeat:
        return L"Repeat";
    case StmtKind::kFor:
        return L"For";
    case StmtKind::kForEach:
        return L"ForEach";
    case StmtKind::kSelect:
        return L"Select";
    case StmtKind::kCase:
        return L"Case";
    case StmtKind::kDefault:
        return L"Default";
    case StmtKind::kProcedure:
        return L"Procedure";
    case StmtKind::kDeclare:
        return L"Declare";
    case StmtKind::kReturn:
        return L"Return";
    case StmtKind::kBreak:
        return L"Break";
    case StmtKind::kContinue:
        return L"Continue";
    case StmtKind::kDefine:
        return L"Define";
    case StmtKind::kVariable:
        return L"Variable";
    case StmtKind::kDim:
        return L"Dim";
    case StmtKind::kReDim:
        return L"ReDim";
    case StmtKind::kNewList:
        return L"NewList";
    case StmtKind::kNewMap:
        return L"NewMap";
    case StmtKind::kStructure:
        return L"Structure";
    case StmtKind::kUnion:
        return L"StructureUnion";
    case StmtKind::kDataSection:
        return L"DataSection";
    case StmtKind::kData:
        return L"Data";
    case StmtKind::kIncludeBinary:
        return L"IncludeBinary";
    case StmtKind::kInterface:
        return L"Interface";
    case StmtKind::kMethod:
        return L"Method";
    case StmtKind::kRead:
        return L"Read";
    case StmtKind::kRestore:
        return L"Restore";
    case StmtKind::kLabel:
        return L"Label";
    case StmtKind::kWith:
        return L"With";
    case StmtKind::kPrototype:
        return L"Prototype";
    case StmtKind::kEvaluate:
        return L"Evaluate";
    case StmtKind::kImport:
        return L"Import";
    case StmtKind::kImported:
        return L"Imported";
    case StmtKind::kGoto:
        return L"Goto";
    case StmtKind::kGosub:
        return L"Gosub";
    case StmtKind::kGosubReturn:
        return L"Return";
    case StmtKind::kFakeReturn:
        return L"FakeReturn";
    case StmtKind::kSwap:
        return L"Swap";
    case StmtKind::kError:
        return L"Error";
    }
    return L"?";
}

namespace {

class Describer {
public:
    explicit Describer(const SyntaxTree& tree) : tree_(tree) {}

    std::wstring run() {
        statements(tree_.program, 0);
        return std::move(out_);
    }

private:
    void statements(NodeRange range, int depth) {
        for (std::uint32_t i = 0; i < range.count; ++i) statement(tree_.child(range, i), depth);
    }

    void statement(NodeId id, int depth) {
        const Stmt& s = tree_.stmts[id];
        out_.append(static_cast<size_t>(depth) * 2, L' ');
        out_ += std::to_wstring(s.at.line) + L":" + std::to_wstring(s.at.column) + L" ";
        out_ += statementName(s.kind);
        if (!s.name.empty()) (out_ += L" ") += s.name;
        if (!s.suffix.empty()) (out_ += L" ") += s.suffix;
        if (s.op != nullptr) (out_ += L" ") += s.op->spelling;
        for (std::uint32_t i = 0; i < s.exprs.count; ++i) {
            out_ += L" ";
            expr(tree_.child(s.exprs, i));
        }
        out_ += L"\n";
        statements(s.body, depth + 1);
        statements(s.clauses, depth + 1);
    }

    void expr(NodeId id) {
        const Expr& e = tree_.exprs[id];
        switch (e.kind) {
        case ExprKind::kCall:
            (out_ += e.text) += e.suffix;
            out_ += L"(";
            children(e, 0, L"");
            out_ += L")";
            return;
        case ExprKind::kAddress:
            form(e, L"@");
            return;
        case ExprKind::kPointer:
            ((out_ += L"*") += e.text) += e.suffix;
            return;
        case ExprKind::kLabelAddress:
            (out_ += L"?") += e.text;
            return;
        case ExprKind::kField:
            form(e, std::wstring(L"\\") + std::wstring(e.text) + std::wstring(e.suffix));
            return;
        case ExprKind::kIndex:
            form(e, L"[]");
            return;
        case ExprKind::kRange:
            form(e, L"to");
            return;
        case ExprKind::kParameter:
            form(e, e.text.empty() ? L"param" : std::wstring(e.text));
            return;
        case ExprKind::kInvoke:
            form(e, L"invoke");
            return;
        case ExprKind::kUnary:
        case ExprKind::kBinary:
            form(e, std::wstring(e.op->spelling));
            return;
        case ExprKind::kError:
            out_ += L"<error>";
            return;
        default:
            (out_ += e.text) += e.suffix;
            return;
        }
    }

    void form(const Expr& e, const std::wstring& head) {
        out_ += L"(" + head;
        children(e, 0, L" ");
        out_ += L")";
    }

    void children(const Expr& e, std::uint32_t from, std::wstring_view lead) {
        for (std::uint32_t i = from; i < e.children.count; ++i) {
            if (i > from || !lead.empty()) out_ += L" ";
            expr(tree_.child(e.children, i));
        }
    }

    const SyntaxTree& tree_;
    std::wstring out_;
};

} // namespace

std::wstring describeTree(const SyntaxTree& tree) {
    return Describer(tree).run();
}

} // namespace qc
