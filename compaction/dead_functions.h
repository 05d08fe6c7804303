#pragma once
// Which declared functions and which top-level variables the page can reach. A function counts
// as used when it is referred to from code outside every function, from its own body, or from
// a function that is used itself; so a runtime helper that only an unused runtime function
// calls goes too. A top-level "var" whose initial value has no effect counts as used in the
// same way; such a declaration stands for its name, and what its value refers to is used only
// while the name is.
#include "compaction/token_sequence.h"
#include "compaction/tokenize_script.h"

#include <vector>

namespace qc {

// The index of the brace that closes the function declared at token i (the first "{" after
// the parameter list opens the body), or the last token when the braces do not close.
size_t functionEnd(const TokenSequence& tokens, size_t i);

// The tokens of one statement, first to last ("#END#" included).
struct TokenRange {
    size_t first = 0;
    size_t last = 0;
};
// Statements that can go, ascending and apart.
using DeadStatements = std::vector<TokenRange>;

// Sets every entry of the function table to 1 when the function is used as above and to 0
// otherwise, and gives the top-level variable declarations nothing uses. The names "_qlcxi"
// and "QLCX_AddEvent" are called from the page and count as used. declarations: the token
// indices of the function names in "function name(", ascending.
DeadStatements markReachableCode(const TokenSequence& tokens,
                                 const std::vector<size_t>& declarations, FunctionTable& functions);

} // namespace qc
