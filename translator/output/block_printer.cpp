// The script printer's blocks: If, Select as a chain of conditions, Repeat, For, and Break
// with a level through labels of the loops it leaves.
#include "translator/output/script_printer_parts.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "tables/command_types.h"
#include "tables/constant_table.h"
#include "vocabulary/statement_list.h"

namespace qc {

void ScriptPrinter::ifBlock(const Stmt& s) {
    blockLine(L"if(" + ex_.condition(exprAt(s, 0)) + L"){", BlockLine::kIf);
    statements(s.body);
    for (std::uint32_t i = 0; i < s.clauses.count; ++i) {
        const Stmt& c = tree_.stmts[tree_.child(s.clauses, i)];
        line_ = c.at.line;
        if (c.kind == StmtKind::kElseIf) {
            beforeWaits(waits_.ofStatement(c), false);
            blockLine(L"}else if(" + ex_.condition(exprAt(c, 0)) + L"){", BlockLine::kBranch);
        } else {
            blockLine(L"}else{", BlockLine::kElse);
        }
        statements(c.body);
    }
    blockLine(L"}", BlockLine::kEndIf);
}

void ScriptPrinter::selectBlock(const Stmt& s) {
    NodeId subject = exprAt(s, 0);
    const Expr& e = tree_.exprs[subject];
    std::wstring tested;
    if (e.kind == ExprKind::kName && ex_.heapVariable(subject) == nullptr) {
        tested = ex_.variableName(subject);
    } else {
        tested = L"qlcxselect" + std::to_wstring(++selects_);
        write(L"var " + tested + L"=" + ex_.value(subject, false).text + L";");
    }
    std::wstring opener = L"if(";
    bool any = false;
    for (std::uint32_t i = 0; i < s.clauses.count; ++i) {
        const Stmt& c = tree_.stmts[tree_.child(s.clauses, i)];
        line_ = c.at.line;
        BlockLine kind = any ? BlockLine::kCase : BlockLine::kSelect;
        if (c.kind == StmtKind::kDefault) {
            blockLine(any ? L"}else{" : L"{", kind);
        } else {
            blockLine(opener + caseCondition(c, tested) + L"){", kind);
            opener = L"}else if(";
        }
        any = true;
        statements(c.body);
    }
    if (any) blockLine(L"}", BlockLine::kEndSelect);
}

std::wstring ScriptPrinter::caseCondition(const Stmt& c, const std::wstring& tested) {
    std::wstring condition;
    for (std::uint32_t k = 0; k < c.exprs.count; ++k) {
        if (k > 0) condition += L"||";
        const Expr& v = tree_.exprs[exprAt(c, k)];
        if (v.kind == ExprKind::kRange) {
            condition += L"(" + tested + L">=" + bound(ex_.number(tree_.child(v.children, 0)), 10) +
                         L"&&" + tested + L"<=" +
                         bound(ex_.number(tree_.child(v.children, 1)), 10) + L")";
        } else {
            condition += tested + L"==" + bound(ex_.number(exprAt(c, k)), 9);
        }
    }
    return condition;
}

void ScriptPrinter::repeatBlock(const Stmt& s) {
    if (s.exprs.count == 0) {
        write(loopLabel(s) + L"for(;;){");
        return closeBody(s);
    }
    write(loopLabel(s) + L"do{");
    enterLoop();
    statements(s.body);
    loops_.pop_back();
    line_ = tree_.exprs[exprAt(s, 0)].at.line;
    beforeWaits(waits_.ofExpression(exprAt(s, 0)), false);
    write(L"}while(!(" + ex_.condition(exprAt(s, 0)) + L"));");
}

bool ScriptPrinter::forParts(const Stmt& s, ForParts& parts) {
    NodeId counter = exprAt(s, 0);
    // A head that did not read was reported where it was read.
    if (tree_.exprs[counter].kind == ExprKind::kError) return false;
    if (tree_.exprs[counter].kind != ExprKind::kName) {
        ex_.unsupported(L"a For place other than a variable");
        return false;
    }
    if (ex_.heapVariable(counter) != nullptr) {
        ex_.unsupported(L"a For counter whose address is taken");
        return false;
    }
    ValueType type = typed_.variableOf(counter)->type;
    parts.counter = ex_.variableName(counter);
    // A ".f" counter holds single precision after each step too.
    bool single = type.kind == ValueKind::kFloat && type.width == L'f';
    std::wstring step = L"1";
    if (s.exprs.count > 3) {
        NodeId stepId = exprAt(s, 3);
        const Expr& e = tree_.exprs[stepId];
        parts.down = e.kind == ExprKind::kUnary && e.op->kind == OperatorClass::kMinus &&
                     tree_.exprs[tree_.child(e.children, 0)].kind == ExprKind::kNumber;
        if (!parts.down && e.kind != ExprKind::kNumber)
            parts.sign = bound(ex_.number(stepId), kScriptAtom);
        step = ex_.stored(stepId, type);
    }
    if (single)
        parts.step = L"=Math.fround(" + parts.counter + L"+(" + step + L"))";
    else
        parts.step = s.exprs.count > 3 ? L"+=" + step : L"++";
    parts.start = ex_.stored(exprAt(s, 1), type);
    parts.bound = ex_.value(exprAt(s, 2), false).text;
    return true;
}

void ScriptPrinter::forBlock(const Stmt& s) {
    ForParts f;
    if (!forParts(s, f)) {
        if (tree_.exprs[exprAt(s, 0)].kind != ExprKind::kError) return;
        // A head that did not read was reported; the body still runs, once, so that its own
        // faults are found too, and a Break in it still has a loop to leave.
        write(loopLabel(s) + L"do{");
        enterLoop();
        statements(s.body);
        loops_.pop_back();
        return write(L"}while(false);");
    }
    write(loopLabel(s) + L"for(" + f.counter + L"=" + f.start + L";" + f.test(true) + L";" +
          f.counter + f.step + L"){");
    closeBody(s);
}

void ScriptPrinter::closeBody(const Stmt& s) {
    bool loop = s.kind == StmtKind::kWhile || s.kind == StmtKind::kRepeat ||
                s.kind == StmtKind::kFor || s.kind == StmtKind::kForEach;
    if (loop) enterLoop();
    statements(s.body);
    if (loop) loops_.pop_back();
    write(L"}");
}

std::wstring ScriptPrinter::loopLabel(const Stmt& loop) {
    pendingLabel_.clear();
    if (!leftFromInside(loop.body, 1)) return {};
    pendingLabel_ = L"qlcxloop" + std::to_wstring(++labels_);
    return pendingLabel_ + L":";
}

void ScriptPrinter::enterLoop() {
    loops_.push_back(pendingLabel_);
    pendingLabel_.clear();
    // A task gives the page and the other tasks their turn at each pass once its time is up.
    if (current_ != nullptr &&
        waiting_[static_cast<size_t>(current_ - typed_.procedures.data())] == 2)
        write(L"if(QLCX_TaskSlice()){" + ex_.resumed(L"await QLCX_TaskYield()") + L";}");
}

bool ScriptPrinter::leftFromInside(NodeRange range, int depth) const {
    for (std::uint32_t i = 0; i < range.count; ++i) {
        const Stmt& s = tree_.stmts[tree_.child(range, i)];
        if (s.kind == StmtKind::kBreak && s.exprs.count > 0 && depth > 1 && breakLevel(s) == depth)
            return true;
        bool loop = s.kind == StmtKind::kWhile || s.kind == StmtKind::kRepeat ||
                    s.kind == StmtKind::kFor || s.kind == StmtKind::kForEach;
        if (leftFromInside(s.body, depth + (loop ? 1 : 0))) return true;
        for (std::uint32_t k = 0; k < s.clauses.count; ++k)
            if (leftFromInside(tree_.stmts[tree_.child(s.clauses, k)].body, depth)) return true;
    }
    return false;
}

int ScriptPrinter::breakLevel(const Stmt& s) const {
    const Expr& e = tree_.exprs[tree_.child(s.exprs, 0)];
    if (e.kind != ExprKind::kNumber || e.text.size() > 3) return -1;
    return std::stoi(std::wstring(e.text));
}

void ScriptPrinter::breakLoops(const Stmt& s) {
    int level = s.exprs.count == 0 ? 1 : breakLevel(s);
    if (level < 1 || static_cast<size_t>(level) > loops_.size()) {
        if (level == 1) return diag_.error(message::withoutEnd(line_, L"Break", L"loop"));
        std::wstring written(tree_.exprs[exprAt(s, 0)].text);
        return diag_.error(message::notSupported(line_, L"Break " + written));
    }
    if (level == 1) return write(L"break;");
    write(L"break " + loops_[loops_.size() - static_cast<size_t>(level)] + L";");
}

void ScriptPrinter::blockLine(std::wstring text, BlockLine kind) {
    if (segments_ == nullptr) return write(std::move(text));
    LoopLine line = loopLine(std::move(text));
    switch (kind) {
    case BlockLine::kIf:
        return segments_->openIf(std::move(line));
    case BlockLine::kBranch:
    case BlockLine::kElse:
        return segments_->nextBranch(std::move(line), kind == BlockLine::kElse);
    case BlockLine::kEndIf:
        return segments_->endIf(std::move(line));
    case BlockLine::kSelect:
        return segments_->openSelect(std::move(line));
    case BlockLine::kCase:
        return segments_->nextCase(std::move(line));
    case BlockLine::kEndSelect:
        return segments_->endSelect(std::move(line));
    }
}

} // namespace qc
