#include "translator/declarations.h"

#include "common/text.h"
#include "translator/source/lexer.h"
#include "vocabulary/classify_word.h"
#include "vocabulary/statement_list.h"

#include <optional>
#include <unordered_set>

namespace qc {
namespace {

constexpr std::wstring_view kBlanks = L" \t";

bool isPlainName(std::wstring_view name) {
    int kind = classifyWord(name);
    return (kind == kWordName || kind == kWordStringName) &&
           name.find_first_of(L".\\*") == std::wstring_view::npos;
}

// "name.type" -> lower-case name and type.
std::pair<std::wstring, std::wstring> splitNameAndType(std::wstring_view head) {
    std::wstring lower = toLower(trim(head, kBlanks));
    size_t dot = lower.find(L'.');
    if (dot == std::wstring::npos) return {lower, L""};
    return {lower.substr(0, dot), lower.substr(dot + 1)};
}

// Cuts a trailing "[n]" off and returns n; empty when there is none.
std::wstring takeFixedCount(std::wstring& text) {
    size_t open = text.find(L'[');
    if (open == std::wstring::npos || !endsWith(text, L"]")) return L"";
    std::wstring count = text.substr(open + 1, text.size() - open - 2);
    text.erase(open);
    return count;
}

class DeclarationPass {
public:
    DeclarationPass(TranslatorState& state, Diagnostics& diag) : state_(state), diag_(diag) {}

    std::vector<std::wstring> run(const std::vector<std::wstring>& statements) {
        out_.reserve(statements.size() + statements.size() / 8);
        for (size_t i = 0; i < statements.size(); ++i) {
            const std::wstring& element = statements[i];
            if (isLineMarker(element) || isTargetLine(element)) {
                if (isLineMarker(element)) line_ = markerLine(element);
                out_.push_back(element);
                continue;
            }
            std::wstring lc = toLower(element);
            if (startsWith(lc, L"structure ")) {
                i = readStructure(statements, i);
                continue;
            }
            // Left in, the page would meet it as an unknown name.
            if (lc == L"endstructure") {
                report(message::withoutEnd(line_, L"EndStructure", L"Structure"));
                continue;
            }
            declare(element, lc);
        }
        return std::move(out_);
    }

private:
    void declare(const std::wstring& given, const std::wstring& givenLc) {
        size_t scope = scopeBeforeDeclaration(givenLc);
        std::wstring keyword = givenLc.substr(0, scope);
        std::wstring statement = given.substr(scope);
        std::wstring lc = givenLc.substr(scope);
        if (declaresSeveral(given.substr(0, scope), statement, lc)) return;
        if (startsWith(lc, L"dim ")) {
            declareArray(statement, keyword, given, false);
        } else if (startsWith(lc, L"redim ")) {
            declareArray(statement, keyword, given, true);
        } else if (startsWith(lc, L"newlist ")) {
            declareList(statement, keyword, given, 8);
        } else if (startsWith(lc, L"newmap ")) {
            declareList(statement, keyword, given, 7);
        } else if (startsWith(lc, L"foreach ")) {
            std::wstring list = std::wstring(trim(std::wstring_view(lc).substr(8), kBlanks));
            out_.push_back(L"ResetList(" + list + L")");
            out_.push_back(L"While NextElement(" + list + L")");
        } else {
            if (startsWith(lc, L"procedure ") || startsWith(lc, L"procedure.")) {
                registerParameters(statement);
                inProcedure_ = true;
            }
            if (lc == L"endprocedure") {
                inProcedure_ = false;
                procedure_.clear();
                arrayParameters_.clear();
            }
            out_.push_back(statement);
        }
    }

