#pragma once
// What the language pass learns of the program before it is parsed, for the stages after it:
// the constants the program defines and the byte layout of its structures.
#include "translator/language/operator_table.h"
#include "translator/source/structure_layouts.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace qc {

struct ProgramConstant {
    ConstantValue value;
    int line = 0; // of its definition; a use on an earlier line does not know it
};

using ProgramConstants = std::unordered_map<std::wstring, ProgramConstant>; // lower case, no "#"

// What a module makes reachable from outside it, and the types it defines. Every name of a
// module is written as "Module__Name" (its constants too, "module__name" in `constants`), so
// the names of two modules and of the main program never meet; what the DeclareModule block
// lists is all that "Module::Name" and UseModule reach from outside.
struct ModuleFacts {
    std::wstring spelling;                    // as its DeclareModule writes it
    std::unordered_set<std::wstring> exports; // lower case; "#name" for a constant
    std::unordered_set<std::wstring> types;   // its structures and prototypes, lower case
};

struct ProgramFacts {
    ProgramConstants constants;
    StructureLayouts layouts;
    std::unordered_map<std::wstring, ModuleFacts> modules; // by lower-case name
};

// The name an item of a module is written under.
inline std::wstring moduleItemName(std::wstring_view module, std::wstring_view item) {
    std::wstring name(module);
    name += L"__";
    name += item;
    return name;
}

} // namespace qc
