#include "translator/source/parser.h"

#include "translator/language/script_literals.h"
#include "translator/source/parser_parts.h"
#include "vocabulary/statement_list.h"

namespace qc::parsing {

using namespace std::string_view_literals;

void Parser::statement(size_t index) {
    index_ = index;
    std::wstring_view text = statements_[index];
    text_ = text;
    lexLine(text, tokens_);
    if (!tokens_.empty() && tokens_.back().kind == TokenKind::kComment) tokens_.pop_back();
    pos_ = 0;
    failed_ = false;
    openString_ = false;
    if (tokens_.empty() || moduleStatement()) return;
    scopeNames();
    if (frames_.back().kind == StmtKind::kStructure && !atWord(L"endstructure")) return field();
    if (frames_.back().kind == StmtKind::kImport && !atWord(L"endimport"))
        return importedFunction();
    if (frames_.back().kind == StmtKind::kInterface && !atWord(L"endinterface")) return method();
    if (frames_.back().kind == StmtKind::kDataSection && !dataStatement()) {
        // A section never closed ends where its data does: the program after it runs,
        // and its one message is the section's. In a closed one the statement is refused.
        if (frames_.back().closedLater) return report(message::notSupported(line_, text));
        neverClosed(frames_.back());
        close();
    }
    keywordStatement();
}

NodeId Parser::wholeExpression(std::wstring_view text) {
    text_ = text;
    lexLine(text, tokens_);
    if (!tokens_.empty() && tokens_.back().kind == TokenKind::kComment) tokens_.pop_back();
    pos_ = 0;
    failed_ = false;
    if (tokens_.empty()) return kNoNode;
    scopeNames();
    NodeId id = expression(0);
    if (!failed_ && pos_ < tokens_.size()) fail(pos_);
    return failed_ ? kNoNode : id;
}

void Parser::finish() {
    if (!module_.empty())
        report(message::withoutEnd(moduleLine_, declaring_ ? L"DeclareModule" : L"Module",
                                   declaring_ ? L"EndDeclareModule" : L"EndModule"));
    while (frames_.size() > 1) {
        neverClosed(frames_.back());
        close();
    }
    tree_.program = links(frames_.back().body);
}

void Parser::keywordStatement() {
    const Token& first = tokens_[0];
    std::wstring word = first.kind == TokenKind::kName ? toLower(first.text) : L"";
    for (const Closer& closer : kClosers)
        if (word == closer.word) return closeBlock(closer);
    if (word == L"if"sv) return open(conditional(StmtKind::kIf));
    if (word == L"elseif"sv) return clause(StmtKind::kIf, StmtKind::kElseIf);
    if (word == L"else"sv) return clause(StmtKind::kIf, StmtKind::kElse);
    if (word == L"while"sv) return open(conditional(StmtKind::kWhile));
    if (word == L"repeat"sv) return open(bareBlockWord(StmtKind::kRepeat));
    if (word == L"for"sv) return open(forHeader());
    if (word == L"foreach"sv) return open(conditional(StmtKind::kForEach));
    if (word == L"select"sv) return open(conditional(StmtKind::kSelect));
    if (word == L"with"sv) return open(conditional(StmtKind::kWith));
    if (word == L"import"sv || word == L"importc"sv) return importBlock();
    if (word == L"runtime"sv) {
        // It makes names known to the dialect's own run-time lookup, which a page lacks and
        // no program of a page can ask; what it stands before is read as without it.
        tokens_.erase(tokens_.begin());
        if (!atWord(L"procedure")) return;
        return keywordStatement();
    }
    if (word == L"case"sv) return clause(StmtKind::kSelect, StmtKind::kCase);
    if (word == L"default"sv) return clause(StmtKind::kSelect, StmtKind::kDefault);
    if (word == L"procedure"sv) return procedure();
    if (word == L"declare"sv) return place(header(StmtKind::kDeclare));
    if (word == L"prototype"sv || word == L"prototypec"sv)
        return place(header(StmtKind::kPrototype));
    if (word == L"procedurereturn"sv) return place(valueStatement(StmtKind::kReturn));
    if (word == L"break"sv) return place(valueStatement(StmtKind::kBreak));
    if (word == L"continue"sv) {
        // "Continue 2" would go on with an outer loop; the page's loops know only their
        // own.
        if (tokens_.size() > 1) return report(message::notSupported(line_, text_));
        return place(bare(StmtKind::kContinue));
    }
    if (word == L"structure"sv) {
        // Never closed, it is reported and the program after its head reads as usual
        // instead of vanishing into the field list.
        if (!structureClosed())
            return report(message::withoutEnd(line_, L"Structure", L"EndStructure"));
        return open(structureHeader());
    }
    // Outside a structure a union has no fields to share a place.
    if (word == L"structureunion"sv)
        return report(message::withoutEnd(line_, L"StructureUnion", L"Structure"));
    if (word == L"endstructureunion"sv)
        return report(message::withoutEnd(line_, L"EndStructureUnion", L"StructureUnion"));
    if (word == L"interface"sv) {
        if (!structureClosed(L"endinterface"))
            return report(message::withoutEnd(line_, L"Interface", L"EndInterface"));
        return open(structureHeader(StmtKind::kInterface));
    }
    if (word == L"datasection"sv) {
        open(bare(StmtKind::kDataSection));
        frames_.back().closedLater = index_ < lastDataEnd_;
        return;
    }
    if (word == L"data"sv) return place(listStatement(StmtKind::kData));
    if (word == L"includebinary"sv) return place(includeBinary());
    if (word == L"read"sv) return place(listStatement(StmtKind::kRead));
    if (word == L"restore"sv) return place(named(StmtKind::kRestore));
    if (word == L"goto"sv) return place(named(StmtKind::kGoto));
    if (word == L"gosub"sv) return place(named(StmtKind::kGosub));
    if (word == L"return"sv) return place(bare(StmtKind::kGosubReturn));
    if (word == L"fakereturn"sv) return place(bare(StmtKind::kFakeReturn));
    if (word == L"swap"sv) return place(listStatement(StmtKind::kSwap));
    if (word == L"to"sv || word == L"step"sv)
        return report(message::withoutEnd(line_, first.text, L"For"));
    if (word == L"dim"sv) return containers(StmtKind::kDim);
    if (word == L"redim"sv) return containers(StmtKind::kReDim);
    if (word == L"newlist"sv) return containers(StmtKind::kNewList);
    if (word == L"newmap"sv) return containers(StmtKind::kNewMap);
    if (isDefineWord(first)) return place(declaration());
    for (std::wstring_view command : kCommandWords)
        if (word == command) return place(this->command());
    place(plainStatement());
}

void Parser::importBlock() {
    Stmt s = started(StmtKind::kImport);
    std::wstring head(tokens_[pos_++].text);
    if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::kString) {
        s.name = tokens_[pos_].text;
        head += L" " + std::wstring(s.name);
    }
    report(message::notSupported(line_, head));
    pos_ = tokens_.size();
    open(finishedItem(s, {}));
}