    // "Global NewList a(), NewMap m()", "Dim a(10), b(5)", "Global Dim a(3), total": each
    // declaration of the list on its own, a name with brackets of the kind before it, any
    // other name a variable of the same scope. The keyword is as written, for messages.
    bool declaresSeveral(const std::wstring& keyword, const std::wstring& statement,
                         const std::wstring& lc) {
        size_t length = startsWith(lc, L"dim ")       ? 4
                        : startsWith(lc, L"newlist ") ? 8
                        : startsWith(lc, L"newmap ")  ? 7
                                                      : 0;
        if (length == 0) return false;
        std::vector<std::wstring> parts =
            splitArguments(std::wstring_view(statement).substr(length));
        if (parts.size() < 2) return false;
        std::wstring kind = statement.substr(0, length);
        // Where each item stands in the statement as written, so a message names its column.
        size_t at = keyword.size() + length;
        int shiftBefore = columnShift_;
        for (const std::wstring& part : parts) {
            std::wstring_view item = trim(part, kBlanks);
            size_t written = at + std::min(part.find_first_not_of(kBlanks), part.size());
            at += part.size() + 1;
            std::wstring itemLc = toLower(item);
            std::wstring next;
            if (startsWith(itemLc, L"dim ") || startsWith(itemLc, L"newlist ") ||
                startsWith(itemLc, L"newmap "))
                next = keyword + std::wstring(item);
            else if (item.find(L'(') != std::wstring_view::npos)
                next = keyword + kind + std::wstring(item);
            else if (!keyword.empty())
                next = keyword + std::wstring(item);
            else
                next = L"Define " + std::wstring(item);
            columnShift_ = shiftBefore + static_cast<int>(written) -
                           static_cast<int>(next.size() - item.size());
            declare(next, toLower(next));
        }
        columnShift_ = shiftBefore;
        return true;
    }

    // The length of "Protected " in "Protected Dim a(10)"; 0 when no such keyword leads.
    static size_t scopeBeforeDeclaration(const std::wstring& lc) {
        for (std::wstring_view keyword :
             {L"global ", L"protected ", L"static ", L"shared ", L"define "}) {
            if (!startsWith(lc, keyword)) continue;
            std::wstring_view rest = std::wstring_view(lc).substr(keyword.size());
            if (startsWith(rest, L"dim ") || startsWith(rest, L"newlist ") ||
                startsWith(rest, L"newmap "))
                return keyword.size();
        }
        return 0;
    }

    // What goes before "name=dimfunc(...)": the keyword that tells the statement pass
    // whose array it is. The main program's arrays, lists and maps are the page's; inside
    // a procedure they belong to the call ("protected "), or, with Static, to the
    // procedure across its calls ("static "). Global and Shared there mean the program's
    // own, and so does a plain Dim of a name the source declared Global before: it sizes
    // that array anew.
    std::wstring ownerKeyword(const std::wstring& keyword, const std::wstring& name) {
        if (keyword == L"global ") {
            globalContainers_.insert(name);
            return keyword;
        }
        if (!inProcedure_ || keyword == L"shared ") return L"";
        if (keyword == L"static ") return keyword;
        if (keyword != L"protected " && globalContainers_.contains(name)) return L"";
        return L"protected ";
    }

