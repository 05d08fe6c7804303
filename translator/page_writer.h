#pragma once
// Builds the page list (HTML skeleton) and the script list (runtime library, structure
// code, variable declarations, the translated program, the start-up function).
#include "translator/translate_source.h"

#include <string>
#include <vector>

namespace qc {

struct TranslatorState;

TranslationResult writePage(const TranslatorState* state,
                            const std::vector<std::wstring>& translatedProgram);

// The runtime library's lines as they go into every script.
const std::vector<std::wstring>& runtimeLibraryLines();
// The style block's lines.
const std::vector<std::wstring>& styleBlockLines();

} // namespace qc
