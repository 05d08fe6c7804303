#include "translator/source/parser.h"

#include "common/text.h"
#include "loops/block_words.h"
#include "translator/output/script_literals.h"
#include "translator/source/lexer.h"
#include "vocabulary/statement_list.h"

#include <array>
#include <optional>
#include <utility>

namespace qc {
namespace {

bool isWord(const Token& token, std::wstring_view word) {
    return token.kind == TokenKind::kName && equalsIgnoreCase(token.text, word);
}

bool isSymbol(const Token& token, std::wstring_view symbol) {
    return token.kind == TokenKind::kOperator && token.text == symbol;
}

// The words that make a statement a declaration, and the keyword's own spelling.
constexpr std::array<std::wstring_view, 6> kDefineWords = {L"define", L"global", L"protected",
                                                           L"static", L"shared", L"threaded"};

bool isDefineWord(const Token& token) {
    for (std::wstring_view word : kDefineWords)
        if (isWord(token, word)) return true;
    return false;
}

// Statements of a word and its values without brackets; a lone word that is none of these is
// a label.
constexpr std::array<std::wstring_view, 7> kCommandWords = {
    L"debug", L"end", L"goto", L"gosub", L"return", L"enableexplicit", L"disableexplicit"};

// A word that begins a line of the block structure: inside a statement ("Debug x +" joined
// with the next line "EndIf") it is no name, and read as one it would hide the block line
// the program meant.
bool isBlockLineWord(const Token& token) {
    if (token.kind != TokenKind::kName) return false;
    switch (classifyBlockWord(token.text)) {
    case BlockWord::kNone:
    case BlockWord::kLineMarker:
    case BlockWord::kForEach:
    case BlockWord::kBreak:
    case BlockWord::kContinue:
        return false;
    default:
        return true;
    }
}

// Statements that are done with once they fail to read: they become one error node and
// write nothing. Blocks keep their kind so that their bodies stay whole, and declarations so
// that their names are still declared.
bool dropsWhenRefused(StmtKind kind) {
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
    // "If" or "For" with nothing after it: reported when the block closes. Left open, the
    // word is a stray one, and the missing closer is its one message.
    std::optional<Diagnostic> emptyHead;
};

std::wstring_view closerSpelling(StmtKind kind) {
    switch (kind) {
    case StmtKind::kIf:
        return L"EndIf";
    case StmtKind::kWhile:
        return L"Wend";
    case StmtKind::kRepeat:
        return L"Until";
    case StmtKind::kFor:
    case StmtKind::kForEach:
        return L"Next";
    case StmtKind::kSelect:
        return L"EndSelect";
    case StmtKind::kProcedure:
        return L"EndProcedure";
    case StmtKind::kStructure:
        return L"EndStructure";
    case StmtKind::kDataSection:
        return L"EndDataSection";
    default:
        return L"";
    }
}

// A closing word, the blocks it closes, and how the block check names it in a message.
struct Closer {
    std::wstring_view word;
    StmtKind first;
    StmtKind second;
};

constexpr std::array<Closer, 9> kClosers = {{
    {L"endif", StmtKind::kIf, StmtKind::kIf},
    {L"wend", StmtKind::kWhile, StmtKind::kWhile},
    {L"until", StmtKind::kRepeat, StmtKind::kRepeat},
    {L"forever", StmtKind::kRepeat, StmtKind::kRepeat},
    {L"next", StmtKind::kFor, StmtKind::kForEach},
    {L"endselect", StmtKind::kSelect, StmtKind::kSelect},
    {L"endprocedure", StmtKind::kProcedure, StmtKind::kProcedure},
    {L"endstructure", StmtKind::kStructure, StmtKind::kStructure},
    {L"enddatasection", StmtKind::kDataSection, StmtKind::kDataSection},
}};

class Parser {
public:
    Parser(SyntaxTree& tree, Diagnostics& diag, const std::vector<std::wstring>& statements)
        : tree_(tree), diag_(diag), statements_(statements) {
        frames_.emplace_back();
        for (size_t i = 0; i < statements.size(); ++i)
            if (equalsIgnoreCase(statements[i], L"enddatasection")) lastDataEnd_ = i;
    }

    // The statement at `index` of the list.
    void statement(size_t index) {
        index_ = index;
        std::wstring_view text = statements_[index];
        text_ = text;
        tokens_ = lexLine(text);
        if (!tokens_.empty() && tokens_.back().kind == TokenKind::kComment) tokens_.pop_back();
        pos_ = 0;
        failed_ = false;
        openString_ = false;
        if (tokens_.empty()) return;
        if (frames_.back().kind == StmtKind::kStructure && !atWord(L"endstructure")) return field();
        if (frames_.back().kind == StmtKind::kDataSection && !dataStatement()) {
            // A section never closed ends where its data does: the program after it runs,
            // and its one message is the section's. In a closed one the statement is refused.
            if (frames_.back().closedLater) return report(message::notSupported(line_, text));
            neverClosed(frames_.back());
            close();
        }
        keywordStatement();
    }