    // statement is without the scope keyword, written is the statement as written.
    // "ReDim a(n)" (keep) resizes the array where it is, keeping the elements that still
    // fit; "Dim" of an array parameter refills the caller's array. Both change the array
    // object itself, so the caller that passed it sees the change.
    void declareArray(const std::wstring& statement, const std::wstring& keyword,
                      const std::wstring& written, bool keep) {
        size_t length = keep ? 6 : 4; // "redim " or "dim "
        std::wstring_view rest = std::wstring_view(statement).substr(length);
        size_t open = rest.find(L'(');
        size_t close = open == std::wstring_view::npos ? open : matchingParen(rest, open);
        if (close == std::wstring_view::npos) return report(message::bracketError(line_));
        auto [name, type] = splitNameAndType(rest.substr(0, open));
        std::wstring_view bounds = trim(rest.substr(open + 1, close - open - 1), kBlanks);
        size_t dimensions = splitArguments(bounds).size();
        if (!isPlainName(name) || bounds.empty() || dimensions > 3 ||
            !trim(rest.substr(close + 1), kBlanks).empty()) {
            report(message::notSupported(line_, written));
            return keepKnown(name, ContainerKind::kArray);
        }
        std::wstring sizes(bounds);
        if (dimensions == 1) sizes += L",-1,-1";
        if (dimensions == 2) sizes += L",-1";
        // An element type that does not exist is reported once; the array is still made, of
        // integers, so that the program's uses of it run and report nothing more.
        if (!isKnownType(type)) {
            report(message::unknownType(line_, columnOf(keyword.size() + length),
                                        trim(rest.substr(0, open), kBlanks)));
            type.clear();
        }
        std::wstring key = SymbolTable::containerName(name);
        bool parameter = arrayParameters_.contains(key);
        bool inPlace = keep || parameter;
        // An array that exists keeps its element type where the statement names none.
        const ContainerSymbol* known = state_.symbols.container(key, procedure_);
        if (inPlace && type.empty() && known != nullptr && known->kind == ContainerKind::kArray)
            type = known->elementType;
        std::wstring initialiser = elementInitialiser(name, type, state_);
        // "a()" in the call names the array itself, as it does anywhere else.
        if (inPlace)
            out_.push_back(name + L"=redimfunc(" + name + L"()" + (keep ? L",1," : L",0,") +
                           initialiser + L"," + sizes + L")");
        else
            out_.push_back(ownerKeyword(keyword, name) + name + L"=dimfunc(" + initialiser + L"," +
                           sizes + L")");
        registerContainer(name, ContainerKind::kArray, valueType(name, type),
                          parameter ? procedure_ : std::wstring());
    }

    // NewList and NewMap ("newmap " is 7 long): a map is a list whose elements have keys.
    void declareList(const std::wstring& statement, const std::wstring& keyword,
                     const std::wstring& written, size_t length) {
        bool map = length == 7;
        std::wstring_view rest = std::wstring_view(statement).substr(length);
        size_t open = rest.find(L'(');
        if (open == std::wstring_view::npos) return report(message::bracketError(line_));
        auto [name, type] = splitNameAndType(rest.substr(0, open));
        if (!isPlainName(name) || trim(rest.substr(open), kBlanks) != L"()") {
            report(message::notSupported(line_, written));
            return keepKnown(name, map ? ContainerKind::kMap : ContainerKind::kList);
        }
        if (!isKnownType(type)) {
            report(message::unknownType(line_, columnOf(keyword.size() + length),
                                        trim(rest.substr(0, open), kBlanks)));
            type.clear();
        }
        std::wstring owner = ownerKeyword(keyword, name);
        // The main program's "Global NewList" needs no keyword: its lists are the page's.
        if (!inProcedure_) owner.clear();
        out_.push_back(owner + name + (map ? L"=NewMap(" : L"=NewList(") +
                       elementInitialiser(name, type, state_) + L")");
        registerContainer(name, map ? ContainerKind::kMap : ContainerKind::kList,
                          valueType(name, type));
    }

    // The column in the line as written of the position `at` of the statement being declared.
    int columnOf(size_t at) const { return static_cast<int>(at) + 1 + columnShift_; }

    bool isKnownType(const std::wstring& type) const {
        return type.empty() || isBasicType(type) || state_.isStructure(type);
    }

    // A refused declaration still declares its name: the program's later uses of it are
    // not each reported as a procedure that does not exist.
    void keepKnown(const std::wstring& name, ContainerKind kind) {
        if (isPlainName(name)) registerContainer(name, kind, valueType(name, L""));
    }

