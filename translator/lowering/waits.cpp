#include "translator/lowering/waits.h"

#include "common/text.h"

namespace qc {
namespace {

struct WaitingCommand {
    std::wstring_view command;
    std::wstring_view awaited;
    bool delays; // Delay, FlipBuffers
};

constexpr WaitingCommand kWaitingCommands[] = {{L"waitwindowevent", L"awaitnextevent", false},
                                               {L"input", L"awaitinput", false},
                                               {L"delay", L"awaitdelay", true},
                                               {L"flipbuffers", L"awaitflip", true},
                                               {L"waitthread", L"awaitthread", false},
                                               {L"lockmutex", L"awaitmutex", false},
                                               {L"waitsemaphore", L"awaitsemaphore", false}};

// "CreateThread(@Worker(), 5)": the procedure that becomes a task, or -1.
int startedTask(const SyntaxTree& tree, const TypedTree& typed, const Expr& e) {
    if (e.kind != ExprKind::kCall || !equalsIgnoreCase(e.text, L"createthread") ||
        e.children.count == 0)
        return -1;
    const Expr& address = tree.expr(e.children, 0);
    if (address.kind != ExprKind::kAddress) return -1;
    const Procedure* p = typed.procedureNamed(tree.expr(address.children, 0).text);
    return p == nullptr ? -1 : static_cast<int>(p - typed.procedures.data());
}

bool isLoop(const Stmt& s) {
    return s.kind == StmtKind::kWhile || s.kind == StmtKind::kRepeat || s.kind == StmtKind::kFor ||
           s.kind == StmtKind::kForEach;
}

bool holdsLoop(const SyntaxTree& tree, NodeRange range) {
    for (std::uint32_t i = 0; i < range.count; ++i) {
        const Stmt& s = tree.stmts[tree.child(range, i)];
        if (isLoop(s) || holdsLoop(tree, s.body) || holdsLoop(tree, s.clauses)) return true;
    }
    return false;
}

bool isWaitingCommand(std::wstring_view name) {
    return !awaitedForm(name, true).empty();
}

// Every expression node of a statement and of the statements inside it, with the statement
// calls ("Delay(10)" as a statement) as their names.
template <typename OnExpr, typename OnCall>
void visitStatements(const SyntaxTree& tree, NodeRange range, OnExpr onExpr, OnCall onCall) {
    for (std::uint32_t i = 0; i < range.count; ++i) {
        const Stmt& s = tree.stmts[tree.child(range, i)];
        if (s.kind == StmtKind::kCall) onCall(s.name);
        for (std::uint32_t k = 0; k < s.exprs.count; ++k) onExpr(tree.child(s.exprs, k));
        visitStatements(tree, s.body, onExpr, onCall);
        visitStatements(tree, s.clauses, onExpr, onCall);
    }
}

} // namespace

std::wstring_view awaitedForm(std::wstring_view command, bool delaysToo) {
    for (const WaitingCommand& wait : kWaitingCommands)
        if ((delaysToo || !wait.delays) && equalsIgnoreCase(command, wait.command))
            return wait.awaited;
    return {};
}

std::vector<char> findWaitingProcedures(const SyntaxTree& tree, const TypedTree& typed) {
    size_t count = typed.procedures.size();
    std::vector<char> waiting(count, 0);
    std::vector<std::vector<int>> callers(count); // by callee
    std::vector<std::vector<int>> callees(count); // by caller
    for (size_t p = 0; p < count; ++p) {
        NodeId head = typed.procedures[p].statement;
        if (head == kNoNode) continue;
        auto called = [&](std::wstring_view name, int callee) {
            if (callee < 0 && isWaitingCommand(name)) waiting[p] = 1;
            if (callee >= 0 && static_cast<size_t>(callee) != p) {
                callers[static_cast<size_t>(callee)].push_back(static_cast<int>(p));
                callees[p].push_back(callee);
            }
        };
        std::vector<NodeId> open;
        auto onExpr = [&](NodeId id) { open.push_back(id); };
        auto onCall = [&](std::wstring_view name) {
            const Procedure* callee = typed.procedureNamed(name);
            called(name,
                   callee != nullptr ? static_cast<int>(callee - typed.procedures.data()) : -1);
        };
        visitStatements(tree, tree.stmts[head].body, onExpr, onCall);
        while (!open.empty()) {
            NodeId id = open.back();
            open.pop_back();
            const Expr& e = tree.exprs[id];
            if (e.kind == ExprKind::kAddress) continue; // "@Name()" hands it over, calls nothing
            if (e.kind == ExprKind::kCall)
                called(e.text, id < typed.callee.size() ? typed.callee[id] : -1);
            for (std::uint32_t k = 0; k < e.children.count; ++k)
                open.push_back(tree.child(e.children, k));
        }
    }
    // A procedure started as a task waits: its loops give the others their turn. So do the
    // loops of the procedures it calls, unless that would make a procedure wait that is called
    // through its address (a prototype, a method, a bound event, whose caller could not wait
    // for it) or that a task does not call: every procedure that calls it, however far up,
    // must be one a task calls, whose address is not taken.
    std::vector<char> addressed(count, 0);
    std::vector<int> tasks;
    for (size_t id = 0; id < tree.exprs.size(); ++id) {
        const Expr& e = tree.exprs[id];
        if (int task = startedTask(tree, typed, e); task >= 0) {
            waiting[static_cast<size_t>(task)] = 2;
            tasks.push_back(task);
        } else if (e.kind == ExprKind::kAddress && e.children.count > 0) {
            const Procedure* p = typed.procedureNamed(tree.expr(e.children, 0).text);
            if (p != nullptr) addressed[static_cast<size_t>(p - typed.procedures.data())] = 1;
        }
    }
    std::vector<char> reached(count, 0);
    std::vector<int> helpers;
    for (int task : tasks) reached[static_cast<size_t>(task)] = 1;
    while (!tasks.empty()) {
        size_t caller = static_cast<size_t>(tasks.back());
        tasks.pop_back();
        for (int callee : callees[caller]) {
            size_t c = static_cast<size_t>(callee);
            if (reached[c]) continue;
            reached[c] = 1;
            tasks.push_back(callee);
            NodeId head = typed.procedures[c].statement;
            if (head != kNoNode && holdsLoop(tree, tree.stmts[head].body))
                helpers.push_back(callee);
        }
    }
    for (int helper : helpers) {
        if (waiting[static_cast<size_t>(helper)] == 2) continue; // a task itself
        std::vector<char> seen(count, 0);
        std::vector<int> up{helper};
        bool safe = true;
        seen[static_cast<size_t>(helper)] = 1;
        while (safe && !up.empty()) {
            size_t p = static_cast<size_t>(up.back());
            up.pop_back();
            if (!reached[p] || (addressed[p] && waiting[p] != 2)) safe = false;
            for (int caller : callers[p])
                if (!seen[static_cast<size_t>(caller)]) {
                    seen[static_cast<size_t>(caller)] = 1;
                    up.push_back(caller);
                }
        }
        if (safe) waiting[static_cast<size_t>(helper)] = 2;
    }
    // Whoever calls a waiting procedure waits too.
    std::vector<int> open;
    for (size_t p = 0; p < count; ++p)
        if (waiting[p]) open.push_back(static_cast<int>(p));
    while (!open.empty()) {
        int callee = open.back();
        open.pop_back();
        for (int caller : callers[static_cast<size_t>(callee)])
            if (!waiting[static_cast<size_t>(caller)]) {
                waiting[static_cast<size_t>(caller)] = 1;
                open.push_back(caller);
            }
    }
    return waiting;
}

bool startsTasks(const SyntaxTree& tree) {
    for (const Expr& e : tree.exprs)
        if (e.kind == ExprKind::kCall && equalsIgnoreCase(e.text, L"createthread")) return true;
    for (const Stmt& s : tree.stmts)
        if (s.kind == StmtKind::kCall && equalsIgnoreCase(s.name, L"createthread")) return true;
    return false;
}

void WaitFinder::call(std::wstring_view name, NodeRange args, Waits& w) const {
    const Procedure* p = typed_.procedureNamed(name);
    if (p != nullptr) {
        size_t index = static_cast<size_t>(p - typed_.procedures.data());
        if (index < waiting_.size() && waiting_[index]) w.procedure = true;
        return;
    }
    std::wstring_view form = awaitedForm(name, true);
    if (form == L"awaitnextevent") {
        if (!w.event) w.eventArgs = args;
        w.event = true;
    } else if (form == L"awaitdelay") {
        w.delay = true;
    } else if (form == L"awaitflip") {
        w.flip = true;
    } else if (form == L"awaitinput") {
        w.line = true;
    } else if (!form.empty()) {
        w.task = true;
    }
}

void WaitFinder::collect(NodeId id, Waits& w) const {
    const Expr& e = tree_.exprs[id];
    if (e.kind == ExprKind::kAddress) return;
    if (e.kind == ExprKind::kCall && typed_.containerOf(id) == nullptr) call(e.text, e.children, w);
    for (std::uint32_t k = 0; k < e.children.count; ++k) collect(tree_.child(e.children, k), w);
}

Waits WaitFinder::ofExpression(NodeId id) const {
    Waits w;
    collect(id, w);
    return w;
}

Waits WaitFinder::ofStatement(const Stmt& s) const {
    Waits w;
    if (s.kind == StmtKind::kCall) call(s.name, s.exprs, w);
    for (std::uint32_t k = 0; k < s.exprs.count; ++k) collect(tree_.child(s.exprs, k), w);
    // A declaration's names and initial values are its own, not statements of a body.
    if (s.kind == StmtKind::kDefine)
        for (std::uint32_t i = 0; i < s.body.count; ++i) {
            const Stmt& item = tree_.stmts[tree_.child(s.body, i)];
            for (std::uint32_t k = 0; k < item.exprs.count; ++k)
                collect(tree_.child(item.exprs, k), w);
        }
    return w;
}

bool WaitFinder::holdsCut(const Stmt& loop, bool repeatOpen) const {
    Waits own = ofStatement(loop);
    if (own.line || own.event) return true;
    return bodyHoldsCut(loop.body, repeatOpen);
}

bool WaitFinder::bodyHoldsCut(NodeRange body, bool repeatOpen) const {
    for (std::uint32_t i = 0; i < body.count; ++i) {
        const Stmt& s = tree_.stmts[tree_.child(body, i)];
        if (s.kind == StmtKind::kSelect || s.kind == StmtKind::kForEach) continue;
        Waits w = ofStatement(s);
        bool delays = isDelayStatement(s);
        if (w.line || w.event || (delays && !repeatOpen)) return true;
        bool repeat = repeatOpen || s.kind == StmtKind::kRepeat;
        if (bodyHoldsCut(s.body, repeat) || bodyHoldsCut(s.clauses, repeat)) return true;
    }
    return false;
}

} // namespace qc
