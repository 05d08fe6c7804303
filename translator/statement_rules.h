#pragma once
// Pass 2 of statement translation: the tokens are rewritten in place, token by token, by
// rules keyed on keywords and on the neighbouring tokens (If, Select, For, While, Debug,
// procedures, declarations, variables, brackets, constants, operators, commands).
#include "common/diagnostics.h"
#include "translator/statement_tokens.h"
#include "translator/translator_state.h"

namespace qc {

// Registers every variable (the page writer declares what the rewrite finds)
// and fills tokens.procedures with the scope of every procedure.
void rewriteTokens(TranslationTokens& tokens, TranslatorState& state, Diagnostics& diag);

} // namespace qc
