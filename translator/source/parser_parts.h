#pragma once
// The parser's parts, shared by its two files and by no one else: statements and blocks
// (parser.cpp), expressions, tokens and nodes (parser_expressions.cpp).
#include "common/diagnostics.h"
#include "common/text.h"
#include "translator/source/lexer.h"
#include "translator/source/program_facts.h"
#include "translator/source/syntax_tree.h"
#include "vocabulary/statement_list.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qc::parsing {

inline bool isWord(const Token& token, std::wstring_view word) {
    return token.kind == TokenKind::kName && equalsIgnoreCase(token.text, word);
}

inline bool isSymbol(const Token& token, std::wstring_view symbol) {
    return token.kind == TokenKind::kOperator && token.text == symbol;
}

// The words that make a statement a declaration, and the keyword's own spelling.
constexpr std::array<std::wstring_view, 6> kDefineWords = {L"define", L"global", L"protected",
                                                           L"static", L"shared", L"threaded"};

inline bool isDefineWord(const Token& token) {
    for (std::wstring_view word : kDefineWords)
        if (isWord(token, word)) return true;
    return false;
}

// Statements of a word and its values without brackets; a lone word that is none of these is
// a label.
constexpr std::array<std::wstring_view, 4> kCommandWords = {L"debug", L"end", L"enableexplicit",
                                                            L"disableexplicit"};

// Statements that are done with once they fail to read: they become one error node and
// write nothing. Blocks keep their kind so that their bodies stay whole, and declarations so
// that their names are still declared.
inline bool dropsWhenRefused(StmtKind kind) {
    switch (kind) {
    case StmtKind::kCall:
    case StmtKind::kAssign:
    case StmtKind::kUpdate:
    case StmtKind::kReturn:
    case StmtKind::kBreak:
    case StmtKind::kContinue:
    case StmtKind::kRead:
    case StmtKind::kRestore:
    case StmtKind::kLabel:
    case StmtKind::kGoto:
    case StmtKind::kGosub:
    case StmtKind::kGosubReturn:
    case StmtKind::kFakeReturn:
    case StmtKind::kSwap:
        return true;
    default:
        return false;
    }
}

// A block open while its statements are read: the If, loop, Select, procedure, structure or
// data section, or the program itself at the bottom of the stack.
struct Frame {
    NodeId stmt = kNoNode;
    StmtKind kind = StmtKind::kError;
    int line = 0;
    std::vector<NodeId> body; // of the block, or of the clause being read
    std::vector<NodeId> clauses;
    NodeId clause = kNoNode;
    bool closedLater = true; // a data section: an EndDataSection follows somewhere
    // A structure: where in `body` the StructureUnion being read began, and its line.
    std::optional<size_t> unionStart;
    int unionLine = 0;
    // "If" or "For" with nothing after it: reported when the block closes. Left open, the
    // word is a stray one, and the missing closer is its one message.
    std::optional<Diagnostic> emptyHead;
};

// A closing word as it is read (lower case) and as messages spell it, and the blocks it
// closes.
struct Closer {
    std::wstring_view word;
    std::wstring_view spelling;
    StmtKind first;
    StmtKind second;
};

constexpr std::array<Closer, 12> kClosers = {{
    {L"endif", L"EndIf", StmtKind::kIf, StmtKind::kIf},
    {L"wend", L"Wend", StmtKind::kWhile, StmtKind::kWhile},
    {L"until", L"Until", StmtKind::kRepeat, StmtKind::kRepeat},
    {L"forever", L"ForEver", StmtKind::kRepeat, StmtKind::kRepeat},
    {L"next", L"Next", StmtKind::kFor, StmtKind::kForEach},
    {L"endselect", L"EndSelect", StmtKind::kSelect, StmtKind::kSelect},
    {L"endprocedure", L"EndProcedure", StmtKind::kProcedure, StmtKind::kProcedure},
    {L"endstructure", L"EndStructure", StmtKind::kStructure, StmtKind::kStructure},
    {L"enddatasection", L"EndDataSection", StmtKind::kDataSection, StmtKind::kDataSection},
    {L"endwith", L"EndWith", StmtKind::kWith, StmtKind::kWith},
    {L"endimport", L"EndImport", StmtKind::kImport, StmtKind::kImport},
    {L"endinterface", L"EndInterface", StmtKind::kInterface, StmtKind::kInterface},
}};