    void setLine(int line) { line_ = line; }

    void finish() {
        while (frames_.size() > 1) {
            neverClosed(frames_.back());
            close();
        }
        tree_.program = links(frames_.back().body);
    }

private:
    // ---- statements

    // Reads one statement after its line's tokens are set, from its first word.
    void keywordStatement() {
        const Token& first = tokens_[0];
        std::wstring word = first.kind == TokenKind::kName ? toLower(first.text) : L"";
        for (const Closer& closer : kClosers)
            if (word == closer.word) return closeBlock(closer);
        if (word == L"if") return open(conditional(StmtKind::kIf));
        if (word == L"elseif") return clause(StmtKind::kIf, StmtKind::kElseIf);
        if (word == L"else") return clause(StmtKind::kIf, StmtKind::kElse);
        if (word == L"while") return open(conditional(StmtKind::kWhile));
        if (word == L"repeat") return open(bareBlockWord(StmtKind::kRepeat));
        if (word == L"for") return open(forHeader());
        if (word == L"foreach") return open(conditional(StmtKind::kForEach));
        if (word == L"select") return open(conditional(StmtKind::kSelect));
        if (word == L"case") return clause(StmtKind::kSelect, StmtKind::kCase);
        if (word == L"default") return clause(StmtKind::kSelect, StmtKind::kDefault);
        if (word == L"procedure") return procedure();
        if (word == L"declare") return place(header(StmtKind::kDeclare));
        if (word == L"procedurereturn") return place(valueStatement(StmtKind::kReturn));
        if (word == L"break") return place(valueStatement(StmtKind::kBreak));
        if (word == L"continue") {
            // "Continue 2" would go on with an outer loop; the page's loops know only their
            // own.
            if (tokens_.size() > 1) return report(message::notSupported(line_, text_));
            return place(bare(StmtKind::kContinue));
        }
        if (word == L"structure") {
            // Never closed, it is reported and the program after its head reads as usual
            // instead of vanishing into the field list.
            if (!structureClosed())
                return report(message::withoutEnd(line_, L"Structure", L"EndStructure"));
            return open(structureHeader());
        }
        if (word == L"datasection") {
            open(bare(StmtKind::kDataSection));
            frames_.back().closedLater = index_ < lastDataEnd_;
            return;
        }
        if (word == L"data") return place(listStatement(StmtKind::kData));
        if (word == L"read") return place(listStatement(StmtKind::kRead));
        if (word == L"restore") return place(named(StmtKind::kRestore));
        if (word == L"swap") return place(listStatement(StmtKind::kSwap));
        if (word == L"to" || word == L"step")
            return report(message::withoutEnd(line_, first.text, L"For"));
        if (word == L"dim") return containers(StmtKind::kDim);
        if (word == L"redim") return containers(StmtKind::kReDim);
        if (word == L"newlist") return containers(StmtKind::kNewList);
        if (word == L"newmap") return containers(StmtKind::kNewMap);
        if (isDefineWord(first)) return place(declaration());
        for (std::wstring_view command : kCommandWords)
            if (word == command) return place(this->command());
        place(plainStatement());
    }

    // What a data section holds: Data, a label, its EndDataSection.
    bool dataStatement() const {
        if (atWord(L"data") || atWord(L"enddatasection")) return true;
        return tokens_.size() == 1 && tokens_[0].kind == TokenKind::kName &&
               tokens_[0].text.back() != L'$';
    }

