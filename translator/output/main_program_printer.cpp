// The script printer's main program: its Repeat loops become functions of their own, and For
// and While loops around a wait too; waits where it cannot be cut are awaited.
#include "translator/output/script_printer_parts.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "tables/command_types.h"
#include "tables/constant_table.h"
#include "vocabulary/statement_list.h"

namespace qc {

void ScriptPrinter::mainStatement(const Stmt& s) {
    LoopSegments& seg = *segments_;
    switch (s.kind) {
    case StmtKind::kRepeat:
        if (seg.atLevel()) return repeatAsLevel(s);
        break;
    case StmtKind::kWhile:
    case StmtKind::kFor:
        if (seg.atLevel() && (waits_.holdsCut(s, repeatsOpen_ > 0) || holdsResumePoint(s.body)))
            return s.kind == StmtKind::kWhile ? whileAsLevel(s) : forAsLevel(s);
        break;
    case StmtKind::kBreak:
        if (seg.level() > 0) return breakInMain(s);
        break;
    case StmtKind::kContinue:
        if (seg.level() == 0 || seg.insideScriptLoop()) break;
        if (!levelSteps_.back().empty()) write(levelSteps_.back());
        return seg.nextPass(line_);
    case StmtKind::kWith:
        // No block of the script: its statements are the level's own.
        return statements(s.body);
    case StmtKind::kLabel:
        // The loops around a label are levels of the program (they hold one), but ForEach
        // and a loop inside a Select stay loops of the script, with no continuation inside.
        if (seg.insideScriptLoop())
            return diag_.error(message::notSupported(line_, L"a label inside this loop"));
        return seg.label(s.name, line_);
    case StmtKind::kGoto:
        if (knownLabel(s)) seg.goTo(s.name, line_);
        return;
    case StmtKind::kGosub:
        if (seg.insideScriptLoop())
            return diag_.error(message::notSupported(line_, L"Gosub inside this loop"));
        if (knownLabel(s)) seg.goSub(s.name, L"QLCX_Gosubs.push", line_);
        return;
    case StmtKind::kGosubReturn:
        return seg.switchTo(L"QLCX_Return(QLCX_Gosubs)", line_);
    default:
        break;
    }
    // A Repeat's only expression is its test, which comes at its end.
    beforeWaits(s.kind == StmtKind::kRepeat ? Waits{} : waits_.ofStatement(s), true);
    bool block = s.kind == StmtKind::kWhile || s.kind == StmtKind::kFor ||
                 s.kind == StmtKind::kForEach || s.kind == StmtKind::kRepeat;
    if (block) seg.openBlock(s.kind == StmtKind::kRepeat);
    if (s.kind == StmtKind::kRepeat) ++repeatsOpen_;
    plainStatement(s);
    if (s.kind == StmtKind::kRepeat) --repeatsOpen_;
    if (block) seg.closeBlock();
    // A Delay in straight code: the rest runs once its time is over.
    if (seg.level() == 0 && seg.atLevel() && isDelayStatement(s)) seg.cut(std::nullopt, line_);
}

bool ScriptPrinter::holdsResumePoint(NodeRange body) const {
    for (std::uint32_t i = 0; i < body.count; ++i) {
        const Stmt& s = tree_.stmts[tree_.child(body, i)];
        if (s.kind == StmtKind::kLabel || s.kind == StmtKind::kGosub) return true;
        if (holdsResumePoint(s.body) || holdsResumePoint(s.clauses)) return true;
    }
    return false;
}

bool ScriptPrinter::knownLabel(const Stmt& s) {
    std::wstring scope = current_ != nullptr ? toLower(current_->name) : L"";
    std::wstring key = toLower(s.name);
    if (typed_.symbols.label(scope, key) != nullptr) return true;
    std::wstring jump = std::wstring(statementName(s.kind)) + L" " + std::wstring(s.name);
    if (!typed_.symbols.labelElsewhere(scope, key))
        diag_.error(message::atLine(line_, L"label not found: " + std::wstring(s.name)));
    else if (scope.empty())
        diag_.error(message::notSupported(line_, jump + L" into a procedure"));
    else
        diag_.error(message::notSupported(line_, jump + L" out of a procedure"));
    return false;
}

void ScriptPrinter::jumpsIntoLoops(const LoopSegments& segments) {
    for (const LoopSegments::Jump& j : segments.jumpsIntoLoops())
        diag_.error(message::notSupported(j.source, (j.gosub ? L"Gosub " : L"Goto ") + j.label +
                                                        L" into a loop"));
}

void ScriptPrinter::beforeWaits(const Waits& w, bool canCut) {
    if (segments_ == nullptr) return;
    LoopSegments& seg = *segments_;
    if (canCut && seg.atLevel() && (w.line || w.event)) {
        std::wstring call = L"QLCX_AskLine();";
        if (!w.line) {
            std::vector<NodeId> args;
            for (std::uint32_t k = 0; k < w.eventArgs.count; ++k)
                args.push_back(tree_.child(w.eventArgs, k));
            call = ex_.callText(L"awaitevent", args) + L";";
        }
        seg.cut(LoopLine{std::move(call), line_, false, {}}, line_);
        ex_.setWaitForm(WaitForm::kAsWritten);
        return;
    }
    ex_.setWaitForm(seg.insideScriptLoop() ? WaitForm::kAwaitAll : WaitForm::kAwaitEvents);
}

LoopLine ScriptPrinter::exitTest(const std::wstring& condition) {
    return loopLine(L"if(" + condition + L"){");
}

void ScriptPrinter::levelBody(const Stmt& s, std::wstring step) {
    levelSteps_.push_back(std::move(step));
    statements(s.body);
    levelSteps_.pop_back();
}

void ScriptPrinter::repeatAsLevel(const Stmt& s) {
    LoopSegments& seg = *segments_;
    bool tested = s.exprs.count > 0;
    ex_.setWaitForm(WaitForm::kAsWritten);
    seg.openLoop(tested ? std::optional(exitTest(ex_.condition(exprAt(s, 0)))) : std::nullopt,
                 line_);
    ++repeatsOpen_;
    levelBody(s, {});
    --repeatsOpen_;
    std::optional<LoopLine> test;
    if (tested) {
        line_ = tree_.exprs[exprAt(s, 0)].at.line;
        beforeWaits(waits_.ofExpression(exprAt(s, 0)), true);
        test = exitTest(ex_.condition(exprAt(s, 0)));
    }
    seg.closeLoop(test, line_);
}

void ScriptPrinter::whileAsLevel(const Stmt& s) {
    LoopSegments& seg = *segments_;
    NodeId c = exprAt(s, 0);
    beforeWaits(waits_.ofStatement(s), true);
    seg.openIf(loopLine(L"if(" + ex_.condition(c) + L"){"));
    ex_.setWaitForm(WaitForm::kAsWritten);
    seg.openLoop(exitTest(L"!(" + ex_.condition(c) + L")"), line_);
    levelBody(s, {});
    line_ = s.at.line;
    beforeWaits(waits_.ofStatement(s), true);
    seg.closeLoop(exitTest(L"!(" + ex_.condition(c) + L")"), line_);
    seg.endIf(loopLine(L"}"));
}

void ScriptPrinter::forAsLevel(const Stmt& s) {
    LoopSegments& seg = *segments_;
    beforeWaits(waits_.ofStatement(s), true);
    ForParts f;
    if (!forParts(s, f)) return;
    std::wstring past = f.test(false);
    std::wstring step = f.counter + f.step + L";";
    write(f.counter + L"=" + f.start + L";");
    seg.openIf(loopLine(L"if(" + f.test(true) + L"){"));
    seg.openLoop(exitTest(past), line_);
    levelBody(s, step);
    line_ = s.at.line;
    write(step);
    seg.closeLoop(exitTest(past), line_);
    seg.endIf(loopLine(L"}"));
}

void ScriptPrinter::breakInMain(const Stmt& s) {
    LoopSegments& seg = *segments_;
    int loops = s.exprs.count == 0 ? 1 : breakLevel(s);
    int script = static_cast<int>(loops_.size());
    if (loops >= 1 && loops <= script) return breakLoops(s);
    if (loops < 1 || loops - script > seg.openLoops())
        return diag_.error(
            message::notSupported(line_, L"Break " + std::wstring(tree_.exprs[exprAt(s, 0)].text)));
    if (script == 0) return seg.leaveLoop(line_, loops);
    write(seg.leaveLevels(loops - script));
    write(L"return 0;");
}

} // namespace qc