// The word that closes a block of this kind, as messages name it ("Until" for a Repeat).
inline std::wstring_view closerSpelling(StmtKind kind) {
    for (const Closer& closer : kClosers)
        if (closer.first == kind || closer.second == kind) return closer.spelling;
    return L"";
}

// The words that open or divide a block and begin a line of their own (ForEach, Case and the
// others take part in a statement's values too: "Default" may be an argument, "ForEach" never
// ends one).
constexpr std::array<std::wstring_view, 8> kOpeningWords = {
    L"if", L"elseif", L"else", L"while", L"repeat", L"for", L"select", L"procedure"};

// A word that begins a line of the block structure: inside a statement ("Debug x +" joined
// with the next line "EndIf") it is no name, and read as one it would hide the block line
// the program meant.
inline bool isBlockLineWord(const Token& token) {
    if (token.kind != TokenKind::kName) return false;
    for (std::wstring_view word : kOpeningWords)
        if (equalsIgnoreCase(token.text, word)) return true;
    for (const Closer& closer : kClosers)
        if (equalsIgnoreCase(token.text, closer.word)) return true;
    return false;
}

// The statement list side by side in one text, which `store` (a text the tree owns) keeps:
// the tree's names point into it, so the list itself can go once the tree is built, and a
// statement costs no allocation of its own. A line marker keeps only its number (its text is
// empty), so the markers, one every line or so, cost no text at all.
class PackedStatements {
public:
    static constexpr int kNoMarker = std::numeric_limits<int>::min();

    PackedStatements() = default;
    PackedStatements(const std::vector<std::wstring>& statements, std::wstring& store) {
        size_t characters = 0;
        for (const std::wstring& s : statements)
            if (!isLineMarker(s)) characters += s.size();
        store.reserve(characters);
        ends_.reserve(statements.size());
        markerLines_.reserve(statements.size());
        for (const std::wstring& s : statements) {
            bool marker = isLineMarker(s);
            if (!marker) store += s;
            // Four billion characters of statements would take 16 GB before this.
            ends_.push_back(static_cast<std::uint32_t>(store.size()));
            markerLines_.push_back(marker ? qc::markerLine(s) : kNoMarker);
        }
        text_ = store;
    }
    size_t size() const { return ends_.size(); }
    std::wstring_view operator[](size_t i) const {
        size_t start = i == 0 ? 0 : ends_[i - 1];
        return text_.substr(start, ends_[i] - start);
    }
    // The line a marker names, kNoMarker for a statement.
    int markerLine(size_t i) const { return markerLines_[i]; }

private:
    std::wstring_view text_;
    std::vector<std::uint32_t> ends_;
    std::vector<int> markerLines_;
};

class Parser {
public:
    Parser(SyntaxTree& tree, Diagnostics& diag, const PackedStatements& statements,
           const ProgramFacts* facts = nullptr)
        : tree_(tree), diag_(diag), statements_(statements), facts_(facts) {
        frames_.emplace_back();
        for (size_t i = 0; i < statements.size(); ++i)
            if (equalsIgnoreCase(statements[i], L"enddatasection")) lastDataEnd_ = i;
    }

    // The statement at `index` of the list.
    void statement(size_t index);

    void setLine(int line) { line_ = line; }

    void finish();

    // `text` as one expression, to its end; kNoNode when it is none (a message was given).
    NodeId wholeExpression(std::wstring_view text);

private:
    // ---- modules (parser_modules.cpp)

    // DeclareModule, Module, their ends, UseModule and UnuseModule: they change how later
    // names read and make no statement. False for any other statement.
    bool moduleStatement();
    // The statement's names as the module they stand in, or the modules in use, see them.
    void scopeNames();
    void joinModuleNames();
    // "M::Item", "@M::Item()", ".M::Type": the item of module M, reported where M does not
    // declare it and this is not M's own code.
    Token qualified(const Token& module, const Token& item);
    // A name written without a module: the current module's own, one a module in use
    // declares, or the name as written.
    Token scoped(const Token& token, bool followedByBracket) const;
    const ModuleFacts* moduleNamed(std::wstring_view lowerName) const;
    Token renamed(const Token& token, std::wstring_view prefix, std::wstring_view module,
                  std::wstring_view name) const;

    // ---- statements

    // Reads one statement after its line's tokens are set, from its first word.
    void keywordStatement();