    // A statement that names no keyword: "x = 1", "a(2)\y = 3", "n % 60", "Foo(1)", a label
    // ("Start", its colon cut off by the reader) or a structure variable declared alone
    // ("p.Point").
    NodeId plainStatement() {
        Stmt s = started(StmtKind::kCall);
        NodeId target = postfix();
        std::vector<NodeId> exprs{target};
        if (!failed_ && pos_ < tokens_.size()) {
            const Token& op = tokens_[pos_];
            if (isSymbol(op, L"=")) {
                ++pos_;
                s.kind = StmtKind::kAssign;
                exprs.push_back(expression(0));
            } else if (const OperatorRow* row = binaryRow(op)) {
                // "a - b - c" stores a - b - c: the place is the first operand of the whole
                // expression, not of its first operator alone.
                s.kind = StmtKind::kUpdate;
                s.op = row;
                exprs.push_back(binaryRest(target, 0));
            }
        } else if (!failed_) {
            const Expr& e = tree_.exprs[target];
            if (e.kind == ExprKind::kName && e.suffix.empty()) {
                s.kind = StmtKind::kLabel;
                s.name = e.text;
                exprs.clear();
            } else if (e.kind == ExprKind::kName) {
                s.kind = StmtKind::kVariable;
            } else if (e.kind != ExprKind::kCall) {
                fail(0);
            }
        }
        if (s.kind == StmtKind::kCall && !failed_) {
            s.name = tree_.exprs[target].text;
            exprs = std::vector<NodeId>(tree_.exprs[target].children.count);
            for (std::uint32_t i = 0; i < exprs.size(); ++i)
                exprs[i] = tree_.child(tree_.exprs[target].children, i);
        }
        return finished(s, exprs);
    }

    // "Debug x", "End", "Goto label": a word followed by its values without brackets.
    NodeId command() {
        Stmt s = started(StmtKind::kCall);
        s.name = tokens_[pos_++].text;
        return finished(s, valueList());
    }

    // If, ElseIf, While, ForEach, Select: the keyword and one value.
    NodeId conditional(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        if (kind != StmtKind::kElseIf && emptyHead()) return finished(s, {refused()});
        return finished(s, {expression(0)});
    }

    NodeId bare(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        return finished(s, {});
    }

    NodeId bareBlockWord(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        if (pos_ < tokens_.size()) tail();
        return finished(s, {});
    }

    // ProcedureReturn and Break, with their value where one is written.
    NodeId valueStatement(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        if (pos_ >= tokens_.size()) return finished(s, {});
        return finished(s, {expression(0)});
    }

    // Data, Read and Swap: the keyword, its type where written, its values.
    NodeId listStatement(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        s.suffix = typeSuffix();
        return finished(s, valueList());
    }

    NodeId named(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        s.name = nameAfter();
        return finished(s, {});
    }

    // "For i = 1 To 10 Step 2": the variable, the bounds and the step.
    NodeId forHeader() {
        Stmt s = started(StmtKind::kFor);
        ++pos_;
        if (emptyHead()) return finished(s, {refused(), refused(), refused()});
        std::vector<NodeId> exprs{postfix()};
        expect(L"=");
        exprs.push_back(expression(0));
        expectWord(L"to");
        exprs.push_back(expression(0));
        if (pos_ < tokens_.size() && isWord(tokens_[pos_], L"step")) {
            ++pos_;
            // A step that does not read is left out: its message is the loop's one.
            NodeId step = expression(0);
            if (!failed_) exprs.push_back(step);
        }
        return finished(s, exprs);
    }

    // "Case 1, 3 To 5, #Max": values and ranges.
    NodeId caseLabel() {
        Stmt s = started(StmtKind::kCase);
        ++pos_;
        std::vector<NodeId> values;
        do {
            NodeId low = expression(0);
            if (pos_ < tokens_.size() && isWord(tokens_[pos_], L"to")) {
                Expr range = exprAt(ExprKind::kRange, pos_++);
                NodeId high = expression(0);
                range.children = links({low, high});
                low = add(range);
            }
            values.push_back(low);
        } while (!failed_ && take(L","));
        return finished(s, values);
    }

    // A procedure head inside a procedure ends the one before, with the blocks left open in
    // it: the missing EndProcedure is the fault, and this is its one message. The outer
    // procedure's own EndProcedure, further down, then closes nothing and goes silently.
    void procedure() {
        size_t outer = innermost(StmtKind::kProcedure, StmtKind::kProcedure, true);
        if (outer != 0) {
            report(L"Procedure inside Procedure");
            while (frames_.size() > outer) {
                endsAfterOnePass(frames_.back());
                close();
            }
            ++unmatchedEndProcedures_;
        }
        open(header(StmtKind::kProcedure));
    }

    // "Procedure.s Name(a, b.f = 1.5, List l.Point(), *p)", and the same after Declare.
    NodeId header(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        s.suffix = typeSuffix();
        s.name = nameAfter();
        std::vector<NodeId> parameters;
        if (!failed_ && expect(L"(") && !take(L")")) {
            do parameters.push_back(parameter());
            while (!failed_ && take(L","));
            expect(L")");
        }
        return finished(s, parameters);
    }

