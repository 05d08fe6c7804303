#pragma once
// The program as a tree: what the parser builds from the lexer's tokens and what the later
// stages (names, types, lowering, the script printer) read. Nodes live in two arrays of one
// `SyntaxTree` and name each other by index, so a program of 100,000 lines is a few large
// allocations rather than millions of small ones. Every node keeps the line and column it was
// read from, so a message or the page's line table can point back at the source.
#include "translator/language/operator_table.h"

#include <compare>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// A view of text the tree points into, in eight bytes instead of a string view's sixteen: a
// program of 100,000 lines has some 450,000 nodes, most with two or three such views. The
// address is kept in units of a character (a character's address is a multiple of its size)
// in 46 bits, the length in the other 18, as two 32-bit words so a node needs no 8-byte
// alignment. A text that does not fit (longer than 262,142 characters, or at an address above
// 2^48) is kept whole in a table of views shared by all trees instead, which a program that
// has none never touches; its place in that table stands where the address would.
class NodeText {
public:
    NodeText() = default;
    NodeText(std::wstring_view text); // implicit: it stands for the view
    NodeText(const std::wstring& text) : NodeText(std::wstring_view(text)) {}
    NodeText(const wchar_t* text) : NodeText(std::wstring_view(text)) {}

    std::wstring_view view() const {
        std::uint64_t bits = (std::uint64_t{high_} << 32) | low_;
        std::uint32_t length = static_cast<std::uint32_t>(bits & kLongText);
        std::uint64_t place = bits >> kLengthBits;
        if (length == kLongText) return longText(place);
        return {reinterpret_cast<const wchar_t*>(place * sizeof(wchar_t)), length};
    }
    operator std::wstring_view() const { return view(); }

    size_t size() const { return view().size(); }
    size_t length() const { return view().size(); }
    bool empty() const { return (low_ & kLongText) == 0; }
    const wchar_t* data() const { return view().data(); }
    const wchar_t* begin() const { return view().data(); }
    const wchar_t* end() const { return view().data() + view().size(); }
    wchar_t operator[](size_t i) const { return view()[i]; }
    wchar_t front() const { return view().front(); }
    wchar_t back() const { return view().back(); }
    std::wstring_view substr(size_t at, size_t count = std::wstring_view::npos) const {
        return view().substr(at, count);
    }
    bool starts_with(std::wstring_view prefix) const { return view().starts_with(prefix); }
    bool starts_with(wchar_t c) const { return view().starts_with(c); }
    bool ends_with(std::wstring_view suffix) const { return view().ends_with(suffix); }
    bool ends_with(wchar_t c) const { return view().ends_with(c); }
    size_t find(std::wstring_view what, size_t at = 0) const { return view().find(what, at); }
    size_t find(wchar_t c, size_t at = 0) const { return view().find(c, at); }
    size_t rfind(wchar_t c, size_t at = std::wstring_view::npos) const {
        return view().rfind(c, at);
    }

    friend bool operator==(const NodeText& a, const NodeText& b) { return a.view() == b.view(); }
    friend bool operator==(const NodeText& a, std::wstring_view b) { return a.view() == b; }
    friend auto operator<=>(const NodeText& a, const NodeText& b) { return a.view() <=> b.view(); }
    friend auto operator<=>(const NodeText& a, std::wstring_view b) { return a.view() <=> b; }

private:
    static constexpr int kLengthBits = 18;
    static constexpr std::uint32_t kLongText = (1u << kLengthBits) - 1;
    static std::wstring_view longText(std::uint64_t place);

    std::uint32_t low_ = 0;
    std::uint32_t high_ = 0;
};

using NodeId = std::uint32_t;
constexpr NodeId kNoNode = 0xFFFFFFFFu;

struct SourcePosition {
    int line = 0;   // program line (numbered over all files, as the reader numbers them)
    int column = 0; // from 1, in the statement as read
};

// A run of child ids in `SyntaxTree::links`.
struct NodeRange {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
};

enum class ExprKind : std::uint8_t {
    kNumber,       // "12", "$FF", "%101", "1.5": `text` as written
    kCharacter,    // "'a'"
    kString,       // "\"text\"" or "~\"a\\n\"", with its quotes
    kConstant,     // "#Name"
    kName,         // a variable: `text` its name ("a$"), `suffix` its type (".i") where written
    kCall,         // `text` the callee, a procedure, command, array, list or map; children: the
                   // arguments or indexes (none for "l()")
    kField,        // children[0] the structure value, `text` the field ("x" of "p\x")
    kIndex,        // "v[2]": children[0] the static array, children[1] the index
    kPointer,      // "*p": `text` the name after the star
    kAddress,      // "@x", "@p()", "@a(1)", "@*p": children[0] what the address is taken of
    kLabelAddress, // "?name": the address of a data section's bytes after label `text`
    kRange,        // "1 To 5" of a Case: children[0] and [1]
    kParameter,    // of a procedure: `text` "List", "Array", "Map" or empty; children[0] the
                   // name (with its type), children[1] the default value where written
    kInvoke,       // "table(i)(x)": children[0] a value holding a procedure, then the arguments
    kUnary,        // `op` a prefix row; children[0] the operand
    kBinary,       // `op` a binary row; children[0] and [1] the operands
    kError,        // what could not be read; a message was given
};

