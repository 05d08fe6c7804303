#pragma once
// Pass 3 of statement translation: the rewritten tokens become the script's lines.
#include "translator/statement_tokens.h"
#include "translator/translator_state.h"

#include <string>
#include <vector>

namespace qc {

// One target line per statement; the local declarations of a procedure follow its
// header line. sourceLines, when given, receives the source line of each target line (-1
// before the first line marker).
std::vector<std::wstring> assembleLines(const TranslationTokens& tokens,
                                        const TranslatorState& state,
                                        std::vector<int>* sourceLines = nullptr);

} // namespace qc
