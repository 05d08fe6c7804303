#include "translator/statement_rewriter.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "tables/constant_table.h"
#include "translator/semantics/operator_table.h"
#include "translator/variable_registry.h"
#include "vocabulary/statement_list.h"

namespace qc {
namespace {

bool isOperand(int kind) {
    return kind == kVar || kind == kNumber || kind == kFloat || kind == kText || kind == kConst ||
           kind == kProc;
}

} // namespace

void TokenRewriter::rewriteVariable(size_t i) {
    SourceToken& token = t_[i];
    std::wstring key = toLower(token.word);
    if (inHeader() && (key == L"list" || key == L"array" || key == L"map") && isOp(i + 1, L" ")) {
        remove(i); // "Procedure Sum(List values())"
        removeBlankAfter(i);
        return;
    }
    if (startsWith(token.word, L"\\")) return rewriteFieldAfterBracket(i);
    bool container = namesContainer(i);
    if (state_.undeclared.active() && !container)
        noteForExplicit(token, now_.declaring || inHeader());
    now_.declaring = false;
    // A refused pointer's type is not looked up: "*p.Point" says nothing more about p.
    std::wstring untyped;
    std::wstring_view word = token.word;
    if (i == pointerName_) {
        size_t dot = word.find(L'.');
        size_t field = word.find(L'\\');
        if (dot < field) {
            untyped = std::wstring(word.substr(0, dot));
            if (field != std::wstring_view::npos) untyped += word.substr(field);
            word = untyped;
        }
    }
    VariableUse use{word,       now_.pendingScope, inHeader(),      container,
                    token.line, token.column,      now_.defaultType};
    now_.pendingScope = kScopeNone;
    token.text = registerVariable(use, state_, currentProcedure(), diag_);
    if (now_.clause == Clause::kFor && now_.loopVariable.empty()) now_.loopVariable = token.text;
    if (now_.declaration && captureStaticValue(i)) return;
    checkStatementShape(i);
}

// Plain variables only: arrays, lists and maps cannot be used undeclared (their use is a
// call of an unknown function), and the Select pass's own subjects are declared by it.
void TokenRewriter::noteForExplicit(const SourceToken& token, bool declares) {
    std::wstring key = baseName(token.word);
    if (key.empty() || key[0] == L'-' || startsWith(key, L"qlcxselect")) return;
    if (declares)
        state_.undeclared.declare(procedure_, key, token.line, now_.pendingScope == kScopeGlobal);
    else
        state_.undeclared.use(procedure_, key, token.word.substr(0, key.size()), token.line);
}

bool TokenRewriter::namesContainer(size_t i) const {
    return qc::namesContainer(t_, i, state_, procedureKey());
}

// "a(i)\x" and "l()\name": the field of the element the brackets reach.
void TokenRewriter::rewriteFieldAfterBracket(size_t i) {
    SourceToken& token = t_[i];
    token.text = fieldPath(token.word);
    fieldBase_[i] = lastClose_ != 0 && lastClose_ + 1 == i ? lastCloseStart_ : i;
}

// "Static n = 0" sets the value once, before the first call; run on every call it would
// make the variable forget its value. So the value must be known before any call: numbers,
// strings and constants with arithmetic ("Static limit = #Rows * 2").
// A static array, list or map ("Static Dim a(9)") is made once the same way: its sizes
// must be constant too, and the page creates it with the other declarations.
bool TokenRewriter::captureStaticValue(size_t i) {
    if (!startsWith(t_[i].text, L"static_") || !isOp(i + 1, L"=")) return false;
    const std::wstring& name = t_[i].text;
    bool container = state_.symbols.anyContainer(name);
    std::wstring value;
    int depth = 0;
    size_t k = i + 2;
    for (; t_[k].kind != kEnd && !(depth == 0 && isOp(k, L",")); ++k) {
        const SourceToken& token = t_[k];
        std::optional<std::wstring> resolved;
        if (token.kind == kConst) {
            resolved = resolveConstant(token.word);
            if (!resolved) return false; // reported where the constant is rewritten
        }
        // The constructor the declaration pass wrote, its element maker and its commas.
        bool constructor = container && (token.kind == kCommand || token.kind == kStruct ||
                                         (depth > 0 && isOp(k, L",")));
        bool constant = token.kind == kNumber || token.kind == kFloat || token.kind == kText ||
                        (token.kind == kOp && containsChar(L"+-*/() ", token.text[0]) &&
                         token.text.size() == 1) ||
                        resolved || constructor;
        if (!constant) {
            report(message::notSupported(token.line, L"Static value that is not constant"));
            return false;
        }
        if (isOp(k, L"(")) ++depth;
        if (isOp(k, L")")) --depth;
        value += resolved ? *resolved : token.text;
    }
    // Unbalanced brackets are left to the statement, which reports them.
    if (value.empty() || depth != 0) return false;
    if (container)
        (isArray(name) ? state_.arrayDeclarations : state_.listDeclarations)[name] =
            L"var " + name + L"=" + value + L";";
    else
        state_.initialValues[name] = value;
    for (size_t j = i; j < k; ++j) remove(j);
    return true;
}

void TokenRewriter::checkStatementShape(size_t i) {
    SourceToken& token = t_[i];
    SourceToken& next = t_[i + 1];
    // "a + 1" alone adds to a; only a variable that begins its statement is assigned to,
    // so "If a - b > 0" keeps its subtraction, and "a+=1" never becomes "a+==1".
    if (startsStatement(i) && now_.clause == Clause::kNone && now_.depth == 0 && next.kind == kOp &&
        isInPlaceOperator(next.text) &&
        !(t_[i + 2].kind == kOp && startsWith(t_[i + 2].text, L"="))) {
        next.text += L"=";
        return;
    }
    // A bare name declares and does nothing ("Global a" keeps its line "a;").
    if (startsStatement(i) && next.kind == kEnd) {
        remove(i);
        return;
    }
    // Two operands with only a blank between them are no expression: "ReDim a(20)".
    if (isOp(i + 1, L" ") && isOperand(t_[i + 2].kind))
        report(
            message::unknownType(token.line, token.column,
                                 std::wstring(token.word) + L" " + std::wstring(t_[i + 2].word)));
}

void TokenRewriter::rewriteOperator(size_t i) {
    SourceToken& token = t_[i];
    const std::wstring op = token.text;
    // A Case value is never an assignment: "Case Bool(x = 1 Or x = 3)" compares.
    bool condition = now_.clause == Clause::kIf || now_.clause == Clause::kWhile ||
                     now_.clause == Clause::kUntil || now_.clause == Clause::kCase;
    if (op == L"(") {
        openBracket(i);
    } else if (op == L")") {
        closeBracket(i);
    } else if (op == L",") {
        rewriteComma(i);
    } else if (op == L"=" && condition) {
        token.text = scriptSpelling(op);
    } else if (op == L"=>" || op == L"=<" || op == L"<>") {
        token.text = scriptSpelling(op);
    } else if (op == L"*") {
        size_t p = previousKept(i);
        const SourceToken& before = t_[p];
        if (p == 0 || before.kind == kEnd || before.kind == kCommand ||
            (before.kind == kOp && containsChar(L"=(,<>+-*/", before.text.back())))
            refusePointer(i);
    }
}

// A pointer is refused once: at each declaration ("Define *a.i", a "*p" parameter) and at
// the first use of a name no declaration refused. The star goes, so the line still runs
// with a plain variable of the name and the later uses add no message of their own.
void TokenRewriter::refusePointer(size_t i) {
    const SourceToken& name = t_[i + 1];
    if (name.kind != kVar) {
        report(message::notSupported(t_[i].line, L"pointer *" + std::wstring(name.word)));
        return;
    }
    std::wstring key = baseName(name.word);
    bool declares = now_.declaration || inHeader();
    if (refusedPointers_.insert(key).second || declares)
        report(message::notSupported(t_[i].line, L"pointer *" + std::wstring(name.word)));
    remove(i);
    pointerName_ = i + 1;
}

void TokenRewriter::openBracket(size_t i) {
    ++now_.depth;
    BracketRecord record;
    record.ownerIndex = record.exprStart = i - 1;
    const SourceToken& owner = t_[i - 1];
    if (owner.kind == kProc) {
        record.owner = BracketOwner::kCall;
    } else if (owner.kind == kCommand) {
        const CommandRow* row = commandTable().lookUpCommand(owner.word);
        if (row != nullptr && row->hasParentheses) record.owner = BracketOwner::kCall;
    } else if (owner.kind == kVar) {
        auto field = fieldBase_.find(i - 1);
        if (field != fieldBase_.end()) record.exprStart = field->second;
        size_t dot = owner.text.rfind(L'.');
        if (dot != std::wstring::npos) {
            if (state_.isListField(owner.text.substr(dot + 1))) record.owner = BracketOwner::kList;
        } else if (isArray(owner.text)) {
            record.owner = BracketOwner::kArray;
        } else if (isList(owner.text)) {
            record.owner = BracketOwner::kList;
        }
    }
    bool named = record.owner == BracketOwner::kArray || record.owner == BracketOwner::kList;
    if (named && now_.declaration && now_.depth == 1 && isOp(i + 1, L")")) {
        // "Shared balls()": declares, does nothing. Inside a value ("Define n =
        // ArraySize(v())") the brackets name the array as anywhere else.
        --now_.depth;
        for (size_t k = i - 1; k <= i + 1; ++k) remove(k);
        return;
    }
    if (record.owner == BracketOwner::kArray && inHeader()) {
        // "Procedure Sum(Array grid.i(1))": the parameter is the array, its bracket only
        // tells the number of dimensions.
        --now_.depth;
        for (int open = 0; i <= all_.last() && t_[i].kind != kEnd; ++i) {
            open += isOp(i, L"(") ? 1 : isOp(i, L")") ? -1 : 0;
            remove(i);
            if (open == 0) break;
        }
        return;
    }
    if (record.owner == BracketOwner::kArray) {
        // "ArraySize(a())": empty brackets name the array itself.
        record.emptyArray = isOp(i + 1, L")");
        if (record.emptyArray)
            remove(i);
        else
            t_[i].text = L"[";
    } else if (record.owner == BracketOwner::kList &&
               state_.symbols.isMap(owner.text, procedureKey()) && !isOp(i + 1, L")")) {
        // "m(key)" is the element of that key, made when missing: m[mapslot(m,key)].
        record.owner = BracketOwner::kMapKey;
        t_[i].text = L"[mapslot(" + owner.text + L",";
    } else if (record.owner == BracketOwner::kList) {
        remove(i);
    }
    now_.brackets.push_back(record);
}

void TokenRewriter::closeBracket(size_t i) {
    if (--now_.depth < 0) {
        report(message::bracketError(t_[i].line));
        remove(i);
        now_.depth = 0;
        return;
    }
    if (now_.brackets.empty()) return;
    BracketRecord record = now_.brackets.back();
    now_.brackets.pop_back();
    switch (record.owner) {
    case BracketOwner::kArray:
        if (record.emptyArray)
            remove(i);
        else
            t_[i].text = L"]";
        break;
    case BracketOwner::kMapKey:
        t_[i].text = L")]";
        break;
    case BracketOwner::kList:
        remove(i);
        if (!isDirectArgument(record, i)) writeCurrentElement(record);
        break;
    default:
        if (inHeader() && now_.depth == 0) t_[i].text = L"){";
        return;
    }
    lastClose_ = i;
    lastCloseStart_ = record.exprStart;
}

// A list is itself only where it is directly the argument of a command made for lists and
// maps ("AddElement(l())", "MapSize(m())") or of a procedure parameter declared List or Map
// ("Procedure Fill(List l())"); everywhere else, "Str(l())", "Twice(l())" included, "l()" is
// its current element.
bool TokenRewriter::isDirectArgument(const BracketRecord& record, size_t close) const {
    if (inHeader()) return true;
    if (now_.brackets.empty() || now_.brackets.back().owner != BracketOwner::kCall) return false;
    const BracketRecord& call = now_.brackets.back();
    const SourceToken& callee = t_[call.ownerIndex];
    if (callee.kind == kCommand) {
        const CommandRow* row = commandTable().lookUpCommand(callee.word);
        if (row == nullptr || !row->takesListAt(call.commas)) return false;
    } else {
        auto it = state_.parameterLists.find(toLower(callee.word));
        if (it != state_.parameterLists.end() &&
            (call.commas >= it->second.size() || it->second[call.commas] != kSelfDeclared))
            return false;
    }
    size_t before = previousKept(record.exprStart);
    return (isOp(before, L"(") || isOp(before, L",")) &&
           (isOp(close + 1, L",") || isOp(close + 1, L")"));
}

// The runtime keeps the current position in slot 0: l[l[0]] is the current element.
void TokenRewriter::writeCurrentElement(const BracketRecord& record) {
    SourceToken& owner = t_[record.ownerIndex];
    std::wstring base = record.exprStart < record.ownerIndex
                            ? joinedText(record.exprStart, record.ownerIndex - 1)
                            : std::wstring();
    owner.text = owner.text + L"[" + base + owner.text + L"[0]]";
}

std::wstring TokenRewriter::joinedText(size_t from, size_t to) const {
    std::wstring text;
    for (size_t k = from; k <= to && k <= all_.last(); ++k)
        if (t_[k].kind != kEmpty && t_[k].kind != kEnd) text += t_[k].text;
    return text;
}

void TokenRewriter::rewriteComma(size_t i) {
    if (now_.depth == 0 && now_.declaration) {
        // "Global a, b": each name a statement of its own.
        t_[i].kind = kEnd;
        t_[i].text = std::wstring(kEndMarkText);
        now_.pendingScope = now_.declarationScope;
        now_.declaring = true;
        removeBlankAfter(i);
        return;
    }
    if (now_.depth == 0 && now_.clause == Clause::kCase)
        report(message::notSupported(t_[i].line, L"Case with several values"));
    if (!now_.brackets.empty() && now_.brackets.back().owner == BracketOwner::kArray)
        t_[i].text = L"][";
    if (!now_.brackets.empty() && now_.brackets.back().owner == BracketOwner::kCall)
        ++now_.brackets.back().commas;
}

void TokenRewriter::rewriteConstant(size_t i) {
    SourceToken& token = t_[i];
    if (startsStatement(i) && isOp(i + 1, L"=")) {
        report(
            message::notSupported(token.line, L"constant definition " + std::wstring(token.word)));
        remove(i);
        removeRestOfStatement(i);
        return;
    }
    std::optional<std::wstring> value = resolveConstant(token.word);
    if (!value) report(message::constNotFound(token.line, token.word));
    token.text = value ? *value : L"0";
}

void TokenRewriter::remove(size_t i) {
    if (i == 0 || i > all_.last() || t_[i].kind == kEmpty) return;
    t_[i].savedKind = t_[i].kind;
    t_[i].kind = kEmpty;
}

void TokenRewriter::removeBlankAfter(size_t i) {
    if (isOp(i + 1, L" ")) remove(i + 1);
}

void TokenRewriter::removeBlankBefore(size_t i) {
    if (isOp(i - 1, L" ")) remove(i - 1);
}

void TokenRewriter::removeRestOfStatement(size_t i) {
    for (size_t j = i + 1; j <= all_.last() && t_[j].kind != kEnd; ++j) remove(j);
}

bool TokenRewriter::isOp(size_t i, std::wstring_view text) const {
    return t_[i].kind == kOp && t_[i].text == text;
}

// Removed blanks do not count; a removed keyword does ("Global a" does not start with a).
bool TokenRewriter::startsStatement(size_t i) const {
    size_t j = i == 0 ? 0 : i - 1;
    while (j > 0 && t_[j].kind == kEmpty && t_[j].savedKind == kOp) --j;
    return j == 0 || t_[j].kind == kEnd;
}

size_t TokenRewriter::previousKept(size_t i) const {
    size_t j = i == 0 ? 0 : i - 1;
    while (j > 0 && t_[j].kind == kEmpty) --j;
    return j;
}

bool TokenRewriter::inHeader() const {
    return procedure_ >= 0 && statement_ == headerStatement_;
}

std::wstring TokenRewriter::procedureKey() const {
    return procedure_ >= 0 ? toLower(all_.procedures[static_cast<size_t>(procedure_)].name)
                           : std::wstring();
}

ProcedureScope* TokenRewriter::currentProcedure() {
    return procedure_ >= 0 ? &all_.procedures[static_cast<size_t>(procedure_)] : nullptr;
}

} // namespace qc
