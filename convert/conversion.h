#pragma once
// One whole conversion, as the headless tool, the benchmark and the tests run it: read and
// translate the source, compact the script, write the page.
#include "common/diagnostics.h"
#include "compaction/compact_script.h"
#include "translator/translate_source.h"

#include <filesystem>

namespace qc {

struct ConversionOptions {
    bool compact = true;
};

struct ConversionTimes {
    StageTimes translation;
    double compactMs = 0;
    double writeMs = 0;
    size_t scriptBytesBefore = 0; // the script as translated
    size_t scriptBytesAfter = 0;  // the script as written
};

enum class ConversionStatus {
    kWritten,       // the page is written (errors, if any, are in the diagnostics)
    kSourceMissing, // missing, a folder or a device
    kSourceUnreadable,
    kOutputIsSource,
    kCannotWrite,
};

ConversionStatus convertFile(const std::filesystem::path& source,
                             const std::filesystem::path& output, const ConversionOptions& options,
                             RenameState& names, Diagnostics& diag,
                             ConversionTimes* times = nullptr);

// Builds a page around a hand-written script instead of a translated program: the runtime
// library, then the script's lines (which must define INIT), then the start-up function.
// Used to test the runtime library in a browser with and without compaction.
ConversionStatus convertScriptFile(const std::filesystem::path& script,
                                   const std::filesystem::path& output,
                                   const ConversionOptions& options, RenameState& names,
                                   Diagnostics& diag);

// The lines of a script as written into the page, joined, in UTF-8 bytes.
size_t scriptByteCount(const std::vector<std::wstring>& lines);

} // namespace qc
