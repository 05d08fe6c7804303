#pragma once
// Script compaction: splits the page script into statements, tokenizes them, drops the
// functions nothing refers to, gives names short generated names (the most used get the
// shortest) and writes one statement per line.
#include "common/diagnostics.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace qc {

// What must outlive one conversion: a name keeps its short name for the whole run of the
// program, and new names continue the sequence. Owned by the caller.
struct RenameState {
    std::unordered_map<std::wstring, std::wstring> shortNames;
    std::array<int, 4> digits{1, 1, 1, 1}; // d1 (last character) .. d4 (first character)
    long long count = 0;                   // short names handed out
};

std::vector<std::wstring> CompactScript(const std::vector<std::wstring>& scriptLines,
                                        RenameState& names, Diagnostics& diag);

} // namespace qc
