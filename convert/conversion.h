#pragma once
// One conversion, in the two steps the window program takes apart: loading (read and
// translate) when the source path changes, and writing (compact and write the page) on
// "convert". The headless tool runs both back to back; all of them log the same lines.
#include "common/diagnostics.h"
#include "compaction/compact_script.h"
#include "translator/translate_source.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

struct ConversionOptions {
    bool compact = true;
    // The files the program loads go into the page (see embedded_files.h); without, the
    // page loads them from beside itself.
    bool embed = true;
    // Debug lines go to a pane below the windows instead of a message box each.
    bool debugPane = false;
};

struct ConversionTimes {
    StageTimes translation;
    double compactMs = 0;
    double writeMs = 0;
    size_t scriptBytesBefore = 0; // the script as translated
    size_t scriptBytesAfter = 0;  // the script as written
};

enum class ConversionStatus {
    kWritten,       // the step is done (errors, if any, are in the diagnostics)
    kSourceMissing, // missing, a folder or a device
    kSourceUnreadable,
    kOutputIsSource,
    kCannotWrite,
};

// The two stages a conversion chains. The programs use the real ones; tests put in stages
// that report errors or process events at will.
struct ConversionStages {
    // The text is the stage's own, to let go once it is read.
    std::function<TranslationResult(std::wstring sourceText, const IncludeLoader*, Diagnostics&,
                                    StageTimes*)>
        translate;
    // The script's lines and the source line of each, which become those of the compacted
    // lines (see compactScript).
    std::function<std::vector<std::wstring>(const std::vector<std::wstring>&, RenameState&,
                                            Diagnostics&, const ReportedWords*,
                                            std::vector<int>* sourceLines)>
        compact;
};
const ConversionStages& coreStages();

// A translated source waiting to be written.
struct LoadedSource {
    std::filesystem::path source;
    TranslationResult translation;
    bool hadErrors = false;      // the translation reported errors
    ReportedWords reportedWords; // unknown words it reported; compaction does not repeat them
};

// Step one: reads the source and translates it into `loaded`, logging
// `read "NAME" N bytes...` and "finished!". A missing or unreadable source is reported; so
// is `refusedOutput` when it names the source itself (checked before anything is logged).
// `afterReadLine` runs once the read line is in the log, before the translation starts.
ConversionStatus loadSource(const std::filesystem::path& source, Diagnostics& diag,
                            LoadedSource& loaded, ConversionTimes* times = nullptr,
                            const ConversionStages& stages = coreStages(),
                            const std::filesystem::path& refusedOutput = {},
                            const std::function<void()>& afterReadLine = {});

// Step two: logs "" and "convert...", compacts the loaded script (unless options say not
// to), writes the page and logs "finished! N bytes". An output that is the source itself, or
// that cannot be written, is reported; a page that was there before is then left as it was.
ConversionStatus writeConvertedPage(const LoadedSource& loaded, const std::filesystem::path& output,
                                    const ConversionOptions& options, RenameState& names,
                                    Diagnostics& diag, ConversionTimes* times = nullptr,
                                    const ConversionStages& stages = coreStages());

// The lines of a script as written into the page, joined, in UTF-8 bytes.
size_t scriptByteCount(const std::vector<std::wstring>& lines);

} // namespace qc
