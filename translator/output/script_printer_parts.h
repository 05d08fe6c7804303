#pragma once
// The script printer's parts, shared by its files and by no one else: statements and
// declarations (script_printer.cpp), blocks and Break (block_printer.cpp), and the main
// program cut at its loops and waits (main_program_printer.cpp).
#include "common/diagnostics.h"
#include "loops/loop_segments.h"
#include "translator/lowering/waits.h"
#include "translator/output/expression_printer.h"
#include "translator/output/script_printer.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace qc {

// The lines that open, divide and close an If or a Select: in the main program, where its
// loops are cut into functions, each goes where its block went.
enum class BlockLine : std::uint8_t { kIf, kBranch, kElse, kEndIf, kSelect, kCase, kEndSelect };

// ClearStructure, InitializeStructure, CopyStructure: their last argument names a structure.
bool isStructureCommand(std::wstring_view name);

class ScriptPrinter {
public:
    ScriptPrinter(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag)
        : tree_(tree), typed_(typed), types_(typed.types), diag_(diag),
          ex_(tree, typed, diag, line_), waiting_(findWaitingProcedures(tree, typed)),
          waits_(tree, typed, waiting_) {
        ex_.setWaitingProcedures(&waiting_);
    }

    PrintedScript run();

    PrintedScript program();

    std::wstring emptyValue(ValueType t) const { return typed_.emptyValue(t); }

    // Literals, constants and operators only: a value known before the program runs.
    bool isConstant(NodeId id) const;
    void heapHomes();
    std::wstring returned(std::wstring value);
    bool heapStructureCommand(const Stmt& s, std::uint32_t places, const Structure& structure);

    // A structure's constructor and element factory: every field with its empty value, a
    // static array, a structure, a list or a map field made anew for each element.
    void structure(const Structure& st);

    void sharedStructure(const Structure& st);
    std::wstring madeField(const Field& f);
    std::optional<std::wstring> structureCopy(NodeId place, NodeId value);
    void swapBlocks(const Stmt& s);

    // Where tasks run, the function by which the runtime swaps the Threaded variables, arrays,
    // lists and maps when another task has its turn: it gives their values now and puts those
    // kept for the next task in place, or new empty ones for a task that starts.
    void threadedValues();

    // Whether a procedure's body has labels or jumps: it is written as a dispatch loop.
    bool holdsJumps(NodeRange body) const;
    void dispatchBody(NodeRange body);
    // "qlcxstate=2;continue qlcxjump;": on with the label's case.
    std::wstring jumpInProcedure(const Stmt& s);

    // "Procedure.s Name(a, b = 2)": a function with its locals declared first, and the empty
    // value of its type returned when the body ends without ProcedureReturn.
    void procedure(const Procedure& p);

    // ---- statements

    void statements(NodeRange range);

    void statement(NodeId id);

    void plainStatement(const Stmt& s);

    // "x = value" and "x + 1": the place takes the value, converted as its type stores it.
    void assignment(const Stmt& s);

    // The initial values of a declaration; a static's is its page-level variable's.
    void definition(const Stmt& s);

    // "Dim a.f(10, 2)" makes the array anew; "ReDim a(20)" resizes it and keeps its elements.
    void dimension(const Stmt& s);

    // "Dim x(2)" and "NewList x()": "x(1)" could not be told apart, so the second is refused.
    bool otherKindOfOneName(const Stmt& s, const Container* c);

    // A declaration whose name did not read: the parser has said so.
    bool didNotRead(const Stmt& s) const;

    // "NewList l.Point()", "NewMap m.s()": empty, with the elements' factory.
    void newContainer(const Stmt& s);

    // "ForEach l()": every element in turn as the current one.
    void forEachBlock(const Stmt& s);

    // "Read.s p\name, n": each place takes the next value of the data.
    void read(const Stmt& s);

    // "Swap a, b" through the runtime's spare place. Each place is found once: an index or a
    // key that calls something is computed into a variable of its own first, so that
    // "Swap a(i), a(Random(9))" swaps with one element.
    void swap(const Stmt& s);

    std::wstring placeOnce(NodeId place, std::wstring& setup);

    bool callsSomething(const Expr& e) const;

    // A place as the script writes it: a variable, an element, a field; empty (reported)
    // for anything else.
    std::wstring placeText(NodeId place);

    // The data sections' values, given to the page at start in the order they stand.
    void dataSections(NodeRange range);
    void fieldContainer(const Stmt& s);
    std::wstring arrayBounds(const Expr& e, std::uint32_t first);
    // Hands the data labels to the expression printer; whether any "?label" asks for one.
    bool dataLabels();
    void collectDataLabels(NodeRange range, std::set<std::wstring>& labels) const;
    // Writes the sections in `range` and in the blocks inside it; whether there was one.
    bool dataSectionsIn(NodeRange range);

    void procedureReturn(const Stmt& s);

    void call(const Stmt& s);

    void structureCommand(const Stmt& s);

