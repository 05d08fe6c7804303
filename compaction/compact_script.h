#pragma once
// Script compaction: splits the page script into statements, tokenizes them, drops the
// functions and the top-level variables nothing refers to, gives names short generated names
// (the most used get the shortest) and writes one statement per line.
#include "common/diagnostics.h"
#include "compaction/rename_state.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace qc {

// Words an earlier stage of the same conversion has already reported to the user.
using ReportedWords = std::unordered_set<std::wstring>;

// Compacts the whole page script (runtime library and translated program). The lines are
// read, not changed. Unknown words are reported through diag (unless `reported` holds them)
// and passed through; the work always completes. Short names are taken from and added to
// names. With `sourceLines` (the source line of each script line, for the page's line table),
// they travel through compaction as line markers (common/line_table.h): on return it holds the
// source line of each compacted line, and the statements of one source line are joined
// (SourceLineReader).
std::vector<std::wstring> compactScript(const std::vector<std::wstring>& scriptLines,
                                        RenameState& names, Diagnostics& diag,
                                        const ReportedWords* reported = nullptr,
                                        std::vector<int>* sourceLines = nullptr);

} // namespace qc