    NodeId parameter() {
        Expr p = exprAt(ExprKind::kParameter, pos_);
        p.text = {};
        if (atWord(L"list") || atWord(L"array") || atWord(L"map")) p.text = tokens_[pos_++].text;
        std::vector<NodeId> parts{postfix()};
        if (take(L"=")) parts.push_back(expression(0));
        p.children = links(parts);
        return add(p);
    }

    // Whether the Structure being read has its EndStructure before the next Structure or
    // Procedure head or EndProcedure.
    bool structureClosed() const {
        for (size_t k = index_ + 1; k < statements_.size(); ++k) {
            std::wstring lc = toLower(statements_[k]);
            if (lc == L"endstructure") return true;
            if (startsWith(lc, L"structure ") || startsWith(lc, L"procedure ") ||
                startsWith(lc, L"procedure.") || lc == L"endprocedure")
                return false;
        }
        return false;
    }

    // "Structure Point Extends Base".
    NodeId structureHeader() {
        Stmt s = started(StmtKind::kStructure);
        ++pos_;
        s.name = nameAfter();
        if (!failed_ && atWord(L"extends")) {
            ++pos_;
            s.suffix = nameAfter();
        }
        return finished(s, {});
    }

    // The name a keyword needs next ("Restore Start", "Extends Base").
    std::wstring_view nameAfter() {
        if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::kName)
            return tokens_[pos_++].text;
        fail(pos_);
        return {};
    }

    // A field of a structure: "x.i", "name.s{20}", "cells.i[10]", "*next.Node",
    // "List items.s()".
    void field() {
        Stmt s = started(StmtKind::kVariable);
        if (atWord(L"list") || atWord(L"array") || atWord(L"map")) s.name = tokens_[pos_++].text;
        place(finished(s, {postfix()}));
    }

    // "Define.i a, b = 2, *p.Point", "Global NewList l(), Dim a(3)": one child statement per
    // declared name, so a refused one leaves the others declared.
    NodeId declaration() {
        Stmt s = started(StmtKind::kDefine);
        s.name = tokens_[pos_++].text;
        s.suffix = typeSuffix();
        std::vector<NodeId> items;
        if (pos_ < tokens_.size()) {
            do items.push_back(declaredItem());
            while (!failed_ && take(L","));
        }
        NodeId id = finished(s, {});
        tree_.stmts[id].body = links(items);
        return id;
    }

    NodeId declaredItem() {
        if (atWord(L"dim")) return declaredContainer(StmtKind::kDim);
        if (atWord(L"newlist")) return declaredContainer(StmtKind::kNewList);
        if (atWord(L"newmap")) return declaredContainer(StmtKind::kNewMap);
        Stmt s = started(StmtKind::kVariable);
        std::vector<NodeId> exprs{postfix()};
        if (take(L"=")) exprs.push_back(expression(0));
        return finishedItem(s, exprs);
    }

    // "Dim grid(2, 2), row.s(3)": one statement for each container, so that each is
    // declared as if it stood alone.
    void containers(StmtKind kind) {
        place(declaredContainer(kind));
        while (!failed_ && take(L",")) {
            Stmt s = started(kind);
            place(finishedItem(s, {postfix()}));
        }
        if (!failed_ && pos_ < tokens_.size()) fail(pos_);
    }

    // "Dim a.f(10, 2)", "NewList l.Point()", "NewMap m.s(64)"; inside a declaration list it
    // ends at the next comma at its level.
    NodeId declaredContainer(StmtKind kind) {
        Stmt s = started(kind);
        ++pos_;
        return finishedItem(s, {postfix()});
    }

    // ---- blocks

    void place(NodeId id) { frames_.back().body.push_back(id); }

    void open(NodeId id) {
        // A block this deep is left out of the program, with what it holds, and reported
        // once: every later stage walks the blocks nested in each other, and the browser
        // would not read them either. A procedure is no step of the flow around it: it
        // belongs to the program, wherever its head stands.
        if (tree_.stmts[id].kind == StmtKind::kProcedure) {
            frames_.front().body.push_back(id);
        } else if (frames_.size() <= kMaxBlocks) {
            place(id);
        } else if (!tooDeepReported_) {
            tooDeepReported_ = true;
            report(L"nesting too deep");
        }
        Frame frame;
        frame.stmt = id;
        frame.kind = tree_.stmts[id].kind;
        frame.line = line_;
        frame.emptyHead = std::exchange(emptyHead_, std::nullopt);
        frames_.push_back(std::move(frame));
    }

