#include "cli/page_from_js.h"

#include "common/files.h"
#include "common/text.h"
#include "translator/output/page_writer.h"

namespace qc {

ConversionStatus convertScriptFile(const std::filesystem::path& script,
                                   const std::filesystem::path& output,
                                   const ConversionOptions& options, RenameState& names,
                                   Diagnostics& diag) {
    std::optional<std::string> bytes = readFileBytes(script);
    if (!bytes) {
        diag.error(L"file not found!");
        return ConversionStatus::kSourceMissing;
    }
    if (sameFile(script, output)) {
        diag.error(L"cannot write \"" + fromUtf8(output.string()) + L"\"");
        return ConversionStatus::kOutputIsSource;
    }
    std::vector<std::wstring> lines = splitEmbeddedLines(decodeSourceBytes(*bytes), false);
    TranslationResult page = buildPage(lines, nullptr, true);
    std::vector<std::wstring> compacted =
        options.compact ? compactScript(page.scriptLines, names, diag) : page.scriptLines;
    if (!writePageFile(output, page.pageLines, compacted, page.styleLines)) {
        diag.error(L"cannot write \"" + fromUtf8(output.string()) + L"\"");
        return ConversionStatus::kCannotWrite;
    }
    return ConversionStatus::kWritten;
}

} // namespace qc
