#include "translator/variable_registry.h"
#include "common/text.h"
#include "vocabulary/statement_list.h"

namespace qc {
namespace {

// An entry is made once; an empty type may be filled in later, a known one never changes.
void enterType(OrderedMap<std::wstring>& map, const std::wstring& name, const std::wstring& type) {
    std::wstring* known = map.find(name);
    if (known == nullptr)
        map[name] = type;
    else if (known->empty())
        *known = type;
}

// An array, list or map named inside a procedure. "Protected a=dimfunc(...)" (what the
// declaration pass makes of a Dim there) makes it the call's own: the procedure declares it
// as a local, so a recursive call gets its own. "Static a=..." makes it the procedure's own
// across calls, kept under a page-level name like a static variable; the statement pass
// gives it its contents once.
std::wstring containerOfProcedure(const std::wstring& name, int scope, TranslatorState& state,
                                  ProcedureScope& procedure, const ContainerSymbol& symbol) {
    if ((scope == kScopeProtected || scope == kScopeStatic) && !procedure.scopes.contains(name)) {
        procedure.locals[name] = std::wstring(kSelfDeclared);
        procedure.scopes[name] = scope;
    }
    const int* declared = procedure.scopes.find(name);
    if (declared == nullptr || *declared != kScopeStatic) return name;
    std::wstring global = L"static_" + procedure.name + L"_" + name;
    if (state.symbols.anyContainer(global)) return global;
    bool array = symbol.kind == ContainerKind::kArray;
    (array ? state.arrayDeclarations : state.listDeclarations)[global] = L"var " + global + L"=0;";
    state.variables[global] = std::wstring(kSelfDeclared);
    state.symbols.declareContainer(global, symbol.kind, symbol.elementType);
    return global;
}

} // namespace

std::wstring registerVariable(const VariableUse& use, TranslatorState& state,
                              ProcedureScope* procedure, Diagnostics& diag) {
    std::wstring_view word = use.word;
    size_t slash = word.find(L'\\');
    std::wstring path;
    if (slash != std::wstring_view::npos) path = fieldPath(word.substr(slash));
    std::wstring lower = toLower(word.substr(0, slash));
    size_t dot = lower.find(L'.');
    std::wstring name = lower.substr(0, dot);
    std::wstring type = dot == std::wstring::npos ? L"" : lower.substr(dot + 1);
    // "l()\x" leaves "\x" alone and "-x" is an operator and a name: neither is a variable.
    if (name.empty() || name[0] == L'-') return std::wstring(word);
    if (name.back() == L'$') type = L"s";
    if (type.empty()) type = use.defaultType;
    if (!type.empty() && !isBasicType(type) && !state.isStructure(type)) {
        diag.error(message::unknownType(use.line, use.column, word));
        type.clear();
    }
    const ContainerSymbol* container = nullptr;
    if (use.container && path.empty()) {
        std::wstring written = SymbolTable::containerName(name);
        container = state.symbols.container(written, procedure ? toLower(procedure->name) : L"");
        if (container != nullptr) name = written;
    }
    if (container == nullptr) {
        name = state.symbols.variableName(name);
        state.symbols.useVariable(name);
    }
    if (procedure == nullptr || container != nullptr) {
        if (use.scope == kScopeGlobal) state.globals[name] = 1;
        enterType(state.variables, name, type);
        if (procedure == nullptr) return name + path;
        return containerOfProcedure(name, use.scope, state, *procedure, *container) + path;
    }
    // Global and Shared inside a procedure reach the program's own variable.
    if (use.scope == kScopeGlobal) state.globals[name] = 1;
    if (use.scope == kScopeGlobal || use.scope == kScopeShared)
        enterType(state.variables, name, type);
    enterType(procedure->locals, name, use.parameter ? std::wstring(kSelfDeclared) : type);
    if (use.scope != kScopeNone && !procedure->scopes.contains(name))
        procedure->scopes[name] = use.scope;
    const int* scope = procedure->scopes.find(name);
    if (scope == nullptr || *scope != kScopeStatic) return name + path;
    // A static variable lives outside the procedure, so it keeps its value between calls.
    std::wstring global = L"static_" + procedure->name + L"_" + name;
    const std::wstring& localType = *procedure->locals.find(name);
    enterType(state.variables, global, localType == kSelfDeclared ? type : localType);
    return global + path;
}

} // namespace qc