    // ElseIf, Else, Case, Default: a clause of the innermost If or Select.
    // A clause without its block is dropped with that one message, whatever follows it.
    void clause(StmtKind owner, StmtKind kind) {
        size_t match = innermost(owner, owner, false);
        if (match == 0) {
            return report(message::withoutEnd(line_, statementName(kind), statementName(owner)));
        }
        closeDownTo(match);
        // After its Else an If takes no further clause: the word is dropped and what
        // follows stays in the Else.
        const Frame& open = frames_.back();
        if (owner == StmtKind::kIf && open.clause != kNoNode &&
            tree_.stmts[open.clause].kind == StmtKind::kElse)
            return diag_.error(message::syntaxError(line_, tokens_[0].text));
        NodeId id = kind == StmtKind::kElseIf ? conditional(kind)
                    : kind == StmtKind::kElse ? bareBlockWord(kind)
                    : kind == StmtKind::kCase ? caseLabel()
                                              : bare(kind);
        Frame& frame = frames_.back();
        flushBody(frame);
        frame.clauses.push_back(id);
        frame.clause = id;
    }

    void closeBlock(const Closer& closer) {
        bool crossesProcedures = closer.first == StmtKind::kProcedure;
        size_t match = innermost(closer.first, closer.second, crossesProcedures);
        if (match == 0) {
            if (closer.first == StmtKind::kProcedure && unmatchedEndProcedures_ > 0)
                --unmatchedEndProcedures_;
            else
                report(
                    message::withoutEnd(line_, properCloser(closer), statementName(closer.first)));
            return;
        }
        closeDownTo(match);
        ++pos_;
        if (closer.word == L"until") {
            NodeId condition = expression(0);
            if (!failed_ && pos_ < tokens_.size()) fail(pos_);
            if (failed_)
                endsAfterOnePass(frames_.back());
            else
                tree_.stmts[frames_.back().stmt].exprs = links({condition});
        } else {
            // "Next i" names the loop's variable; it adds nothing to the tree.
            bool named = closer.word == L"next" && pos_ < tokens_.size() &&
                         tokens_[pos_].kind == TokenKind::kName;
            if (named) ++pos_;
            if (pos_ < tokens_.size()) tail();
        }
        close();
    }

    // "EndIf+", "EndProcedure x", "Next-i": what a bare block word cannot take, reported as
    // written; the word still does its part.
    void tail() {
        std::wstring_view rest = text_.substr(static_cast<size_t>(tokens_[pos_].column - 1));
        failed_ = true;
        pos_ = tokens_.size();
        diag_.error(message::syntaxError(line_, rest.substr(0, 20)));
    }

    static std::wstring properCloser(const Closer& closer) {
        if (closer.word == L"forever") return L"ForEver";
        if (closer.word == L"until") return L"Until";
        if (closer.word == L"next") return L"Next";
        return std::wstring(closerSpelling(closer.first));
    }

    // The index in frames_ of the innermost open block of either kind; 0 for none. The
    // search stops at a procedure unless a procedure is what is closed: a procedure cannot
    // close a block of the main program.
    size_t innermost(StmtKind a, StmtKind b, bool crossesProcedures) const {
        for (size_t i = frames_.size(); i-- > 1;) {
            if (frames_[i].kind == a || frames_[i].kind == b) return i;
            if (frames_[i].kind == StmtKind::kProcedure && !crossesProcedures) break;
        }
        return 0;
    }

    // Blocks opened inside the one being closed and still open are reported and closed with
    // it, so one fault gives one message instead of a cascade.
    void closeDownTo(size_t index) {
        while (frames_.size() > index + 1) {
            neverClosed(frames_.back());
            close();
        }
    }

    void neverClosed(Frame& frame) {
        frame.emptyHead.reset();
        report(
            message::withoutEnd(frame.line, statementName(frame.kind), closerSpelling(frame.kind)));
        endsAfterOnePass(frame);
    }

    // A Repeat whose end is missing, or does not read, ends after one pass: the program is
    // faulty already, and a loop with no way out would hold the browser before the page
    // could show the fault.
    void endsAfterOnePass(const Frame& frame) {
        if (frame.kind != StmtKind::kRepeat) return;
        Expr once;
        once.kind = ExprKind::kNumber;
        once.at = {frame.line, 1};
        once.text = L"1";
        tree_.stmts[frame.stmt].exprs = links({add(once)});
    }

    void flushBody(Frame& frame) {
        NodeRange body = links(frame.body);
        frame.body.clear();
        tree_.stmts[frame.clause != kNoNode ? frame.clause : frame.stmt].body = body;
    }

    void close() {
        Frame frame = std::move(frames_.back());
        frames_.pop_back();
        if (frame.emptyHead) diag_.error(std::move(*frame.emptyHead));
        flushBody(frame);
        tree_.stmts[frame.stmt].clauses = links(frame.clauses);
    }

