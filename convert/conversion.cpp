#include "convert/conversion.h"

#include "common/files.h"
#include "common/line_table.h"
#include "common/text.h"
#include "convert/embedded_files.h"
#include "translator/output/page_writer.h"
#include "vocabulary/statement_list.h"

#include <chrono>
#include <span>

namespace qc {
namespace {

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

std::wstring quoted(const std::filesystem::path& p) {
    return L"\"" + fromUtf8(p.string()) + L"\"";
}

std::wstring hexByte(unsigned char byte) {
    constexpr std::wstring_view kDigits = L"0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 15]};
}

// "line 3: stray byte $E9 is not UTF-8, read as "é"", with the file's name before it for an
// include file.
void reportStrayBytes(const std::vector<StrayByte>& strays, std::wstring_view file,
                      Diagnostics& diag) {
    for (const StrayByte& stray : strays) {
        std::wstring words = L"stray byte $" + hexByte(stray.byte) + L" is not UTF-8, read as \"" +
                             std::wstring(1, stray.readAs) + L"\"";
        // An include file's lines are its own, not the program's: its message names it.
        Diagnostic record = message::atLine(stray.line, words);
        record.file = file;
        diag.error(std::move(record));
    }
}

std::optional<std::wstring> readIncludeFile(const std::filesystem::path& file,
                                            std::wstring_view name, Diagnostics& diag) {
    std::optional<std::string> bytes = readFileBytes(file);
    if (!bytes) return std::nullopt;
    std::vector<StrayByte> strays;
    std::wstring text = decodeSourceBytes(*bytes, &strays);
    reportStrayBytes(strays, name, diag);
    return text;
}

// The program's own lines: the translated script without the runtime library before them.
std::span<const std::wstring> programLines(const std::vector<std::wstring>& script) {
    const size_t library = runtimeLibraryLineCount();
    bool startsWithLibrary =
        library > 0 && script.size() >= library && script.front() == runtimeLibraryFirstLine();
    return std::span<const std::wstring>(script).subspan(startsWithLibrary ? library : 0);
}

std::vector<std::wstring> pageWithFiles(const LoadedSource& loaded,
                                        const std::filesystem::path& output,
                                        const ConversionOptions& options, Diagnostics& diag) {
    std::filesystem::path folder = loaded.source.parent_path();
    if (folder.empty()) folder = ".";
    if (!options.embed) {
        // A data section's IncludeBinary is part of the program, not a file it loads: its
        // bytes go into the page all the same.
        std::vector<std::wstring> binaries;
        for (const std::wstring& line : programLines(loaded.translation.scriptLines))
            if (line.find(L"databinary(") != std::wstring::npos) binaries.push_back(line);
        if (binaries.empty()) return loaded.translation.pageLines;
        return withEmbeddedFiles(loaded.translation.pageLines,
                                 collectEmbeddedFiles(binaries, folder, output, diag));
    }
    return withEmbeddedFiles(
        loaded.translation.pageLines,
        collectEmbeddedFiles(programLines(loaded.translation.scriptLines), folder, output, diag));
}

// The translated script as the page gets it: with the debug pane, one statement behind it
// hands Debug the pane. That is the only reference to the pane's code, so compaction keeps
// the pane on such pages only. The translation itself is copied only then.
class ScriptWithLines {
public:
    ScriptWithLines(const TranslationResult& translation, bool debugPane)
        : translation_(translation) {
        if (!debugPane) return;
        lines_ = translation.scriptLines;
        lines_.emplace_back(L"QLCX_DebugPaneLine=QLCX_PaneLine;");
        sourceLines_ = translation.sourceLines;
        sourceLines_.resize(lines_.size(), 0);
        extended_ = true;
    }
    const std::vector<std::wstring>& lines() const {
        return extended_ ? lines_ : translation_.scriptLines;
    }
    const std::vector<int>& sourceLines() const {
        return extended_ ? sourceLines_ : translation_.sourceLines;
    }

private:
    const TranslationResult& translation_;
    std::vector<std::wstring> lines_;
    std::vector<int> sourceLines_;
    bool extended_ = false;
};

} // namespace

const ConversionStages& coreStages() {
    static const ConversionStages stages{
        [](std::wstring text, const IncludeLoader* includes, Diagnostics& diag, StageTimes* times) {
            return translateSource(std::move(text), includes, diag, times);
        },
        [](const std::vector<std::wstring>& lines, RenameState& names, Diagnostics& diag,
           const ReportedWords* reported, std::vector<int>* sourceLines) {
            return compactScript(lines, names, diag, reported, sourceLines);
        }};
    return stages;
}

size_t scriptByteCount(const std::vector<std::wstring>& lines) {
    size_t n = 0;
    for (const auto& l : lines) n += utf8Size(l) + 2;
    return n;
}

ConversionStatus loadSource(const std::filesystem::path& source, Diagnostics& diag,
                            LoadedSource& loaded, ConversionTimes* times,
                            const ConversionStages& stages,
                            const std::filesystem::path& refusedOutput,
                            const std::function<void()>& afterReadLine) {
    ConversionTimes local;
    ConversionTimes& t = times != nullptr ? *times : local;
    std::int64_t size = fileSize(source);
    if (size < 0) {
        diag.error(L"file not found!");
        return ConversionStatus::kSourceMissing;
    }
    auto t0 = std::chrono::steady_clock::now();
    std::optional<std::string> bytes = readFileBytes(source);
    t.translation.readMs += msSince(t0);
    if (!bytes) {
        diag.error(L"cannot read " + quoted(source));
        return ConversionStatus::kSourceUnreadable;
    }
    if (!refusedOutput.empty() && sameFile(source, refusedOutput)) {
        diag.error(L"cannot write " + quoted(refusedOutput));
        return ConversionStatus::kOutputIsSource;
    }
    diag.note(L"read \"" + fromUtf8(source.filename().string()) + L"\" " + std::to_wstring(size) +
              L" bytes...");
    if (afterReadLine) afterReadLine();
    // The flag is taken apart for a moment to learn whether this translation reported errors.
    const bool earlierErrors = diag.errorFlag();
    diag.setErrorFlag(false);
    const size_t earlierMessages = diag.errors().size();
    loaded.source = source;
    std::vector<StrayByte> strays;
    std::wstring text = decodeSourceBytes(*bytes, &strays);
    bytes.reset(); // the decoded text is all the translation reads, and it lets that go too
    reportStrayBytes(strays, L"", diag);
    IncludeLoader includes{source, readIncludeFile};
    loaded.translation = stages.translate(std::move(text), &includes, diag, &t.translation);
    loaded.hadErrors = diag.errorFlag();
    for (size_t i = earlierMessages; i < diag.errors().size(); ++i) {
        const Diagnostic& record = diag.records()[i];
        if (record.kind == MessageKind::kUnknownType) loaded.reportedWords.emplace(record.subject);
    }
    if (earlierErrors) diag.setErrorFlag(true);
    diag.note(L"finished!");
    return ConversionStatus::kWritten;
}

ConversionStatus writeConvertedPage(const LoadedSource& loaded, const std::filesystem::path& output,
                                    const ConversionOptions& options, RenameState& names,
                                    Diagnostics& diag, ConversionTimes* times,
                                    const ConversionStages& stages) {
    ConversionTimes local;
    ConversionTimes& t = times != nullptr ? *times : local;
    diag.note(L"");
    diag.note(L"convert...");
    t.scriptBytesBefore = scriptByteCount(loaded.translation.scriptLines);
    auto t1 = std::chrono::steady_clock::now();
    const ScriptWithLines translated(loaded.translation, options.debugPane);
    std::vector<std::wstring> script;
    std::vector<int> sourceLines;
    if (options.compact) {
        diag.setSourceMap(&loaded.translation.sourceMap);
        sourceLines = translated.sourceLines();
        script =
            stages.compact(translated.lines(), names, diag, &loaded.reportedWords, &sourceLines);
        diag.setSourceMap(nullptr);
    } else {
        script = translated.lines();
        sourceLines = translated.sourceLines();
    }
    script.push_back(
        lineTableScript(sourceLines, scriptFirstPageLine(loaded.translation.pageLines)));
    // The line table counts the lines of the whole program; a program of several files also
    // carries where each run of them came from, so the fault panel names the file.
    const SourceMap& map = loaded.translation.sourceMap;
    if (!map.isIdentity()) script.push_back(L"window.QLCXSourceMap=" + map.runsAsJson() + L";");
    t.compactMs += msSince(t1);
    t.scriptBytesAfter = scriptByteCount(script);
    if (output.empty() || sameFile(loaded.source, output)) {
        diag.error(L"cannot write " + quoted(output));
        return ConversionStatus::kOutputIsSource;
    }
    auto t2 = std::chrono::steady_clock::now();
    bool ok = writePageFile(output, pageWithFiles(loaded, output, options, diag), script,
                            loaded.translation.styleLines);
    t.writeMs += msSince(t2);
    if (!ok) {
        diag.error(L"cannot write " + quoted(output));
        return ConversionStatus::kCannotWrite;
    }
    diag.note(L"finished! " + std::to_wstring(fileSize(output)) + L" bytes");
    return ConversionStatus::kWritten;
}

} // namespace qc
