#pragma once
// The tokenizing scan: every statement becomes typed tokens ending with an "#END#" token, and
// every function the script declares is known. One walk over the characters finds both; the
// names of functions declared further down are settled afterwards on the interned names.
#include "common/diagnostics.h"
#include "compaction/split_statements.h"
#include "compaction/token_sequence.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace qc {

// Lower-case name of every function the script declares ("function" followed by a name): 0
// after the scan; markReachableFunctions sets 1 for those the page can reach.
using FunctionTable = WideTextMap<int>;

struct ScanResult {
    TokenSequence tokens;
    FunctionTable functions;
    std::vector<size_t> declarations; // token indices of the names in "function name("
};

// Tokenizes all statements. Words that fit no kind are
// reported as "JSL unknow <buffer> <length> check <word>" (unless `reported` holds the word,
// so the user is not told twice) and passed through unchanged.
ScanResult tokenizeStatements(const StatementList& statements, Diagnostics& diag,
                              const std::unordered_set<std::wstring>* reported = nullptr);

// The same for the statements of script lines as splitLine cuts them, one line at a time. With
// sourceLines (one per line), a line marker (common/line_table.h) goes before each line whose
// source line differs from the line before, as a statement of its own.
ScanResult tokenizeLines(const std::vector<std::wstring>& lines,
                         const std::vector<int>* sourceLines, Diagnostics& diag,
                         const std::unordered_set<std::wstring>* reported = nullptr);

// "0xff" gives "255". Only "0x" or "0X" followed by at least one character, all of them
// hexadecimal digits, is rewritten; the value wraps at 64 bits like a signed integer.
std::optional<std::wstring> hexadecimalToDecimal(std::wstring_view word);

} // namespace qc