    // ---- expressions

    // Precedence climbing over the operator table: operands of a binary row bind at least as
    // tightly as its operand precedence.
    NodeId expression(int minPrecedence) {
        if (++depth_ > kMaxDepth) {
            --depth_;
            return refuse(message::atLine(line_, L"nesting too deep"));
        }
        NodeId left = binaryRest(unary(), minPrecedence);
        --depth_;
        return left;
    }

    // The binary operators after `left` that bind at least as tightly as `minPrecedence`.
    NodeId binaryRest(NodeId left, int minPrecedence) {
        while (!failed_ && pos_ < tokens_.size()) {
            const OperatorRow* row = binaryRow(tokens_[pos_]);
            if (row == nullptr || row->precedence < minPrecedence) break;
            Expr node = exprAt(ExprKind::kBinary, pos_++);
            node.op = row;
            NodeId right = expression(row->operandPrecedence);
            node.children = links({left, right});
            left = add(node);
        }
        return left;
    }

    // A prefix operator and its operand, or a postfix form.
    NodeId unary() {
        if (pos_ >= tokens_.size()) return fail(pos_);
        const Token& token = tokens_[pos_];
        const OperatorRow* row = nullptr;
        if (token.kind == TokenKind::kOperator || isWord(token, L"not"))
            row = prefixOperator(token.text);
        if (row == nullptr) return postfix();
        Expr node = exprAt(ExprKind::kUnary, pos_++);
        node.op = row;
        node.children = links({expression(row->operandPrecedence)});
        return add(node);
    }

    // A value and what follows it: calls and indexes "a(1)", fields "p\x", static array
    // elements "v[2]", in any chain ("l()\items()\name").
    NodeId postfix() {
        NodeId value = primary();
        while (!failed_ && pos_ < tokens_.size()) {
            const Token& token = tokens_[pos_];
            if (token.kind == TokenKind::kField) {
                Expr node = exprAt(ExprKind::kField, pos_++);
                node.text = token.text.substr(1);
                node.suffix = typeSuffix();
                std::vector<NodeId> parts{value};
                if (at(L"(")) {
                    // "l()\items()": a list field; its brackets name the current element.
                    node.brackets = true;
                    std::vector<NodeId> args = arguments();
                    parts.insert(parts.end(), args.begin(), args.end());
                }
                node.children = links(parts);
                value = add(node);
            } else if (isSymbol(token, L"[")) {
                Expr node = exprAt(ExprKind::kIndex, pos_++);
                NodeId index = expression(0);
                expect(L"]");
                node.children = links({value, index});
                value = add(node);
            } else {
                break;
            }
        }
        return value;
    }

    NodeId primary() {
        if (pos_ >= tokens_.size()) return fail(pos_);
        const Token& token = tokens_[pos_];
        switch (token.kind) {
        case TokenKind::kNumber:
            // Reported rather than wrapped; the statement still reads.
            if (beyond64Bits(token.text))
                report(L"number too large: " + std::wstring(token.text.substr(0, 40)));
            return atom(ExprKind::kNumber);
        case TokenKind::kCharacter:
            return atom(ExprKind::kCharacter);
        case TokenKind::kString:
            // Reported, and read as if closed at the end of its line: the rest of the line is
            // in it, so nothing after it is another fault.
            if (!isClosedString(token.text)) {
                report(message::withoutEnd(line_, L"string", L"closing quote"));
                openString_ = true;
            }
            return atom(ExprKind::kString);
        case TokenKind::kConstant:
            return atom(ExprKind::kConstant);
        case TokenKind::kLabel:
            // A page has no addresses to give a label: the word is unknown there.
            return refuse(message::unknownType(line_, token.column, token.text));
        case TokenKind::kPointer: {
            Expr node = exprAt(ExprKind::kPointer, pos_++);
            node.text = token.text.substr(1);
            node.suffix = typeSuffix();
            return add(node);
        }
        case TokenKind::kAddress: {
            // "@x", "@Handler()", "@a(2)", "@*p": the address of what the rest names.
            Expr node = exprAt(ExprKind::kAddress, pos_);
            Expr operand = exprAt(ExprKind::kName, pos_++);
            operand.text = token.text.substr(1);
            operand.at.column += 1;
            if (operand.text.starts_with(L"*")) {
                operand.kind = ExprKind::kPointer;
                operand.text.remove_prefix(1);
            } else if (at(L"(")) {
                operand.kind = ExprKind::kCall;
                operand.children = links(arguments());
            }
            node.children = links({add(operand)});
            return add(node);
        }
        case TokenKind::kName:
            if (isBlockLineWord(token)) return fail(pos_);
            return name();
        case TokenKind::kOperator:
            if (token.text == L"(") {
                ++pos_;
                NodeId inner = expression(0);
                expect(L")");
                return inner;
            }
            // "!" only joins two values; where one starts, it is a word of its own.
            if (token.text == L"!") return refuse(message::unknownType(line_, token.column, L"!"));
            return fail(pos_);
        default:
            return fail(pos_);
        }
    }

