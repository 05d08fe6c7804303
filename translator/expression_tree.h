#pragma once
// Typed expressions over the rewritten tokens of every statement: integer division, rounding
// and wrapping on the way into an integer place, and the reach of Not.
#include "translator/statement_tokens.h"
#include "translator/translator_state.h"

namespace qc {

void typeExpressions(TranslationTokens& tokens, const TranslatorState& state);

} // namespace qc
