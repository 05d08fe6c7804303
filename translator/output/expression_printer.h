#pragma once
// The expressions of the script printer: every kind of expression node written with brackets
// only where the script binds differently from the dialect, typed as the typed tree says, and
// the places (variables, elements, fields) and calls the statements write.
#include "common/diagnostics.h"
#include "translator/semantics/value_types.h"
#include "translator/source/syntax_tree.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace qc {

// A piece of script and how tightly the script binds it.
struct Piece {
    std::wstring text;
    int precedence = kScriptAtom;
};

inline Piece atom(std::wstring text) {
    return {std::move(text), kScriptAtom};
}

// The piece in brackets when it binds more loosely than `needed`.
inline std::wstring bound(const Piece& p, int needed) {
    return p.precedence < needed ? L"(" + p.text + L")" : p.text;
}

// How the waiting commands are written: as they are (where the main program is cut around
// them), or awaited (where it cannot be cut: Input() and WaitWindowEvent(), and in a
// procedure or a loop of the script Delay() and FlipBuffers() too).
enum class WaitForm : std::uint8_t { kAsWritten, kAwaitEvents, kAwaitAll };

class ExpressionPrinter {
public:
    // `line` is the program line being written, for messages.
    ExpressionPrinter(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag,
                      const int& line)
        : tree_(tree), typed_(typed), types_(typed.types), diag_(diag), line_(line) {
        markAddressed();
    }

    // A value on its way into a place of type `target`: a float rounded into an integer place,
    // a truth as 1 or 0, a narrow integer wrapped.
    std::wstring stored(NodeId id, ValueType target);
    // A top-level expression: its divisions divide as floats when a float takes part in it (or
    // it goes to a float place, `floatPlace`); an argument is an expression of its own.
    Piece value(NodeId id, bool floatPlace);
    std::wstring condition(NodeId id);
    // A top-level expression where text is wanted (Debug): a number as the dialect writes it.
    std::wstring text(NodeId id);
    // An expression where a number is needed: a truth counts 1 or 0.
    Piece number(NodeId id);
    Piece expr(NodeId id);
    // "grid(x, y)" is grid[x][y], "l()" l[l[0]], "m(k)" m[mapslot(m,k)].
    std::wstring element(NodeId id);
    // A command or procedure with its arguments, each an expression of its own.
    std::wstring callText(std::wstring_view name, const std::vector<NodeId>& args);
    // Append the whole list, map or array (or list field) `id` names, when it names one whole.
    bool wholeContainer(NodeId id, std::wstring& text);
    bool wholeField(NodeId id, std::wstring& text);
    std::wstring variableName(NodeId id) const;
    // "function Not found", once a line for each name (in any letter case).
    void missingFunction(std::wstring_view name);
    std::wstring callThrough(const std::wstring& callee, const std::vector<NodeId>& args);
    Piece methodCall(const Expr& e, int slot);
    void unsupported(std::wstring_view what);
    // A pointer is a variable holding an address of the page's heap. A field reached through
    // one ("*p\x", "*p\pos\y", "*p\cells[2]", "p\next\x" through a pointer field) lives
    // in the heap: its address and its layout, where the structure pointed at is known.
    struct HeapField {
        std::wstring address;
        const FieldLayout* field = nullptr;
    };
    // Whether `id` is such a field. `heap` gets it, or stays empty after a message (once a
    // line) where the field cannot be reached.
    bool throughPointer(NodeId id, std::optional<HeapField>* heap = nullptr);
    // The read and the write of a heap field: "PeekL(p+4)", "PokeL(p+4,v)"; empty after a
    // message for a field a Peek cannot read (a string, a structure, a list).
    std::wstring heapRead(const HeapField& f);
    std::wstring heapWrite(const HeapField& f, NodeId value);
    // A read or write of `width` ("L") at `address` where the heap holds a `type` ("l"): an
    // element of the heap's typed view where the address lies in the block the heap checked
    // last, else the Peek or Poke, which checks it.
    std::wstring typedRead(std::wstring_view width, const std::wstring& type,
                           const std::wstring& address);
    std::wstring typedWrite(std::wstring_view width, const std::wstring& type,
                            const std::wstring& address, NodeId value, ValueType stored);
    // Whether computing `id` may call something: a procedure, a command, a method, the home
    // of a string whose address is taken.
    bool mayCall(NodeId id) const;
    // A variable whose address is taken anywhere in its scope ("@count", "@pos", "@name$")
    // lives in the heap for all its life, so that the pointer and the name agree: the script
    // variable holds its block's address. A number or a structure of numbers gets its block
    // where its scope begins; a string's text is kept as PokeS with #PB_Unicode writes it.
    bool inHeap(const Variable& v) const;
    // The block a number or a structure in the heap takes; nullopt for a string.
    std::optional<long long> heapSize(const Variable& v) const;
    // "x=AllocateMemory(8)" and the like: the block of `v` made with `initial` in it (a
    // script value, or empty for the cleared block), or "" for a string.
    std::wstring heapHome(const Variable& v, const std::wstring& initial);
    // The statement writing `value` to a variable in the heap through its name.
    std::wstring heapVariableWrite(const Variable& v, NodeId value);
    // The variable a name in the heap means; null for any other node.
    const Variable* heapVariable(NodeId id) const;
    // A structure whose fields share places (a StructureUnion): every value of it is a block
    // of the heap, a variable as one whose address is taken, an element or a field of a
    // structure of the script as the address the script holds there ("a(1)\rgba" reads
    // the block a(1) holds).
    bool shared(ValueType type) const;
    bool structureValue(NodeId id) const;
    // A value of such a structure (not a pointer to one).
    bool sharedValue(NodeId id) const;
    // Whether the heap can hold a structure of this type in place: numbers, pointers and
    // static arrays and structures of them.
    bool holdsInHeap(ValueType type) const { return heapHolds(type, 0); }
    bool holdsShared(ValueType type, int depth) const;
    // The address of a structure value in the heap ("c", "a[1]", "p+8"); nullopt for one the
    // script holds as an object.
    std::optional<std::wstring> structureAddress(NodeId id);
    // A procedure and an array, list or map of one name: "total(1)" could be either. The
    // call is taken, and the name reported once a line.
    bool namesContainerToo(std::wstring_view name);
    void sharedName(std::wstring_view name);
    // Until the next call, the node `id` is written as `text` (a place computed once).
    void substitute(NodeId id, std::wstring text) {
        substituted_ = id;
        substitute_ = std::move(text);
    }

