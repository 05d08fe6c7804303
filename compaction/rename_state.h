#pragma once
// What compaction keeps from one conversion to the next within one run of the program: a name
// keeps its short name, and new names continue the generator's sequence. Owned by the caller
// (the window program's shell state, the headless tool's main).
#include "compaction/name_generator.h"

#include <string>
#include <unordered_map>

namespace qc {

struct RenameState {
    // Key: a name as the script writes it (case-sensitive, without a leading "." or "-").
    std::unordered_map<std::wstring, std::wstring> shortNames;
    NameGenerator generator;
};

// The short name of a name, given on first request; "" for an empty name (no entry is made).
// The reference stays valid as long as the state lives.
const std::wstring& shortNameOf(RenameState& state, const std::wstring& name);

} // namespace qc