    // A parameter (with its procedure) is seen only inside its procedure; the page still
    // gets one "var" line per script name.
    void registerContainer(const std::wstring& name, ContainerKind kind, std::wstring elementType,
                           const std::wstring& procedure = {}) {
        std::wstring written = SymbolTable::containerName(name);
        // `A(1)` of an array and of a list or map cannot be told apart where both are seen.
        if (const ContainerSymbol* known = state_.symbols.container(written, procedure);
            known != nullptr && known->kind != kind &&
            state_.symbols.sameScope(written, procedure)) {
            report(message::notSupported(line_, std::wstring(kindWord(known->kind)) + L" and " +
                                                    std::wstring(kindWord(kind)) +
                                                    L" of one name: " + name));
            return;
        }
        state_.symbols.declareContainer(written, kind, std::move(elementType), procedure);
        auto& declarations =
            kind == ContainerKind::kArray ? state_.arrayDeclarations : state_.listDeclarations;
        auto& other =
            kind == ContainerKind::kArray ? state_.listDeclarations : state_.arrayDeclarations;
        if (!other.contains(written)) declarations[written] = L"var " + written + L"=0;";
        state_.variables[written] = std::wstring(kSelfDeclared);
    }

    // "Procedure Sum(List values.i(), Array grid.i(2))": the body reads these like the
    // program's own lists and arrays.
    // The header also gives the procedure's result type and its parameters' types, which
    // decide where a value passed or returned is rounded to an integer.
    void registerParameters(const std::wstring& header) {
        size_t open = header.find(L'(');
        size_t close = open == std::wstring::npos ? open : matchingParen(header, open);
        if (close == std::wstring::npos) return;
        std::wstring lowerHead = toLower(header.substr(0, open));
        std::wstring result;
        if (lowerHead[9] == L'.') {
            size_t blank = lowerHead.find_first_of(kBlanks, 10);
            result = lowerHead.substr(10, blank == std::wstring::npos ? 0 : blank - 10);
        }
        size_t nameStart = lowerHead.find_first_of(kBlanks, 9);
        std::wstring procedure(
            trim(nameStart == std::wstring::npos ? L"" : lowerHead.substr(nameStart), kBlanks));
        state_.procedureResults[procedure] = result;
        procedure_ = procedure;
        std::vector<std::wstring>& list = state_.parameterLists[procedure];
        list.clear();
        arrayParameters_.clear();
        std::wstring_view inside = std::wstring_view(header).substr(open + 1, close - open - 1);
        for (std::wstring_view parameter : splitArguments(inside)) {
            std::wstring lc = toLower(trim(parameter, kBlanks));
            if (lc.empty()) continue;
            bool isList = startsWith(lc, L"list ");
            bool isMap = startsWith(lc, L"map ");
            bool isContainer = isList || isMap || startsWith(lc, L"array ");
            if (!isContainer) {
                auto [name, type] = splitNameAndType(lc.substr(0, lc.find(L'=')));
                list.push_back(valueType(name, type));
                state_.parameterTypes[procedure + L"\\" + name] = list.back();
                continue;
            }
            list.push_back(std::wstring(kSelfDeclared));
            std::wstring_view head = trim(std::wstring_view(lc).substr(lc.find(L' ')), kBlanks);
            auto [name, type] = splitNameAndType(head.substr(0, head.find(L'(')));
            if (!isPlainName(name)) continue;
            ContainerKind kind = isMap    ? ContainerKind::kMap
                                 : isList ? ContainerKind::kList
                                          : ContainerKind::kArray;
            registerContainer(name, kind, valueType(name, type), procedure);
            if (kind == ContainerKind::kArray)
                arrayParameters_[SymbolTable::containerName(name)] = 1;
        }
    }

    static std::wstring_view kindWord(ContainerKind kind) {
        return kind == ContainerKind::kArray  ? L"array"
               : kind == ContainerKind::kList ? L"list"
                                              : L"map";
    }