    void setWaitForm(WaitForm form) { waitForm_ = form; }
    WaitForm waitForm() const { return waitForm_; }
    // The labels of the data sections, in lower case: what "?label" may name.
    void setDataLabels(std::set<std::wstring> labels) { dataLabels_ = std::move(labels); }
    // By procedure index, the procedures that wait: their calls are awaited.
    void setWaitingProcedures(const std::vector<char>* waiting) { waiting_ = waiting; }
    // Whether something was awaited since the last call.
    bool takeAwaited() { return std::exchange(awaited_, false); }
    // Where tasks take turns, the code that goes on after a wait first puts its own task back
    // in place (its Threaded values, its identity): `task` names it in the script ("0" for
    // the main program, the local that holds it in a procedure), empty where no task runs.
    void setResumer(std::wstring task) { resumer_ = std::move(task); }
    // `awaited` ("await QLCX_Sleep(5)") as the code that goes on after it sees it.
    std::wstring resumed(std::wstring awaited) const;

private:
    bool holdsFloat(NodeId id) const;
    std::wstring single(NodeId id, const Piece& p);
    std::wstring_view awaitedCommand(std::wstring_view name) const;
    std::wstring whole(NodeId id);
    Piece fieldExpr(NodeId id, const Expr& e);
    std::wstring fieldPath(const Expr& e);
    static std::wstring numberText(std::wstring_view text);
    Piece constant(const Expr& e);
    static Piece constantPiece(const ConstantValue& v);
    std::wstring describeArgument(const Expr& call) const;
    Piece callExpr(NodeId id, const Expr& e);
    std::wstring sortedField(NodeId sorted, NodeId offset);
    std::wstring procedureCall(const Procedure& p, const std::vector<NodeId>& args);
    Piece unary(NodeId id, const Expr& e);
    Piece inFloats(NodeId id, Piece p);
    std::wstring indexed(const Expr& e);
    bool integers(NodeId left, NodeId right) const;
    Piece truth(NodeId id);
    Piece binary(NodeId id, const Expr& e);
    static std::optional<std::wstring> folded(const OperatorRow& row, const std::wstring& left,
                                              const std::wstring& right);
    void joined(NodeId id, NodeId other, Piece& p);
    Piece asText(NodeId id, Piece p);
    Piece address(const Expr& e);
    void markAddressed();
    NodeId placeRoot(NodeId id) const;
    bool heapHolds(ValueType type, int depth) const;
    Piece heapVariableRead(const Variable& v);
    static Piece infix(const OperatorRow& row, const Piece& left, const Piece& right);

    const SyntaxTree& tree_;
    const TypedTree& typed_;
    const std::vector<ValueType>& types_;
    Diagnostics& diag_;
    const int& line_;
    bool floats_ = false;
    WaitForm waitForm_ = WaitForm::kAsWritten;
    std::set<std::wstring> dataLabels_;
    const std::vector<char>* waiting_ = nullptr;
    bool awaited_ = false;
    std::wstring resumer_;
    std::optional<HeapField> heapField(NodeId id);
    bool heapBase(NodeId base, std::wstring& address, std::wstring& structure);
    void refuseHeapField(std::wstring_view what);
    int heapRefusedLine_ = -1;
    std::vector<char> addressed_; // by variable index: its address is taken somewhere
    NodeId substituted_ = kNoNode;
    int sharedNameLine_ = -1;
    std::unordered_set<std::wstring> containerNames_; // their script names, made on first need
    bool containerNamesKnown_ = false;
    std::wstring substitute_;
    int missingLine_ = -1;
    std::vector<std::wstring> missingOnLine_; // the missing functions reported on it, lower case
};

} // namespace qc
