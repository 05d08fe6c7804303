#pragma once
// The translator's entry: one source file in, the page list and the script list out.
#include "common/diagnostics.h"
#include "common/source_map.h"
#include "translator/source/source_reader.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

struct TranslationResult {
    std::vector<std::wstring> pageLines;   // the HTML skeleton, one line each
    std::vector<std::wstring> scriptLines; // runtime library, structures, variables, program
    // The source line each script line was translated from, 0 for the lines that come from
    // no statement (the runtime library, structures, declarations, the start-up function).
    // Empty for a page made without a source.
    std::vector<int> sourceLines;
    // Program line -> file and line, for a program read from several files.
    SourceMap sourceMap;
    // The style sheet, "<style>" to "</style>": the base and the parts the program can reach.
    std::vector<std::wstring> styleLines;
};

// Milliseconds spent in each stage of one translation, for the benchmark.
struct StageTimes {
    double readMs = 0;
    double translateMs = 0;
    double loopsMs = 0; // the loops are cut while the script is printed: part of translateMs
};

// Translates decoded source text, reading its include files through `includes` (none when
// it is null): read, macros and conditional compilation, parse, names and types, printer,
// page writer. While it runs, diag shows program lines as the files' own lines. The text is
// let go as soon as it is read into statements, before the tree is built.
TranslationResult translateSource(std::wstring sourceText, const IncludeLoader* includes,
                                  Diagnostics& diag, StageTimes* times = nullptr);

// Translates decoded source text of one file.
TranslationResult translateText(std::wstring_view sourceText, Diagnostics& diag,
                                StageTimes* times = nullptr);

} // namespace qc