    // "Import "lib"" and "ImportC "lib"": a page cannot load the library, so the block is
    // refused at its head, naming it; its functions are still known, so that their calls
    // are not reported again.
    void importBlock();
    // A function of an Import block: "cbrt.d(x.d)", "Beep(t) As "_Beep@4"".
    void importedFunction();

    // What a data section holds: Data, a label, its EndDataSection.
    bool dataStatement() const;

    // A statement that names no keyword: "x = 1", "a(2)\y = 3", "n % 60", "Foo(1)", a label
    // ("Start", its colon cut off by the reader) or a structure variable declared alone
    // ("p.Point").
    NodeId plainStatement();

    // "Debug x", "End", "Goto label": a word followed by its values without brackets.
    NodeId command();

    // If, ElseIf, While, ForEach, Select: the keyword and one value.
    NodeId conditional(StmtKind kind);

    NodeId bare(StmtKind kind);

    NodeId bareBlockWord(StmtKind kind);

    // ProcedureReturn and Break, with their value where one is written.
    NodeId valueStatement(StmtKind kind);

    // Data, Read and Swap: the keyword, its type where written, its values.
    NodeId listStatement(StmtKind kind);

    NodeId named(StmtKind kind);

    // "IncludeBinary "data/logo.png"", its name as the reader left it.
    NodeId includeBinary();

    // "For i = 1 To 10 Step 2": the variable, the bounds and the step.
    NodeId forHeader();

    // "Case 1, 3 To 5, #Max": values and ranges.
    NodeId caseLabel();

    // A procedure head inside a procedure ends the one before, with the blocks left open in
    // it: the missing EndProcedure is the fault, and this is its one message. The outer
    // procedure's own EndProcedure, further down, then closes nothing and goes silently.
    void procedure();

    // "Procedure.s Name(a, b.f = 1.5, List l.Point(), *p)", and the same after Declare.
    NodeId header(StmtKind kind);

    NodeId parameter();

    // Whether the Structure or Interface being read has its closing word before the next
    // Structure or Procedure head or EndProcedure.
    bool structureClosed(std::wstring_view closer = L"endstructure") const;

    // "Structure Point Extends Base", "Interface IShape Extends IBase".
    NodeId structureHeader(StmtKind kind = StmtKind::kStructure);

    // A method of an Interface: "Area.d()", "Move(dx, dy)"; its parameters are the
    // procedure's own business.
    void method();

    // The name a keyword needs next ("Restore Start", "Extends Base").
    std::wstring_view nameAfter();

    // A field of a structure: "x.i", "name.s{20}", "cells.i[10]", "*next.Node",
    // "List items.s()".
    void field();
    void closeUnion(Frame& frame);

    // "Define.i a, b = 2, *p.Point", "Global NewList l(), Dim a(3)": one child statement per
    // declared name, so a refused one leaves the others declared.
    NodeId declaration();

    NodeId declaredItem();

    // "Dim grid(2, 2), row.s(3)": one statement for each container, so that each is
    // declared as if it stood alone.
    void containers(StmtKind kind);

    // "Dim a.f(10, 2)", "NewList l.Point()", "NewMap m.s(64)"; inside a declaration list it
    // ends at the next comma at its level.
    NodeId declaredContainer(StmtKind kind);

    // ---- blocks

    void place(NodeId id) { frames_.back().body.push_back(id); }

    void open(NodeId id);

    // ElseIf, Else, Case, Default: a clause of the innermost If or Select.
    // A clause without its block is dropped with that one message, whatever follows it.
    void clause(StmtKind owner, StmtKind kind);

    void closeBlock(const Closer& closer);

    // "EndIf+", "EndProcedure x", "Next-i": what a bare block word cannot take, reported as
    // written; the word still does its part.
    void tail();

    // The index in frames_ of the innermost open block of either kind; 0 for none. The
    // search stops at a procedure unless a procedure is what is closed: a procedure cannot
    // close a block of the main program.
    size_t innermost(StmtKind a, StmtKind b, bool crossesProcedures) const;

    // Blocks opened inside the one being closed and still open are reported and closed with
    // it, so one fault gives one message instead of a cascade.
    void closeDownTo(size_t index);

    void neverClosed(Frame& frame);

    // A Repeat whose end is missing, or does not read, ends after one pass: the program is
    // faulty already, and a loop with no way out would hold the browser before the page
    // could show the fault.
    void endsAfterOnePass(const Frame& frame);

    void flushBody(Frame& frame);

    void close();

    // ---- expressions

