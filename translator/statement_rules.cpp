#include "translator/statement_rewriter.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "translator/expression_tree.h"
#include "translator/semantics/operator_table.h"
#include "vocabulary/statement_list.h"

namespace qc {
namespace {

// The clauses whose end token opens a block.
bool opensBlock(Clause clause) {
    return clause == Clause::kIf || clause == Clause::kWhile || clause == Clause::kFor ||
           clause == Clause::kSelect || clause == Clause::kCase;
}

// The words that begin a line of the block structure, as the block check reads them.
bool isBlockLineWord(std::wstring_view key) {
    static constexpr std::wstring_view kWords[] = {
        L"procedure", L"endprocedure", L"if",        L"elseif", L"else",
        L"endif",     L"select",       L"endselect", L"repeat", L"until",
        L"forever",   L"while",        L"wend",      L"for",    L"next"};
    for (std::wstring_view word : kWords)
        if (key == word) return true;
    return false;
}

// "Global.i" and the like: the keyword before the dot decides the scope.
int declarationScope(std::wstring_view key) {
    key = key.substr(0, key.find(L'.'));
    if (key == L"define") return kScopeNone;
    if (key == L"global") return kScopeGlobal;
    if (key == L"static") return kScopeStatic;
    if (key == L"protected") return kScopeProtected;
    if (key == L"shared") return kScopeShared;
    return -1;
}

} // namespace

void TokenRewriter::run() {
    for (size_t i = 1; i <= all_.last(); ++i) {
        switch (t_[i].kind) {
        case kEnd:
            closeStatement(i);
            break;
        case kCommand:
            rewriteKeyword(i);
            break;
        case kConst:
            rewriteConstant(i);
            break;
        case kVar:
            rewriteVariable(i);
            break;
        case kOp:
            rewriteOperator(i);
            break;
        default:
            break;
        }
    }
}

void TokenRewriter::rewriteKeyword(size_t i) {
    SourceToken& token = t_[i];
    if (token.text != token.word) return; // a call of an unknown function, already "empty"
    std::wstring key = toLower(token.word);
    if (rewriteBlockKeyword(i, key)) return;
    int scope = declarationScope(key);
    if (scope >= 0) return declarationKeyword(i, scope);
    if (key == L"not" || key == L"and" || key == L"or" || key == L"xor") {
        token.text = scriptSpelling(key);
        removeBlankBefore(i);
        removeBlankAfter(i);
    } else if (key == L"imageid") {
        remove(i);
    } else if (key == L"end") {
        token.text = L"end();ChangeLoop(0);return;";
    } else if (const CommandRow* row = commandTable().lookUpCommand(key)) {
        token.text = row->targetName.empty() ? row->name : row->targetName;
    }
}

// The keywords that open, divide or close a block, or start a clause with its own end.
bool TokenRewriter::rewriteBlockKeyword(size_t i, const std::wstring& key) {
    SourceToken& token = t_[i];
    // A block word inside a statement ("Debug +" joined with the next line "EndProcedure")
    // is no block line to the passes before this one: its brace would end the wrong block.
    if (isBlockLineWord(key) && !startsStatement(i)) {
        report(message::syntaxError(token.line, token.word));
        remove(i);
        return true;
    }
    if (key == L"procedure") {
        startProcedure(i);
    } else if (key == L"endprocedure") {
        token.text = L"}";
        procedure_ = -1;
        blocks_.clear();
    } else if (key == L"break" || key == L"continue") {
        loopExit(i, key);
    } else if (key == L"procedurereturn") {
        token.text = L"return";
    } else if (key == L"debug") {
        // Inside the head of a block ("If *" joined with the next line "Debug 1") a Debug
        // would end the head with ");" instead of "{", and the block would lose its brace.
        if (opensBlock(now_.clause))
            report(message::syntaxError(token.line, L"Debug"));
        else
            openClause(i, L"Debug(", Clause::kDebug);
    } else if (key == L"select") {
        openClause(i, L"switch(", Clause::kSelect);
        caseCounts_.push_back(0);
        blocks_.push_back({false, i});
    } else if (key == L"case" || key == L"default") {
        caseLabel(i, key);
    } else if (key == L"if" || key == L"elseif") {
        openClause(i, key == L"if" ? L"if(" : L"}else if(", Clause::kIf);
    } else if (key == L"while") {
        openClause(i, L"while(", Clause::kWhile);
        blocks_.push_back({true, i});
    } else if (key == L"until") {
        // Only loops inside procedures reach this pass; the main program's loops have been
        // cut into timer functions. A loop with its test at the end, so that Continue goes
        // to the test.
        openClause(i, L"}while(!(", Clause::kUntil);
        closeBlock();
    } else if (key == L"repeat") {
        token.text = L"do{";
        blocks_.push_back({true, i});
    } else if (key == L"endif") {
        token.text = L"}";
    } else if (key == L"forever" || key == L"wend") {
        token.text = key == L"forever" ? L"}while(1);" : L"}";
        closeBlock();
    } else if (key == L"endselect") {
        token.text = L"}";
        if (!caseCounts_.empty()) caseCounts_.pop_back();
        closeBlock();
    } else if (key == L"next") {
        token.text = L"}";
        removeRestOfStatement(i); // "Next i"
        closeBlock();
    } else if (key == L"else") {
        token.text = L"}else{";
    } else if (key == L"swap") {
        openClause(i, L"", Clause::kSwap);
        now_.swap = i;
    } else if (key == L"for") {
        forHeader(i);
        blocks_.push_back({true, i});
    } else if (key == L"to" || key == L"step") {
        forBound(i, key);
    } else {
        return false;
    }
    return true;
}

void TokenRewriter::startProcedure(size_t i) {
    SourceToken& token = t_[i];
    token.text = L"function";
    ProcedureScope scope;
    for (size_t j = i + 1; t_[j].kind != kEnd && j <= all_.last(); ++j) {
        if (t_[j].kind == kProc) {
            scope.name = t_[j].text;
            break;
        }
    }
    all_.procedures.push_back(std::move(scope));
    blocks_.clear();
    procedure_ = static_cast<int>(all_.procedures.size()) - 1;
    token.procedure = procedure_;
    headerStatement_ = statement_;
}

void TokenRewriter::openClause(size_t i, std::wstring text, Clause clause) {
    t_[i].text = std::move(text);
    removeBlankAfter(i);
    now_.clause = clause;
}

// The first label of a Select is "case", every later one closes the one before it.
void TokenRewriter::caseLabel(size_t i, const std::wstring& key) {
    if (caseCounts_.empty()) {
        // The label goes with its value: left in, the page would meet an unknown name.
        report(message::withoutEnd(t_[i].line, t_[i].word, L"Select"));
        remove(i);
        removeRestOfStatement(i);
        return;
    }
    int count = ++caseCounts_.back();
    t_[i].text = (count > 1 ? L"break;" : L"") + key;
    now_.clause = Clause::kCase;
}

// "For i = 10 To 1 Step -1" counts down: the bound is tested with ">=" when the step is
// negative, so the direction is read ahead before "To" is written.
void TokenRewriter::forHeader(size_t i) {
    openClause(i, L"for(", Clause::kFor);
    for (size_t j = i + 1; j <= all_.last() && t_[j].kind != kEnd; ++j) {
        if (t_[j].kind != kCommand || !equalsIgnoreCase(t_[j].word, L"step")) continue;
        size_t k = j + 1;
        while (k <= all_.last() && isOp(k, L" ")) ++k;
        now_.forDown = isOp(k, L"-") || ((t_[k].kind == kNumber || t_[k].kind == kFloat) &&
                                         startsWith(t_[k].text, L"-"));
        break;
    }
}

void TokenRewriter::forBound(size_t i, const std::wstring& key) {
    if (now_.clause == Clause::kCase) {
        report(message::notSupported(t_[i].line, L"Case ... " + std::wstring(t_[i].word)));
        return;
    }
    if (now_.clause != Clause::kFor) {
        // Left in, the page would meet an unknown name.
        report(message::withoutEnd(t_[i].line, t_[i].word, L"For"));
        remove(i);
        return;
    }
    if (key == L"to") {
        t_[i].text = L";" + now_.loopVariable + (now_.forDown ? L">=" : L"<=");
    } else {
        t_[i].text = L";" + now_.loopVariable + L"+=";
        now_.forStep = true;
    }
    removeBlankBefore(i);
    removeBlankAfter(i);
}

// A closing keyword without its opening one has been reported by the block check.
void TokenRewriter::closeBlock() {
    if (!blocks_.empty()) blocks_.pop_back();
}

// "Break" inside a Select would only leave the switch, and "Break 2" has no plain
// counterpart: such an exit names its loop by a label put in front of the loop's keyword.
void TokenRewriter::loopExit(size_t i, const std::wstring& key) {
    SourceToken& token = t_[i];
    size_t k = i + 1;
    while (isOp(k, L" ")) ++k;
    int levels = t_[k].kind == kEnd ? 1 : 0; // anything but a level after it: no exit
    if (t_[k].kind == kNumber && t_[k + 1].kind == kEnd) {
        levels = t_[k].text.size() > 6 ? 1000000 : std::stoi(t_[k].text);
        removeRestOfStatement(i);
    }
    std::wstring written = std::wstring(token.word) + (levels != 1 ? L" " + t_[k].text : L"");
    bool crossesSelect = false;
    int seen = 0;
    auto target = blocks_.rbegin();
    for (; target != blocks_.rend(); ++target) {
        if (!target->loop)
            crossesSelect = true;
        else if (++seen == levels)
            break;
    }
    if (levels < 1 || target == blocks_.rend()) {
        report(levels == 1 ? message::withoutEnd(token.line, written, L"loop")
                           : message::notSupported(token.line, written));
        remove(i);
        removeRestOfStatement(i);
        return;
    }
    if (levels == 1 && (key == L"continue" || !crossesSelect)) {
        token.text = key;
        return;
    }
    if (target->label == 0) {
        target->label = ++labels_;
        SourceToken& header = t_[target->header];
        header.text = L"qlcxloop" + std::to_wstring(target->label) + L":" + header.text;
    }
    token.text = key + L" qlcxloop" + std::to_wstring(target->label);
}

void TokenRewriter::declarationKeyword(size_t i, int scope) {
    // "Define.s a, b" gives its type to the names that have none of their own.
    size_t dot = t_[i].word.find(L'.');
    if (dot != std::wstring_view::npos) {
        std::wstring type = toLower(t_[i].word.substr(dot + 1));
        if (isBasicType(type) || state_.isStructure(type))
            now_.defaultType = type;
        else
            report(message::unknownType(t_[i].line, t_[i].column, t_[i].word));
        if (t_[i + 1].kind == kEnd)
            report(message::notSupported(t_[i].line, std::wstring(t_[i].word) + L" without names"));
    }
    remove(i);
    removeBlankAfter(i);
    now_.declaration = now_.declaring = true;
    now_.declarationScope = now_.pendingScope = scope;
}

// The end token of a statement closes whatever clause its first keyword opened.
void TokenRewriter::closeStatement(size_t i) {
    SourceToken& end = t_[i];
    if (now_.depth > 0) report(message::bracketError(end.line));
    switch (now_.clause) {
    case Clause::kIf:
    case Clause::kWhile:
    case Clause::kSelect:
        end.text = L"){";
        break;
    case Clause::kUntil:
        end.text = L"));";
        break;
    case Clause::kFor:
        end.text = now_.forStep ? L"){" : L";" + now_.loopVariable + L"++){";
        break;
    case Clause::kCase:
        end.text = L":";
        break;
    case Clause::kDebug:
        end.text = L");";
        break;
    case Clause::kSwap:
        writeSwap(i);
        break;
    case Clause::kNone:
        break;
    }
    now_.reset();
    if (statement_ == headerStatement_) headerStatement_ = -1;
    ++statement_;
}

namespace {

// The place with every bracketed index that holds a call replaced by QLCX_SwapAt[n], the
// index itself appended to `indexes`. String literals are passed over.
std::wstring withIndexesTaken(std::wstring_view place, std::vector<std::wstring>& indexes) {
    std::wstring out;
    int depth = 0;
    size_t open = 0;
    bool quoted = false;
    for (size_t k = 0; k < place.size(); ++k) {
        wchar_t c = place[k];
        if (quoted) {
            if (c == L'\\')
                ++k;
            else if (c == L'"')
                quoted = false;
        } else if (c == L'"') {
            quoted = true;
        } else if (c == L'[' && depth++ == 0) {
            open = k;
        } else if (c == L']' && --depth == 0) {
            std::wstring_view index = place.substr(open + 1, k - open - 1);
            if (index.find(L'(') != std::wstring_view::npos) {
                out += L"[QLCX_SwapAt[" + std::to_wstring(indexes.size()) + L"]]";
                indexes.emplace_back(index);
            } else {
                out += place.substr(open, k - open + 1);
            }
            continue;
        }
        if (depth == 0) out += c;
    }
    if (depth > 0) out += place.substr(open);
    return out;
}

} // namespace

// "Swap a, b" once both places are written: QLCX_Swap=a;a=b;b=QLCX_Swap.
void TokenRewriter::writeSwap(size_t end) {
    size_t comma = 0;
    int depth = 0;
    for (size_t k = now_.swap + 1; k < end; ++k) {
        if (t_[k].kind != kOp) continue;
        const std::wstring& text = t_[k].text;
        if (text == L"," && depth == 0) comma = k;
        if (text.find_first_of(L"([") != std::wstring::npos) ++depth;
        if (text.find_first_of(L")]") != std::wstring::npos) --depth;
    }
    std::wstring a = comma == 0 ? L"" : joinedText(now_.swap + 1, comma - 1);
    std::wstring b = comma == 0 ? L"" : joinedText(comma + 1, end - 1);
    if (a.empty() || b.empty()) {
        report(message::notSupported(t_[now_.swap].line, L"Swap without two places"));
        return;
    }
    // Each place is found once: an index that calls something ("a(Random(9))") is taken
    // into QLCX_SwapAt first, so both uses of the place name the same element.
    std::vector<std::wstring> indexes;
    a = withIndexesTaken(a, indexes);
    b = withIndexesTaken(b, indexes);
    std::wstring taken;
    for (const std::wstring& index : indexes) taken += (taken.empty() ? L"" : L",") + index;
    t_[now_.swap].text = (taken.empty() ? L"" : L"QLCX_SwapAt=[" + taken + L"];") + L"QLCX_Swap=" +
                         a + L";" + a + L"=" + b + L";" + b + L"=QLCX_Swap;";
    for (size_t k = now_.swap + 1; k < end; ++k) remove(k);
}

namespace {

// A procedure that waits for events is an async function, and every call of it awaits it
// ("await" binds tighter than any operator, so the call needs no brackets). "@Name()" hands
// the procedure itself to BindEvent and stays as it is.
void awaitWaitingProcedures(TranslationTokens& tokens, const TranslatorState& state) {
    if (state.waitingProcedures.empty()) return;
    bool inHeader = false; // the first procedure word after a header token is its name
    for (SourceToken& token : tokens.tokens) {
        if (token.procedure >= 0) {
            inHeader = true;
            if (state.waitingProcedures.count(toLower(tokens.procedures[token.procedure].name)))
                token.text = L"async " + token.text;
            continue;
        }
        if (token.kind != kProc) continue;
        bool call = !inHeader && !token.word.empty() && token.word[0] != L'@';
        inHeader = false;
        if (call && state.waitingProcedures.count(toLower(token.word)) != 0)
            token.text = L"await " + token.text;
    }
}

} // namespace

void rewriteTokens(TranslationTokens& tokens, TranslatorState& state, Diagnostics& diag) {
    TokenRewriter(tokens, state, diag).run();
    state.undeclared.report(diag);
    typeExpressions(tokens, state);
    giveProceduresTheirNames(tokens, state);
    awaitWaitingProcedures(tokens, state);
}

} // namespace qc