    // "a", "a$", "n.i", "Sqr(2)", "grid(x, y)", "l.Point()".
    NodeId name() {
        Expr node = exprAt(ExprKind::kName, pos_++);
        node.suffix = typeSuffix();
        if (at(L"(")) {
            node.kind = ExprKind::kCall;
            node.children = links(arguments());
        }
        return add(node);
    }

    // "(a, b)" after a name: the comma-separated values, none for "()".
    std::vector<NodeId> arguments() {
        ++pos_;
        std::vector<NodeId> args;
        if (take(L")")) return args;
        do args.push_back(expression(0));
        while (!failed_ && take(L","));
        expect(L")");
        return args;
    }

    // Comma-separated values to the end of the statement: "Debug a, 2", "Data.i 1, -1".
    std::vector<NodeId> valueList() {
        std::vector<NodeId> values;
        if (pos_ >= tokens_.size()) return values;
        do values.push_back(expression(0));
        while (!failed_ && take(L","));
        return values;
    }

    NodeId atom(ExprKind kind) { return add(exprAt(kind, pos_++)); }

    // ---- tokens

    std::wstring_view typeSuffix() {
        if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::kTypeSuffix)
            return tokens_[pos_++].text;
        return {};
    }

    const OperatorRow* binaryRow(const Token& token) const {
        if (token.kind != TokenKind::kOperator && token.kind != TokenKind::kName) return nullptr;
        const OperatorRow* row = binaryOperator(token.text);
        if (row == nullptr) return nullptr;
        bool word = row->kind == OperatorClass::kLogical;
        return word == (token.kind == TokenKind::kName) ? row : nullptr;
    }

    bool at(std::wstring_view symbol) const {
        return pos_ < tokens_.size() && isSymbol(tokens_[pos_], symbol);
    }

    bool atWord(std::wstring_view word) const {
        return pos_ < tokens_.size() && isWord(tokens_[pos_], word);
    }

    bool take(std::wstring_view symbol) {
        if (!at(symbol)) return false;
        ++pos_;
        return true;
    }

    bool expect(std::wstring_view symbol) {
        if (failed_) return false;
        if (take(symbol)) return true;
        fail(pos_);
        return false;
    }

    void expectWord(std::wstring_view word) {
        if (failed_) return;
        if (atWord(word))
            ++pos_;
        else
            fail(pos_);
    }

    // ---- nodes

    Stmt started(StmtKind kind) const {
        Stmt s;
        s.kind = kind;
        s.at = {line_, pos_ < tokens_.size() ? tokens_[pos_].column : 1};
        if (pos_ < tokens_.size()) s.source = tokens_[pos_].text.substr(0, 0);
        return s;
    }

    // A statement read to its end: anything left over is a syntax error.
    NodeId finished(Stmt s, const std::vector<NodeId>& exprs) {
        if (!failed_ && pos_ < tokens_.size()) fail(pos_);
        return finishedItem(s, exprs);
    }

    // A statement, or an item of a declaration list, which may end before the statement.
    NodeId finishedItem(Stmt s, const std::vector<NodeId>& exprs) {
        if (failed_ && dropsWhenRefused(s.kind)) s.kind = StmtKind::kError;
        // From its first token to the last one read.
        if (s.source.data() != nullptr && pos_ > 0 && pos_ <= tokens_.size()) {
            const Token& last = tokens_[pos_ - 1];
            const wchar_t* end = last.text.data() + last.text.size();
            if (end > s.source.data())
                s.source =
                    std::wstring_view(s.source.data(), static_cast<size_t>(end - s.source.data()));
        }
        s.exprs = links(exprs);
        tree_.stmts.push_back(s);
        return static_cast<NodeId>(tree_.stmts.size() - 1);
    }

    Expr exprAt(ExprKind kind, size_t index) const {
        Expr e;
        e.kind = kind;
        const Token& token = tokens_[index];
        e.at = {line_, token.column};
        e.text = token.text;
        return e;
    }

    NodeId add(const Expr& e) {
        tree_.exprs.push_back(e);
        return static_cast<NodeId>(tree_.exprs.size() - 1);
    }

