#pragma once
// What each name of a program is, kind by kind, and the name the page writes it under. The
// dialect keeps variables, arrays, lists, maps, procedures and structures apart: `a`, `A()`
// and `a()` of a list may all live in one program. The page has one name space, so every
// script name is decided here, and a name of one kind never takes the script name of
// another.
#include "translator/source/program_facts.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace qc {

enum class ContainerKind { kArray, kList, kMap };

// A label of the main program or of one procedure: the line it stands on.
struct LabelSymbol {
    int line = 0;
};

struct ContainerSymbol {
    ContainerKind kind = ContainerKind::kArray;
    std::wstring elementType; // a basic type letter, a structure name, or empty (integers)
};

class SymbolTable {
public:
    // An array, list or map under its script name. With a procedure (its lower-case name)
    // it is a parameter of that procedure and seen only inside it; without one it is the
    // program's. Declaring a name again takes the later kind and element type.
    void declareContainer(const std::wstring& scriptName, ContainerKind kind,
                          std::wstring elementType, const std::wstring& procedure = {});
    // The container a bracketed name reaches inside `procedure` ("" for the main program):
    // the procedure's own parameter first, then the program's.
    const ContainerSymbol* container(const std::wstring& scriptName,
                                     const std::wstring& procedure) const;
    // Whether the container of that name seen from `procedure` is declared in that very scope.
    bool sameScope(const std::wstring& scriptName, const std::wstring& procedure) const;
    bool isArray(const std::wstring& scriptName, const std::wstring& procedure) const;
    bool isList(const std::wstring& scriptName, const std::wstring& procedure) const; // or map
    bool isMap(const std::wstring& scriptName, const std::wstring& procedure) const;
    // Whether any scope has a container of that script name: a bracket after it is no call
    // of an unknown function.
    bool anyContainer(const std::wstring& scriptName) const;

    // The element factory and constructor names of a structure ("initpoint", "structpoint").
    void declareStructure(const std::wstring& lowerName);

    // Labels are a name space of their own, one for the main program (scope "") and one for
    // each procedure (its lower-case name): a Goto reaches only the labels of its own scope.
    // False when the scope has the label already.
    bool declareLabel(const std::wstring& scope, const std::wstring& lowerName, int line);
    const LabelSymbol* label(const std::wstring& scope, const std::wstring& lowerName) const;
    // Whether some scope other than `scope` has that label: a Goto to it would leave its own.
    bool labelElsewhere(const std::wstring& scope, const std::wstring& lowerName) const;

    // Script names. A container keeps its lower-case name unless the runtime or the browser
    // uses it; a variable also gives way to a container or a structure's factory of its
    // name, so `Dim A(3)` and a counter `a` are two things in the page.
    static std::wstring containerName(const std::wstring& lowerName);
    std::wstring variableName(const std::wstring& lowerName) const;
    // Records a variable's script name as used, for the procedures' names below.
    void useVariable(const std::wstring& scriptName) { variables_.insert(scriptName); }

    // Whether a procedure must be written under a private prefix: its name is taken by the
    // runtime, the browser, the page's own functions, or a variable or container of the
    // program. The script tells names apart by case, and variables are lower case, so only
    // a procedure spelled in lower case can meet a variable.
    bool procedureNeedsPrivateName(const std::wstring& declared) const;

    // The program's own constants, each known from the line of its definition on: a use
    // before it is a constant the program does not have yet.
    void setConstants(ProgramConstants constants) { constants_ = std::move(constants); }
    const ConstantValue* constant(std::wstring_view written, int line) const;

private:
    ProgramConstants constants_;
    std::unordered_map<std::wstring, ContainerSymbol> containers_; // "scope\name" -> symbol
    std::unordered_set<std::wstring> containerNames_;              // in any scope
    std::unordered_set<std::wstring> typeNames_{L"initint", L"initfloat", L"initstring"};
    std::unordered_set<std::wstring> variables_;
    std::unordered_map<std::wstring, LabelSymbol> labels_;            // "scope\name" -> symbol
    std::unordered_multimap<std::wstring, std::wstring> labelScopes_; // name -> its scopes
};

// Names the runtime or the browser uses for themselves ("empty", "drag", "document", ...),
// which a program's name must not take in the page.
bool isReservedScriptName(const std::wstring& name);

// How many parameters the page runtime's own function of this name declares, read from the
// runtime's text ("function FindString(s, f, start, mode)" takes 4); -1 for a name the runtime
// does not define as a function. The runtime reads no argument beyond its parameters.
int runtimeParameterCount(const std::wstring& name);

} // namespace qc
