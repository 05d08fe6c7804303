#pragma once
// What the language pass learns of the program before it is parsed, for the stages after it:
// the constants the program defines and the byte layout of its structures.
#include "translator/language/operator_table.h"
#include "translator/source/structure_layouts.h"

#include <string>
#include <unordered_map>

namespace qc {

struct ProgramConstant {
    ConstantValue value;
    int line = 0; // of its definition; a use on an earlier line does not know it
};

using ProgramConstants = std::unordered_map<std::wstring, ProgramConstant>; // lower case, no "#"

struct ProgramFacts {
    ProgramConstants constants;
    StructureLayouts layouts;
};

} // namespace qc
