#pragma once
// The headless tool's --page-from-js: a page around a hand-written script instead of a
// translated program, to test the runtime library in a browser with and without compaction.
#include "convert/conversion.h"

#include <filesystem>

namespace qc {

// The runtime library, then the script's lines (which must define INIT), then the start-up
// function.
ConversionStatus convertScriptFile(const std::filesystem::path& script,
                                   const std::filesystem::path& output,
                                   const ConversionOptions& options, RenameState& names,
                                   Diagnostics& diag);

} // namespace qc
