#pragma once
// Builds the page list (HTML skeleton), the script list (runtime library, the translated
// program, the start-up function) and the style sheet.
// The features the program's commands reach decide the style parts and what the start-up
// function wires in.
#include "common/embedded_texts.h"
#include "translator/translate_source.h"

#include <string>
#include <vector>

namespace qc {

// The page for a translated program: programSourceLines, when given, holds the source line
// of each program line and fills the result's sourceLines. The page carries the features the
// program's commands reach, or with `everyFeature` all of them (a hand-written script for
// runtime tests). The program's lines move into the page.
TranslationResult buildPage(std::vector<std::wstring> translatedProgram,
                            const std::vector<int>* programSourceLines = nullptr,
                            bool everyFeature = false);

// The whole style sheet's lines: the base block, then the parts of single features, each
// behind a line "/* feature: NAME */". A page carries the base and the parts it can reach.
const std::vector<std::wstring>& styleBlockLines();

} // namespace qc
