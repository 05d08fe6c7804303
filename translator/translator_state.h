#pragma once
// The registries one translation fills and the page writer reads. Every map keeps insertion
// order, so the same source always gives the same page.
#include "common/ordered_map.h"
#include "translator/semantics/symbol_table.h"
#include "translator/undeclared_names.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace qc {

// A type the page can create elements of: the three built-in element constructors and, for
// every Structure, an "init" + name entry (the element factory) and a "struct" + name entry
// that carries the generated code.
struct TypeRecord {
    std::wstring name;
    std::vector<std::wstring> fields;       // "x=0;" ... declared by the constructor
    std::vector<std::wstring> initialisers; // the element factory's lines
    std::vector<std::wstring> listFields;   // "items=NewList(initint);" ... re-created lists
};

// The variables and scopes of one procedure, filled while its statements are rewritten.
struct ProcedureScope {
    std::wstring name;               // as written in the header
    OrderedMap<std::wstring> locals; // lower-case name -> type text ("##": no declaration)
    OrderedMap<int> scopes;          // lower-case name -> declaring scope
};

// Declaring scopes, as the keyword before a name sets them.
enum DeclarationScope : int {
    kScopeNone = 0,
    kScopeStatic = 1,
    kScopeShared = 2,
    kScopeGlobal = 3,
    kScopeProtected = 4,
};

// The type text of arrays, lists and parameters: they declare themselves.
inline constexpr std::wstring_view kSelfDeclared = L"##";

struct TranslatorState {
    TranslatorState() {
        for (const wchar_t* builtIn : {L"initint", L"initfloat", L"initstring"})
            types[builtIn].name = builtIn;
    }

    // What each name is and the script name it is written under; the maps below hold what
    // the page declares and what the expression pass needs beyond that.
    SymbolTable symbols;
    OrderedMap<TypeRecord> types;
    OrderedMap<std::wstring> arrayDeclarations; // script name -> "var name=0;"
    OrderedMap<std::wstring> listDeclarations;  // script name -> "var name=0;"; "\field" -> ""
    OrderedMap<std::wstring> procedures;        // lower-case name -> name as declared
    OrderedMap<int> globals;                    // names declared Global
    OrderedMap<std::wstring> variables;         // name -> type text
    OrderedMap<std::wstring> initialValues;     // static variables: their value before any call

    // What the expression pass needs to know the type of every operand. A type is a basic
    // type letter, a structure name, or empty for a name without one (an integer).
    std::unordered_map<std::wstring, std::wstring> fieldTypes;       // "structure\field" -> type
    std::unordered_map<std::wstring, std::wstring> procedureResults; // lower-case name -> type
    // Lower-case procedure name -> its parameters' types in order ("##" for an array, list
    // or map); "procedure\parameter" (both lower case, as written) -> that parameter's type.
    std::unordered_map<std::wstring, std::vector<std::wstring>> parameterLists;
    std::unordered_map<std::wstring, std::wstring> parameterTypes;
    UndeclaredNames undeclared; // what EnableExplicit reports
    // Lower-case names of the procedures written as async functions: they wait for events.
    std::unordered_set<std::wstring> waitingProcedures;

    bool isListField(const std::wstring& field) const {
        return listDeclarations.contains(L"\\" + field);
    }
    bool isStructure(const std::wstring& type) const {
        return !type.empty() && types.contains(L"struct" + type);
    }
};

// True for the one-letter types of the dialect: a, b, c, w, u, l, i, f, q, d, s.
bool isBasicType(std::wstring_view type);

// Procedures whose name the runtime, the browser, the page or a variable of the program
// already uses are written under a private prefix; the others keep their names.
struct TranslationTokens;
void giveProceduresTheirNames(TranslationTokens& all, const TranslatorState& state);

// A field path as the page writes it: "\Pos\Name$" -> ".pos.name". Fields lose their "$" (a
// member "name$" is no name the script compaction accepts); structures declare them so.
std::wstring fieldPath(std::wstring_view path);

} // namespace qc
