#include "common/conversion.h"

#include "common/files.h"
#include "common/text.h"
#include "translator/page_writer.h"

#include <chrono>

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

} // namespace

size_t scriptByteCount(const std::vector<std::wstring>& lines) {
    size_t n = 0;
    for (const auto& l : lines) n += utf8Size(l) + 2;
    return n;
}

ConversionStatus convertFile(const std::filesystem::path& source,
                             const std::filesystem::path& output, const ConversionOptions& options,
                             RenameState& names, Diagnostics& diag, ConversionTimes* times) {
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
    if (sameFile(source, output)) {
        diag.error(L"cannot write " + quoted(output));
        return ConversionStatus::kOutputIsSource;
    }
    diag.note(L"read \"" + fromUtf8(source.filename().string()) + L"\" " + std::to_wstring(size) +
              L" bytes...");
    std::vector<StrayByte> strays;
    std::wstring text = decodeSourceBytes(*bytes, &strays);
    for (const StrayByte& stray : strays)
        diag.error(L"line " + std::to_wstring(stray.line) + L": stray byte $" +
                   hexByte(stray.byte) + L" is not UTF-8, read as \"" +
                   std::wstring(1, stray.readAs) + L"\"");
    TranslationResult page = TranslateText(text, diag, &t.translation);
    diag.note(L"finished!");
    diag.note(L"");
    diag.note(L"convert...");
    t.scriptBytesBefore = scriptByteCount(page.scriptLines);
    auto t1 = std::chrono::steady_clock::now();
    std::vector<std::wstring> script =
        options.compact ? CompactScript(page.scriptLines, names, diag) : page.scriptLines;
    t.compactMs += msSince(t1);
    t.scriptBytesAfter = scriptByteCount(script);
    auto t2 = std::chrono::steady_clock::now();
    bool ok = writePageFile(output, page.pageLines, script, styleBlockLines());
    t.writeMs += msSince(t2);
    if (!ok) {
        diag.error(L"cannot write " + quoted(output));
        return ConversionStatus::kCannotWrite;
    }
    diag.note(L"finished! " + std::to_wstring(fileSize(output)) + L" bytes");
    return ConversionStatus::kWritten;
}

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
        diag.error(L"cannot write " + quoted(output));
        return ConversionStatus::kOutputIsSource;
    }
    std::vector<std::wstring> lines = splitEmbeddedLines(decodeSourceBytes(*bytes), false);
    TranslationResult page = writePage(nullptr, lines);
    std::vector<std::wstring> compacted =
        options.compact ? CompactScript(page.scriptLines, names, diag) : page.scriptLines;
    if (!writePageFile(output, page.pageLines, compacted, styleBlockLines())) {
        diag.error(L"cannot write " + quoted(output));
        return ConversionStatus::kCannotWrite;
    }
    return ConversionStatus::kWritten;
}

} // namespace qc