    void ifBlock(const Stmt& s);

    // A Select is a chain of conditions on its value, computed once: a variable is tested as
    // it is, anything else is kept in a variable of its own first.
    void selectBlock(const Stmt& s);

    // "Case 1, 3 To 5": the value is one of them or within the range.
    std::wstring caseCondition(const Stmt& c, const std::wstring& tested);

    void repeatBlock(const Stmt& s);

    // "For i = a To b Step -2": the counter, its start, the test that goes on, the step.
    struct ForParts {
        std::wstring counter, start, bound, step;
        bool down = false; // the step's sign, known from its literal, decides the test
        std::wstring sign; // else the step, whose sign decides it as the loop runs

        // The test that goes on ("i<=b"), and the one that ends the loop ("i>b").
        std::wstring test(bool goesOn) const {
            std::wstring up = counter + (goesOn ? L"<=" : L">") + bound;
            std::wstring downward = counter + (goesOn ? L">=" : L"<") + bound;
            if (sign.empty()) return down ? downward : up;
            return L"(" + sign + L"<0?" + downward + L":" + up + L")";
        }
    };

    bool forParts(const Stmt& s, ForParts& parts);

    void forBlock(const Stmt& s);

    // The body of a loop (or another block) and its closing bracket.
    void closeBody(const Stmt& s);

    // ---- the main program: its loops cut into functions, its waits cut or awaited

    void mainStatement(const Stmt& s);

    // Before a line with a statement's own expressions: the program is cut before an Input()
    // or a WaitWindowEvent() where it can be, and the statement then reads the line or the
    // event that came; elsewhere the wait is awaited.
    void beforeWaits(const Waits& w, bool canCut);

    // The exit test of a loop of the program: "if(c){" switches on to what follows the loop.
    LoopLine exitTest(const std::wstring& condition);

    void levelBody(const Stmt& s, std::wstring step);

    void repeatAsLevel(const Stmt& s);

    // "While c ... Wend" around a cut: "if(c){", then a loop of the program that ends when
    // "!(c)".
    void whileAsLevel(const Stmt& s);

    // "For i = a To b ... Next" around a cut: "i = a", "if(i<=b){", then a loop of the program
    // that steps i and ends when "i>b". A Continue steps before the test too.
    void forAsLevel(const Stmt& s);

    // Whether a label or a Gosub is in the body: the loop must be a level of the program,
    // whose continuations can be gone on in.
    bool holdsResumePoint(NodeRange body) const;

    // Whether the Goto's or Gosub's label is in its own scope; reported if not.
    bool knownLabel(const Stmt& s);

    // Jumps into a loop from outside it, reported once the main program's labels are placed.
    void jumpsIntoLoops(const LoopSegments& segments);

    // A Break in a loop of the program: out of its script loops as a script does, out of the
    // program's loops by switching to what follows the outermost one it leaves.
    void breakInMain(const Stmt& s);

    // ---- Break with a level: the loop it leaves gets a label of its own

    // "qlcxloop1:" when a "Break 2" or deeper inside the loop leaves it; empty otherwise.
    std::wstring loopLabel(const Stmt& loop);

    void enterLoop();

    // Whether a Break at `depth` loops inside (1: directly in the loop's body) leaves the loop.
    bool leftFromInside(NodeRange range, int depth) const;

    int breakLevel(const Stmt& s) const;

    // "Break" and "Continue" with no loop around them, "Break 3" with fewer: the script would
    // not parse, so the statement is reported and left out.
    void breakLoops(const Stmt& s);

    NodeId exprAt(const Stmt& s, std::uint32_t i) const { return tree_.child(s.exprs, i); }

    void write(std::wstring line);

    LoopLine loopLine(std::wstring text);

    void blockLine(std::wstring text, BlockLine kind);

    const SyntaxTree& tree_;
    const TypedTree& typed_;
    const std::vector<ValueType>& types_;
    Diagnostics& diag_;
    const Procedure* current_ = nullptr;
    PrintedScript out_;
    int line_ = 0;
    ExpressionPrinter ex_;
    int selects_ = 0;
    int swaps_ = 0;
    int labels_ = 0;
    std::wstring pendingLabel_;       // of the loop being opened
    std::vector<std::wstring> loops_; // the open script loops' labels, innermost last
    std::vector<char> waiting_;       // by procedure index: it waits
    WaitFinder waits_;
    LoopSegments* segments_ = nullptr; // while the main program is written
    bool dataInHeap_ = false;          // a "?label" asks for the data's bytes
    bool tasks_ = false;               // the program calls CreateThread
    // The main program's loops that are cut into functions, innermost last: the line that
    // steps a For's counter, which a Continue runs before the loop's test.
    std::vector<std::wstring> levelSteps_;
    int repeatsOpen_ = 0; // Repeat blocks open around the statement being written
    std::unordered_map<std::wstring, int> states_; // the procedure's labels: their cases
};

} // namespace qc