    // Precedence climbing over the operator table: operands of a binary row bind at least as
    // tightly as its operand precedence.
    NodeId expression(int minPrecedence);

    // The binary operators after `left` that bind at least as tightly as `minPrecedence`.
    NodeId binaryRest(NodeId left, int minPrecedence);

    // A prefix operator and its operand, or a postfix form.
    NodeId unary();

    // A value and what follows it: calls and indexes "a(1)", fields "p\x", static array
    // elements "v[2]", in any chain ("l()\items()\name").
    NodeId postfix();

    NodeId primary();
    // "\x" after a value: its field x, with the brackets of a list field where written.
    NodeId fieldOf(NodeId value);
    NodeId indexOf(NodeId value);
    // The value of the innermost open With block, for a "\x" where a value starts; none
    // outside one.
    NodeId withSubject() const;

    // "a", "a$", "n.i", "Sqr(2)", "grid(x, y)", "l.Point()".
    NodeId name();

    // "(a, b)" after a name: the comma-separated values, none for "()".
    std::vector<NodeId> arguments();

    // Comma-separated values to the end of the statement: "Debug a, 2", "Data.i 1, -1".
    std::vector<NodeId> valueList();

    NodeId atom(ExprKind kind) { return add(exprAt(kind, pos_++)); }

    // ---- tokens

    std::wstring_view typeSuffix();

    const OperatorRow* binaryRow(const Token& token) const;

    bool at(std::wstring_view symbol) const;

    bool atWord(std::wstring_view word) const;

    bool take(std::wstring_view symbol);

    bool expect(std::wstring_view symbol);

    void expectWord(std::wstring_view word);

    // ---- nodes

    Stmt started(StmtKind kind) const;

    // A statement read to its end: anything left over is a syntax error.
    NodeId finished(Stmt s, const std::vector<NodeId>& exprs);

    // A statement, or an item of a declaration list, which may end before the statement.
    NodeId finishedItem(Stmt s, const std::vector<NodeId>& exprs);

    Expr exprAt(ExprKind kind, size_t index) const;

    NodeId add(const Expr& e);

    NodeRange links(const std::vector<NodeId>& ids);

    // The first fault of a statement is reported; the rest of it is not read.
    NodeId fail(size_t index);

    static bool isValueWord(const Token& token);

    bool bracketsPair() const;

    // A character that starts no token, with the rest of the word it stands in ("`a").
    std::wstring wordAt(size_t index) const;

    NodeId refuse(Diagnostic record) { return refuse(std::move(record), pos_); }

    NodeId refuse(Diagnostic record, size_t index);

    // A block head that is its keyword alone: it reads as refused, and its message waits for
    // the block's end (Frame::emptyHead).
    bool emptyHead();

    // What a statement refused silently holds where its values would be.
    NodeId refused();

    void report(const std::wstring& text) { diag_.error(message::atLine(line_, text)); }
    void report(Diagnostic record) { diag_.error(std::move(record)); }

    // Brackets and blocks nested deeper than this are refused as "nesting too deep": the
    // browser would give up on such a script (at a few thousand), and the later stages, which
    // walk the tree, must not run out of stack.
    static constexpr int kMaxDepth = 200;
    static constexpr size_t kMaxBlocks = 500;
    bool tooDeepReported_ = false;

    SyntaxTree& tree_;
    Diagnostics& diag_;
    std::vector<Frame> frames_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    bool failed_ = false;
    bool openString_ = false; // an unclosed string was read: it runs to the end of the line
    std::optional<Diagnostic> emptyHead_; // of the block head being read
    int depth_ = 0;
    int line_ = -1;
    const PackedStatements& statements_;
    size_t index_ = 0;               // of the statement being read
    size_t lastDataEnd_ = 0;         // the index of the last EndDataSection
    std::wstring_view text_;         // the statement being read
    int unmatchedEndProcedures_ = 0; // EndProcedures of procedures a later head ended
    const ProgramFacts* facts_ = nullptr;
    std::wstring module_;                 // the module being read, lower case; empty outside one
    std::wstring moduleSpelling_;         // its name as its DeclareModule writes it
    bool declaring_ = false;              // in its DeclareModule block
    int moduleLine_ = 0;                  // of its head
    std::vector<std::wstring> used_;      // the modules of UseModule, lower case, latest last
    std::vector<std::wstring> outerUsed_; // the main program's, while a module is read
};

} // namespace qc::parsing