void Parser::importedFunction() {
    Stmt s = started(StmtKind::kImported);
    if (tokens_[pos_].kind == TokenKind::kName) s.name = tokens_[pos_].text;
    pos_ = tokens_.size();
    place(finishedItem(s, {}));
}

bool Parser::dataStatement() const {
    if (atWord(L"data") || atWord(L"enddatasection") || atWord(L"includebinary")) return true;
    return tokens_.size() == 1 && tokens_[0].kind == TokenKind::kName &&
           tokens_[0].text.back() != L'$';
}

NodeId Parser::plainStatement() {
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
        } else if ((e.kind == ExprKind::kField && e.brackets) || e.kind == ExprKind::kInvoke) {
            s.kind = StmtKind::kEvaluate; // a call through a field, or a field alone
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

NodeId Parser::command() {
    Stmt s = started(StmtKind::kCall);
    s.name = tokens_[pos_++].text;
    return finished(s, valueList());
}

NodeId Parser::conditional(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    if (kind != StmtKind::kElseIf && emptyHead()) return finished(s, {refused()});
    return finished(s, {expression(0)});
}

NodeId Parser::bare(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    return finished(s, {});
}

NodeId Parser::bareBlockWord(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    if (pos_ < tokens_.size()) tail();
    return finished(s, {});
}

NodeId Parser::valueStatement(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    if (pos_ >= tokens_.size()) return finished(s, {});
    return finished(s, {expression(0)});
}

NodeId Parser::listStatement(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    s.suffix = typeSuffix();
    return finished(s, valueList());
}

NodeId Parser::named(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    s.name = nameAfter();
    return finished(s, {});
}

NodeId Parser::includeBinary() {
    Stmt s = started(StmtKind::kIncludeBinary);
    ++pos_;
    if (pos_ + 1 == tokens_.size() && tokens_[pos_].kind == TokenKind::kString) {
        std::wstring_view text = tokens_[pos_++].text;
        s.name = text.substr(1, text.size() - 2);
    } else {
        fail(pos_);
    }
    return finished(s, {});
}

NodeId Parser::forHeader() {
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

NodeId Parser::caseLabel() {
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

void Parser::procedure() {
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

NodeId Parser::header(StmtKind kind) {
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

NodeId Parser::parameter() {
    Expr p = exprAt(ExprKind::kParameter, pos_);
    p.text = {};
    if (atWord(L"list") || atWord(L"array") || atWord(L"map")) p.text = tokens_[pos_++].text;
    std::vector<NodeId> parts{postfix()};
    if (take(L"=")) parts.push_back(expression(0));
    p.children = links(parts);
    return add(p);
}

bool Parser::structureClosed(std::wstring_view closer) const {
    for (size_t k = index_ + 1; k < statements_.size(); ++k) {
        std::wstring lc = toLower(statements_[k]);
        if (lc == closer) return true;
        if (startsWith(lc, L"structure ") || startsWith(lc, L"procedure ") ||
            startsWith(lc, L"procedure.") || lc == L"endprocedure")
            return false;
    }
    return false;
}

void Parser::method() {
    Stmt s = started(StmtKind::kMethod);
    if (tokens_[pos_].kind != TokenKind::kName) return report(message::notSupported(line_, text_));
    s.name = tokens_[pos_++].text;
    s.suffix = typeSuffix();
    pos_ = tokens_.size();
    place(finishedItem(s, {}));
}

NodeId Parser::structureHeader(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    s.name = nameAfter();
    if (!failed_ && atWord(L"extends")) {
        ++pos_;
        s.suffix = nameAfter();
    }
    return finished(s, {});
}

std::wstring_view Parser::nameAfter() {
    if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::kName)
        return tokens_[pos_++].text;
    fail(pos_);
    return {};
}

void Parser::field() {
    Frame& frame = frames_.back();
    if (atWord(L"structureunion")) {
        if (frame.unionStart)
            return report(message::notSupported(line_, L"StructureUnion inside a StructureUnion"));
        if (tokens_.size() > 1) return report(message::syntaxError(line_, tokens_[1].text));
        frame.unionStart = frame.body.size();
        frame.unionLine = line_;
        return;
    }
    if (atWord(L"endstructureunion")) {
        if (!frame.unionStart)
            return report(message::withoutEnd(line_, L"EndStructureUnion", L"StructureUnion"));
        if (tokens_.size() > 1) report(message::syntaxError(line_, tokens_[1].text));
        return closeUnion(frame);
    }
    Stmt s = started(StmtKind::kVariable);
    if (atWord(L"list") || atWord(L"array") || atWord(L"map")) s.name = tokens_[pos_++].text;
    place(finished(s, {postfix()}));
}

NodeId Parser::declaration() {
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

NodeId Parser::declaredItem() {
    if (atWord(L"dim")) return declaredContainer(StmtKind::kDim);
    if (atWord(L"newlist")) return declaredContainer(StmtKind::kNewList);
    if (atWord(L"newmap")) return declaredContainer(StmtKind::kNewMap);
    Stmt s = started(StmtKind::kVariable);
    std::vector<NodeId> exprs{postfix()};
    if (take(L"=")) exprs.push_back(expression(0));
    return finishedItem(s, exprs);
}

void Parser::containers(StmtKind kind) {
    place(declaredContainer(kind));
    while (!failed_ && take(L",")) {
        Stmt s = started(kind);
        place(finishedItem(s, {postfix()}));
    }
    if (!failed_ && pos_ < tokens_.size()) fail(pos_);
}

NodeId Parser::declaredContainer(StmtKind kind) {
    Stmt s = started(kind);
    ++pos_;
    return finishedItem(s, {postfix()});
}

void Parser::open(NodeId id) {
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

void Parser::clause(StmtKind owner, StmtKind kind) {
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

void Parser::closeBlock(const Closer& closer) {
    bool crossesProcedures = closer.first == StmtKind::kProcedure;
    size_t match = innermost(closer.first, closer.second, crossesProcedures);
    if (match == 0) {
        if (closer.first == StmtKind::kProcedure && unmatchedEndProcedures_ > 0)
            --unmatchedEndProcedures_;
        else
            report(message::withoutEnd(line_, closer.spelling, statementName(closer.first)));
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

void Parser::tail() {
    std::wstring_view rest = text_.substr(static_cast<size_t>(tokens_[pos_].column - 1));
    failed_ = true;
    pos_ = tokens_.size();
    diag_.error(message::syntaxError(line_, rest.substr(0, 20)));
}

size_t Parser::innermost(StmtKind a, StmtKind b, bool crossesProcedures) const {
    for (size_t i = frames_.size(); i-- > 1;) {
        if (frames_[i].kind == a || frames_[i].kind == b) return i;
        if (frames_[i].kind == StmtKind::kProcedure && !crossesProcedures) break;
    }
    return 0;
}

void Parser::closeDownTo(size_t index) {
    while (frames_.size() > index + 1) {
        neverClosed(frames_.back());
        close();
    }
}

void Parser::neverClosed(Frame& frame) {
    frame.emptyHead.reset();
    report(message::withoutEnd(frame.line, statementName(frame.kind), closerSpelling(frame.kind)));
    endsAfterOnePass(frame);
}

void Parser::endsAfterOnePass(const Frame& frame) {
    if (frame.kind != StmtKind::kRepeat) return;
    Expr once;
    once.kind = ExprKind::kNumber;
    once.at = {frame.line, 1};
    once.text = L"1";
    tree_.stmts[frame.stmt].exprs = links({add(once)});
}

void Parser::flushBody(Frame& frame) {
    NodeRange body = links(frame.body);
    frame.body.clear();
    tree_.stmts[frame.clause != kNoNode ? frame.clause : frame.stmt].body = body;
}

// The fields read since StructureUnion become its body, one statement of the structure.
void Parser::closeUnion(Frame& frame) {
    size_t start = *frame.unionStart;
    frame.unionStart.reset();
    Stmt s;
    s.kind = StmtKind::kUnion;
    s.at = {frame.unionLine, 1};
    std::vector<NodeId> fields(frame.body.begin() + static_cast<std::ptrdiff_t>(start),
                               frame.body.end());
    frame.body.resize(start);
    s.body = links(fields);
    tree_.stmts.push_back(s);
    frame.body.push_back(static_cast<NodeId>(tree_.stmts.size() - 1));
}

void Parser::close() {
    if (frames_.back().unionStart) {
        report(
            message::withoutEnd(frames_.back().unionLine, L"StructureUnion", L"EndStructureUnion"));
        closeUnion(frames_.back());
    }
    Frame frame = std::move(frames_.back());
    frames_.pop_back();
    if (frame.emptyHead) diag_.error(std::move(*frame.emptyHead));
    flushBody(frame);
    tree_.stmts[frame.stmt].clauses = links(frame.clauses);
}

} // namespace qc::parsing

namespace qc {

namespace {

// `owned`, when given, is the list itself, let go once packed: the tree's arrays can then
// take its place.
SyntaxTree parse(const std::vector<std::wstring>& statements, std::vector<std::wstring>* owned,
                 Diagnostics& diag, const ProgramFacts* facts) {
    SyntaxTree tree;
    size_t characters = 0, count = 0;
    for (const std::wstring& s : statements)
        if (!isLineMarker(s)) characters += s.size(), ++count;
    const parsing::PackedStatements packed(statements, tree.ownedTexts.emplace_back());
    if (owned != nullptr) std::vector<std::wstring>().swap(*owned);
    // One expression for about every four characters, a statement or item for every
    // statement and a tenth: reserved once, the arrays are not copied as they grow.
    tree.exprs.reserve(characters / 4 + 16);
    tree.stmts.reserve(count + count / 10 + 16);
    tree.links.reserve(characters / 3 + 16);
    parsing::Parser parser(tree, diag, packed, facts);
    for (size_t i = 0; i < packed.size(); ++i) {
        if (packed.markerLine(i) != parsing::PackedStatements::kNoMarker)
            parser.setLine(packed.markerLine(i));
        else
            parser.statement(i);
    }
    parser.finish();
    return tree;
}

} // namespace

SyntaxTree parseStatements(const std::vector<std::wstring>& statements, Diagnostics& diag,
                           const ProgramFacts* facts) {
    return parse(statements, nullptr, diag, facts);
}

SyntaxTree parseStatements(std::vector<std::wstring>&& statements, Diagnostics& diag,
                           const ProgramFacts* facts) {
    return parse(statements, &statements, diag, facts);
}

NodeId parseExpression(std::wstring_view text, SyntaxTree& tree, const ProgramFacts* facts) {
    static const parsing::PackedStatements noStatements;
    Diagnostics quiet;
    parsing::Parser parser(tree, quiet, noStatements, facts);
    NodeId id = parser.wholeExpression(text);
    return quiet.errorFlag() ? kNoNode : id;
}

} // namespace qc
