#pragma once
// Which declared functions the page can reach. A function counts as used when it is referred
// to from code outside every function, from its own body, or from a function that is used
// itself; so a runtime helper that only an unused runtime function calls goes too.
#include "compaction/token_sequence.h"
#include "compaction/tokenize_script.h"

#include <vector>

namespace qc {

// The index of the brace that closes the function declared at token i (the first "{" after
// the parameter list opens the body), or the last token when the braces do not close.
size_t functionEnd(const TokenSequence& tokens, size_t i);

// Sets every entry of the function table to 1 when the function is used as above and to 0
// otherwise. The names "_qlcxi" and "QLCX_AddEvent" are called from the page and count as
// used. declarations: the token indices of the function names in "function name(", ascending.
void markReachableFunctions(const TokenSequence& tokens, const std::vector<size_t>& declarations,
                            FunctionTable& functions);

} // namespace qc
