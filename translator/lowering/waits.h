#pragma once
// Where a program waits, read from its tree. The browser cannot wait inside a script: the main
// program is cut before an Input() or a WaitWindowEvent() (and after a Delay() in straight
// code), and where it cannot be cut, or inside a procedure, the wait is awaited and the
// function holding it is async. These are the questions the printer asks to do that.
#include "translator/semantics/value_types.h"
#include "translator/source/syntax_tree.h"

#include <vector>

namespace qc {

// The waiting commands an expression or a statement's own expressions call (not those of
// the statements in its body).
struct Waits {
    bool line = false;      // calls Input()
    bool event = false;     // calls WaitWindowEvent()
    NodeRange eventArgs;    // the first WaitWindowEvent() call's arguments (its timeout)
    bool delay = false;     // calls Delay()
    bool flip = false;      // calls FlipBuffers()
    bool procedure = false; // calls a procedure that waits
    bool task = false;      // calls WaitThread(), LockMutex() or WaitSemaphore(): awaited

    bool any() const { return line || event || delay || flip || procedure || task; }
};

// The runtime's awaited form of a command that waits ("awaitnextevent" for WaitWindowEvent,
// "awaitinput", and with `delaysToo` "awaitdelay" and "awaitflip"); empty for any other name.
// Delay and FlipBuffers are awaited only in procedures and script loops: in a loop of the main
// program cut into timer steps, the next pass is their wait.
std::wstring_view awaitedForm(std::wstring_view command, bool delaysToo);

// "Delay(300)" as a statement of its own: in straight code of the main program the rest runs
// once its time is over.
inline bool isDelayStatement(const Stmt& s) {
    return s.kind == StmtKind::kCall && awaitedForm(s.name, true) == L"awaitdelay";
}

// By procedure index: whether it waits, itself or through a procedure it calls (1), or waits
// at its loops too (2): started as a task by CreateThread, or holding a loop and called by
// such a task, directly or not.
std::vector<char> findWaitingProcedures(const SyntaxTree& tree, const TypedTree& typed);

// Whether the program calls CreateThread: then more than the main program takes turns, and
// each piece of code that waited puts its own task back in place when it goes on.
bool startsTasks(const SyntaxTree& tree);

class WaitFinder {
public:
    WaitFinder(const SyntaxTree& tree, const TypedTree& typed, const std::vector<char>& waiting)
        : tree_(tree), typed_(typed), waiting_(waiting) {}

    Waits ofStatement(const Stmt& s) const;
    Waits ofExpression(NodeId id) const;

    // Whether a For or While of the main program must become a loop that is cut into parts:
    // an Input() or WaitWindowEvent() in it, or a Delay() where no Repeat is open; not one
    // inside a Select or ForEach, where the program cannot be cut. `repeatOpen`: a Repeat is
    // open around the loop (a Delay there delays the Repeat's next pass instead).
    bool holdsCut(const Stmt& loop, bool repeatOpen) const;

private:
    void collect(NodeId id, Waits& w) const;
    void call(std::wstring_view name, NodeRange args, Waits& w) const;
    bool bodyHoldsCut(NodeRange body, bool repeatOpen) const;

    const SyntaxTree& tree_;
    const TypedTree& typed_;
    const std::vector<char>& waiting_;
};

} // namespace qc
