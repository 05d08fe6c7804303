#pragma once
// Builds the page list (HTML skeleton), the script list (runtime library, structure code,
// variable declarations, the translated program, the start-up function) and the style sheet.
// The features the program's commands reach decide the style parts and what the start-up
// function wires in.
#include "translator/translate_source.h"

#include <string>
#include <vector>

namespace qc {

struct TranslatorState;

// state may be null: a page without program registries (a source that cannot be opened,
// or a hand-written script for runtime tests). programSourceLines, when given, holds the
// source line of each program line and fills the result's sourceLines.
// Without a state every feature is written, unless `featuresFromProgram`: then, as with a
// state, the features the program's commands reach (the syntax tree's translation, which has
// no state, writes a whole program).
TranslationResult buildPage(const TranslatorState* state,
                            const std::vector<std::wstring>& translatedProgram,
                            const std::vector<int>* programSourceLines = nullptr,
                            bool featuresFromProgram = false);

// The script lines that follow the runtime library: structure code, declarations, the
// translated program and _qlcxi.
std::vector<std::wstring> programScriptLines(const TranslatorState* state,
                                             const std::vector<std::wstring>& translatedProgram);

// The runtime library's lines as they go into every script.
const std::vector<std::wstring>& runtimeLibraryLines();
// The whole style sheet's lines: the base block, then the parts of single features, each
// behind a line "/* feature: NAME */". A page carries the base and the parts it can reach.
const std::vector<std::wstring>& styleBlockLines();

} // namespace qc