    // "name$" is a string whatever its suffix says.
    static std::wstring valueType(const std::wstring& name, const std::wstring& type) {
        return !name.empty() && name.back() == L'$' ? L"s" : type;
    }

    size_t readStructure(const std::vector<std::wstring>& statements, size_t start);
    void addField(TypeRecord& record, const std::wstring& statement);
    void addListField(TypeRecord& record, std::wstring name, std::wstring type);

    void report(Diagnostic record) { diag_.error(std::move(record)); }

    TranslatorState& state_;
    Diagnostics& diag_;
    std::vector<std::wstring> out_;
    OrderedMap<int> arrayParameters_; // of the procedure being read, by script name
    std::wstring procedure_;          // lower-case name of the procedure being read
    int line_ = -1;
    int columnShift_ = 0;    // of an item of "Dim a(1), b(2)", declared as a statement of its own
    std::wstring structure_; // the structure being read
    bool inProcedure_ = false;
    std::unordered_set<std::wstring> globalContainers_; // declared Global so far
};

// Finds the EndStructure of the Structure at start. A Structure, Procedure or EndProcedure
// line before it means it was never closed: the structure is reported and the program
// after its head is read as usual instead of vanishing into the field list.
size_t DeclarationPass::readStructure(const std::vector<std::wstring>& statements, size_t start) {
    int headLine = line_;
    std::optional<size_t> end;
    for (size_t i = start + 1; i < statements.size() && !end; ++i) {
        std::wstring lc = toLower(statements[i]);
        if (lc == L"endstructure")
            end = i;
        else if (startsWith(lc, L"structure ") || startsWith(lc, L"procedure ") ||
                 startsWith(lc, L"procedure.") || lc == L"endprocedure")
            break;
    }
    if (!end) {
        report(message::withoutEnd(headLine, L"Structure", L"EndStructure"));
        return start;
    }
    std::wstring name = toLower(trim(std::wstring_view(statements[start]).substr(10), kBlanks));
    std::wstring base;
    if (size_t extends = name.find(L" extends "); extends != std::wstring::npos) {
        base = std::wstring(trim(std::wstring_view(name).substr(extends + 9), kBlanks));
        name = std::wstring(trim(std::wstring_view(name).substr(0, extends), kBlanks));
    }
    bool valid = isPlainName(name) && name.back() != L'$';
    if (!valid) report(message::notSupported(headLine, statements[start]));
    if (name == L"int" || name == L"float" || name == L"string") {
        report(message::reservedName(headLine, L"structure", trim(statements[start].substr(10))));
        valid = false;
    }
    structure_ = name;
    TypeRecord record;
    record.name = L"struct" + name;
    record.initialisers = {L"function init" + name + L"(){",
                           L"var bufvar=new struct" + name + L"();"};
    // "Structure B Extends A": A's fields come first, as they are in A.
    if (!base.empty()) {
        if (const TypeRecord* inherited = state_.types.find(L"struct" + base)) {
            record.fields = inherited->fields;
            record.listFields = inherited->listFields;
            record.initialisers.insert(record.initialisers.end(),
                                       inherited->initialisers.begin() + 2,
                                       inherited->initialisers.end() - 2);
        } else {
            report(message::unknownType(headLine, 1, base));
        }
    }
    for (size_t i = start + 1; i < *end; ++i) {
        if (isLineMarker(statements[i])) {
            line_ = markerLine(statements[i]);
            out_.push_back(statements[i]);
        } else {
            addField(record, statements[i]);
        }
    }
    record.initialisers.insert(record.initialisers.end(), {L"return bufvar;", L"}"});
    if (valid) {
        state_.symbols.declareStructure(name);
        state_.types[L"init" + name].name = L"init" + name;
        state_.types[L"struct" + name] = std::move(record);
    }
    return *end;
}

void DeclarationPass::addField(TypeRecord& record, const std::wstring& statement) {
    std::wstring lc = toLower(trim(statement, kBlanks));
    if (startsWith(lc, L"list ")) {
        std::wstring_view rest = trim(std::wstring_view(lc).substr(5), kBlanks);
        if (!endsWith(rest, L"()")) return report(message::notSupported(line_, statement));
        auto [listName, listType] = splitNameAndType(rest.substr(0, rest.size() - 2));
        return addListField(record, listName, listType);
    }
    size_t dot = lc.find(L'.');
    std::wstring name = lc.substr(0, dot);
    std::wstring type = dot == std::wstring::npos ? L"" : lc.substr(dot + 1);
    // "cells.i[10]": ten elements, 0 to 9, each its type's zero.
    std::wstring fixedCount = takeFixedCount(dot == std::wstring::npos ? name : type);
    // A pointer holds an address in the dialect; in the page it is a plain number.
    if (startsWith(name, L"*")) name.erase(0, 1), type = L"i";
    if (endsWith(name, L"$")) name.pop_back(), type = L"s";
    if (!isPlainName(name) || lc.find(L'(') != std::wstring::npos ||
        type.find(L'[') != std::wstring::npos)
        return report(message::notSupported(line_, statement));
    if (!fixedCount.empty()) {
        if (!type.empty() && !isBasicType(type) && !state_.isStructure(type))
            return report(message::unknownType(line_, 1, statement));
        record.initialisers.push_back(L"bufvar." + name + L"=dimfunc(" +
                                      elementInitialiser(name, type, state_) + L"," + fixedCount +
                                      L"-1,-1,-1);");
        record.fields.push_back(name + L"=0;");
        return;
    }
    if (!type.empty() && !isBasicType(type)) {
        if (!state_.isStructure(type)) return report(message::unknownType(line_, 1, statement));
        record.initialisers.push_back(L"bufvar." + name + L"=init" + type + L"();");
    }
    state_.fieldTypes[structure_ + L"\\" + name] = type;
    if (type == L"s")
        record.fields.push_back(name + L"=\"\";");
    else if (type == L"f" || type == L"d")
        record.fields.push_back(name + L"=0.0;");
    else
        record.fields.push_back(name + L"=0;");
}

// A list field gets one list line in the element factory and one in the function that
// re-creates an element's lists; the field itself starts as 0 in the constructor.
void DeclarationPass::addListField(TypeRecord& record, std::wstring name, std::wstring type) {
    if (!isPlainName(name)) return report(message::notSupported(line_, L"List " + name));
    if (endsWith(name, L"$")) name.pop_back(), type = L"s";
    if (!state_.listDeclarations.contains(L"\\" + name))
        state_.listDeclarations[L"\\" + name] = L"";
    // A list of elements of the structure itself is fine (a tree); a field of its own
    // type would be an element without end.
    bool known = state_.isStructure(type) || type == structure_;
    if (!type.empty() && !isBasicType(type) && !known)
        return report(message::unknownType(line_, 1, name + L"." + type + L"()"));
    std::wstring initialiser =
        type == structure_ ? L"init" + type : elementInitialiser(name, type, state_);
    std::wstring line = name + L"=NewList(" + initialiser + L");";
    record.listFields.push_back(line);
    record.initialisers.push_back(L"bufvar." + line);
    record.fields.push_back(name + L"=0;");
}

} // namespace

std::wstring elementInitialiser(const std::wstring& name, const std::wstring& type,
                                const TranslatorState& state) {
    if (state.isStructure(type)) return L"init" + type;
    if (type == L"f" || type == L"d") return L"initfloat";
    if (type == L"s" || endsWith(type, L"$") || (type.empty() && endsWith(name, L"$")))
        return L"initstring";
    return L"initint";
}

std::vector<std::wstring> runDeclarationPass(const std::vector<std::wstring>& statements,
                                             TranslatorState& state, Diagnostics& diag) {
    return DeclarationPass(state, diag).run(statements);
}

} // namespace qc