// 36 bytes: a 100,000-line program has some 340,000 of them while it is printed.
struct Expr {
    NodeText text;      // points into the tree's own texts (ownedTexts)
    NodeText suffix;    // a type suffix: ".i", ".s{20}", ".Point"
    NodeRange children; // expression ids
    SourcePosition at;
    OperatorRef op;
    ExprKind kind = ExprKind::kError;
    bool brackets = false; // a field written with brackets: "l()\items()"
};

enum class StmtKind : std::uint8_t {
    kCall,      // "Foo(1)" or a command without brackets ("Debug x", "End"): `name` the
                // word, exprs its arguments
    kAssign,    // exprs[0] = exprs[1]
    kUpdate,    // "a + 1", "n % 60": exprs[0] `op` exprs[1], stored back into exprs[0]
    kIf,        // exprs[0] the condition; body; clauses: ElseIf and Else
    kElseIf,    // a clause: exprs[0] and its body
    kElse,      // a clause: its body
    kWhile,     // exprs[0]; body
    kRepeat,    // body; exprs[0] the Until condition, none for ForEver
    kFor,       // exprs: the variable, from, to, and the step where written; body
    kForEach,   // exprs[0] the list or map; body
    kSelect,    // exprs[0]; clauses: Case and Default
    kWith,      // exprs[0] the value a "\field" of the body belongs to; body
    kCase,      // exprs: the values, a range as a kRange; body
    kDefault,   // body
    kProcedure, // `name`, `suffix` the result type; exprs: the parameters; body
    kDeclare,   // a procedure declared ahead: `name`, `suffix`, exprs the parameters
    kPrototype, // a type of procedure variables: `name`, `suffix` the result, exprs the
                // parameters
    kEvaluate,  // exprs[0], a call through a procedure variable's field: "s\draw(x)"
    kReturn,    // ProcedureReturn: exprs[0] where a value is given
    kBreak,     // exprs[0] the level where written
    kContinue,  //
    kDefine,    // Define, Global, Protected, Static, Shared, Threaded: `name` the keyword,
                // `suffix` the default type; body: one kVariable/kDim/kNewList/kNewMap each
    kVariable,  // a declared name: exprs[0] the name, exprs[1] its initial value if any
    kDim,       // exprs: the array (a kCall whose children are the upper bounds)
    kReDim,     // as kDim
    kNewList,   // exprs[0]: the list as "l.T()"
    kNewMap,    // exprs[0]: the map, with its slot count inside the brackets if written
    kStructure, // `name`, `suffix` the base of Extends; body: one kVariable per field, its
                // `name` "List", "Array" or "Map" for a container field, and a kUnion each
    kUnion,     // StructureUnion of a structure: body, one kVariable per field, all at one
                // place in memory
    kDataSection,
    kData,          // `suffix` the type; exprs the values
    kInterface,     // `name`, `suffix` the base of Extends; body: one kMethod each
    kMethod,        // a method of an Interface: `name`, `suffix` its result type
    kIncludeBinary, // `name` the file, relative to the main source's folder, "/" between parts
    kRead,          // `suffix` the type; exprs the places
    kRestore,       // `name` the label
    kLabel,         // `name`: a label (the reader has cut its colon off)
    kGoto,          // `name` the label
    kGosub,         // `name` the label
    kGosubReturn,   // Return: back to the statement after the latest Gosub
    kFakeReturn,    // FakeReturn: forgets the latest Gosub
    kImport,        // Import or ImportC: `name` the library as written; body: kImported each
    kImported,      // a function of an Import block: `name`
    kSwap,          // exprs[0] and [1]
    kError,         // a statement that could not be read; a message was given
};

// 60 bytes.
struct Stmt {
    StmtKind kind = StmtKind::kError;
    OperatorRef op;
    SourcePosition at;
    NodeText name;
    NodeText suffix;
    NodeRange exprs;   // expression ids
    NodeRange body;    // statement ids
    NodeRange clauses; // statement ids: ElseIf/Else of an If, Case/Default of a Select
    NodeText source;   // the statement (or declaration item) as read, for messages
};

struct SyntaxTree {
    std::vector<Expr> exprs;
    std::vector<Stmt> stmts;
    std::vector<NodeId> links; // the children of every range, each range contiguous
    NodeRange program;         // the top-level statements
    // The statements' text the nodes point into (the first), and names the parser writes
    // itself ("Shapes__Area" of "Shapes::Area" or of "Area" inside module Shapes), which the
    // statement list does not hold; a deque, so they stay put.
    std::deque<std::wstring> ownedTexts;

    std::uint32_t child(NodeRange range, std::uint32_t i) const { return links[range.first + i]; }
    const Expr& expr(NodeRange range, std::uint32_t i) const { return exprs[child(range, i)]; }
};

// The statement's kind as the dialect spells its keyword ("If", "ForEach", "DataSection"),
// or a name of its own for the others ("Assign", "Call").
std::wstring_view statementName(StmtKind kind);

// The tree as indented text, one statement a line with its expressions as bracketed prefix
// forms: "3:1 If (< a 5)". For tests and for reading what the parser made of a program.
std::wstring describeTree(const SyntaxTree& tree);

} // namespace qc