    NodeRange links(const std::vector<NodeId>& ids) {
        NodeRange range{static_cast<std::uint32_t>(tree_.links.size()),
                        static_cast<std::uint32_t>(ids.size())};
        tree_.links.insert(tree_.links.end(), ids.begin(), ids.end());
        return range;
    }

    // The first fault of a statement is reported; the rest of it is not read.
    NodeId fail(size_t index) {
        // Brackets that do not pair are the fault, wherever the reading stopped.
        if (!bracketsPair()) return refuse(message::bracketError(line_), index);
        if (index < tokens_.size() && tokens_[index].kind == TokenKind::kUnknown)
            return refuse(message::unknownType(line_, tokens_[index].column, wordAt(index)), index);
        // Two values with only a blank between them ("x = a b") are named together: the
        // program meant one word or left out an operator.
        if (index > 0 && index < tokens_.size() && isValueWord(tokens_[index - 1]) &&
            isValueWord(tokens_[index])) {
            const Token& before = tokens_[index - 1];
            return refuse(message::unknownType(line_, before.column,
                                               std::wstring(before.text) + L" " +
                                                   std::wstring(tokens_[index].text)),
                          index);
        }
        std::wstring near = index < tokens_.size() ? std::wstring(tokens_[index].text)
                                                   : std::wstring(L"end of statement");
        // "</" would end the page's script where it stands; it is named as a whole.
        if (near == L"/" && index > 0 && isSymbol(tokens_[index - 1], L"<") &&
            tokens_[index - 1].column + 1 == tokens_[index].column)
            near = L"</";
        return refuse(message::syntaxError(line_, near), index);
    }

    static bool isValueWord(const Token& token) {
        switch (token.kind) {
        case TokenKind::kNumber:
        case TokenKind::kConstant:
            return true;
        case TokenKind::kName:
            return !isBlockLineWord(token) && binaryOperator(token.text) == nullptr;
        default:
            return false;
        }
    }

    bool bracketsPair() const {
        int depth = 0;
        for (const Token& token : tokens_) {
            if (isSymbol(token, L"(")) ++depth;
            if (isSymbol(token, L")") && --depth < 0) return false;
        }
        return depth == 0;
    }

    // A character that starts no token, with the rest of the word it stands in ("`a").
    std::wstring wordAt(size_t index) const {
        size_t from = static_cast<size_t>(tokens_[index].column - 1);
        size_t end = from + tokens_[index].text.size();
        while (end < text_.size() && (isNameChar(text_[end]) || text_[end] == L'$')) ++end;
        return std::wstring(text_.substr(from, end - from));
    }

    NodeId refuse(Diagnostic record) { return refuse(std::move(record), pos_); }

    NodeId refuse(Diagnostic record, size_t index) {
        if (!failed_) {
            failed_ = true;
            if (!openString_) diag_.error(std::move(record));
        }
        pos_ = tokens_.size();
        Expr e;
        e.at = {line_, index < tokens_.size() ? tokens_[index].column : 0};
        return add(e);
    }

    // A block head that is its keyword alone: it reads as refused, and its message waits for
    // the block's end (Frame::emptyHead).
    bool emptyHead() {
        if (pos_ < tokens_.size()) return false;
        failed_ = true;
        emptyHead_ = message::syntaxError(line_, L"end of statement");
        return true;
    }

    // What a statement refused silently holds where its values would be.
    NodeId refused() {
        Expr e;
        e.at = {line_, 0};
        return add(e);
    }

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
    const std::vector<std::wstring>& statements_;
    size_t index_ = 0;               // of the statement being read
    size_t lastDataEnd_ = 0;         // the index of the last EndDataSection
    std::wstring_view text_;         // the statement being read
    int unmatchedEndProcedures_ = 0; // EndProcedures of procedures a later head ended
};

} // namespace

SyntaxTree parseStatements(const std::vector<std::wstring>& statements, Diagnostics& diag) {
    SyntaxTree tree;
    // One expression for about every four characters, a statement or item for every
    // statement and a tenth: reserved once, the arrays are not copied as they grow.
    size_t characters = 0, count = 0;
    for (const std::wstring& s : statements)
        if (!isLineMarker(s)) characters += s.size(), ++count;
    tree.exprs.reserve(characters / 4 + 16);
    tree.stmts.reserve(count + count / 10 + 16);
    tree.links.reserve(characters / 3 + 16);
    Parser parser(tree, diag, statements);
    for (size_t i = 0; i < statements.size(); ++i) {
        if (isLineMarker(statements[i]))
            parser.setLine(markerLine(statements[i]));
        else
            parser.statement(i);
    }
    parser.finish();
    return tree;
}

} // namespace qc
