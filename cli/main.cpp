// quillcast-cli: the headless converter. Runs the same conversion as the window program.
#include "cli/language_reference.h"
#include "cli/page_from_js.h"
#include "common/text.h"
#include "convert/conversion.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <iostream>
#include <new>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: quillcast-cli SOURCE [-o OUTPUT] [--no-compact] [--no-embed] [--quiet] [--timings]\n"
    "\n"
    "Converts a program in the BASIC dialect into one self-contained HTML5 page.\n"
    "  -o OUTPUT      the page to write (default: SOURCE.html); an existing page is replaced\n"
    "  --no-compact   write the script as translated, without compaction\n"
    "  --no-embed     leave the files the program loads beside the page instead of in it\n"
    "  --debug-pane   show Debug lines in a pane below the windows, not in message boxes\n"

    "  --quiet        no progress lines (errors are still printed)\n"
    "  --timings      print the time of each stage to stderr\n"
    "  --language-reference  print the supported commands and constants (Markdown)\n"
    "  --page-from-js  SOURCE is a script defining INIT() to run on the runtime library\n"
    "  --dump-tables  print the command and target-word tables (tab-separated)\n"
    "\n"
    "Exit code: 0 written without errors, 1 written but errors were reported,\n"
    "2 the source is missing or unreadable, the page cannot be written, or memory ran out.\n";

void printLine(std::wstring_view line) {
    std::string bytes = qc::toUtf8(line);
    bytes += '\n';
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
}

// The passes report as they meet things (procedures before the main program, loops after
// the statements around them), so errors are collected and printed in source-line order
// after the progress lines; --quiet drops only the progress lines.
class ProgressSink : public qc::CollectingSink {
public:
    void appendError(const qc::Diagnostic&, std::wstring_view) override {}
};

void printLog(const std::vector<std::wstring>& progress, const qc::Diagnostics& diag, bool quiet) {
    if (!quiet)
        for (const std::wstring& line : progress) printLine(line);
    const std::vector<std::wstring>& messages = diag.errors();
    const std::vector<qc::Diagnostic>& records = diag.records();
    // By program line: the lines of include files stand where they were included.
    std::vector<size_t> order(messages.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return records[a].programLine() < records[b].programLine();
    });
    std::vector<std::wstring> errors;
    for (size_t i : order) errors.push_back(messages[i]);
    for (const std::wstring& error : errors) printLine(error);
    if (!errors.empty())
        printLine(std::to_wstring(errors.size()) + (errors.size() == 1 ? L" error" : L" errors"));
}

// One conversion allocates a few large arrays one after another (the statement lists, the
// translator's tokens, the compactor's tokens). By default the C library gives each large
// block back to the system when it is freed, so the next stage touches fresh pages again;
// on a 100,000-line program those page faults were a quarter of the run. The process is
// short-lived, so freed memory is kept for the next stage instead.
void keepFreedMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, 64 << 20);
#endif
}

// Between loading and writing, though, what the translation freed (its statement list, tree,
// types and printed lines) lies in holes between the blocks the loaded script keeps, too small
// for the compactor's large arrays: kept, the heap would grow by those arrays again and the
// peak be the sum of both steps. Given back once, the pages are taken again only as needed.
void giveBackBetweenSteps() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// The same holds after compaction: its token table is gone, and what the page's writing
// takes would otherwise land on pages of it never touched so far.
qc::ConversionStages stagesGivingBack() {
    qc::ConversionStages stages = qc::coreStages();
    stages.compact = [compact = stages.compact](const std::vector<std::wstring>& lines,
                                                qc::RenameState& names, qc::Diagnostics& diag,
                                                const qc::ReportedWords* reported,
                                                std::vector<int>* sourceLines) {
        std::vector<std::wstring> compacted = compact(lines, names, diag, reported, sourceLines);
        giveBackBetweenSteps();
        return compacted;
    };
    return stages;
}

} // namespace

int main(int argc, char** argv) {
    keepFreedMemory();
    std::string source;
    std::string output;
    bool quiet = false;
    bool timings = false;
    bool fromScript = false;
    qc::ConversionOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--dump-tables") {
            std::fputs(qc::tableDump().c_str(), stdout);
            return 0;
        }
        if (arg == "--language-reference") {
            std::fputs(qc::languageReferenceMarkdown().c_str(), stdout);
            return 0;
        }
        if (arg == "-o" && i + 1 < argc) {
            output = argv[++i];
        } else if (arg == "--no-compact") {
            options.compact = false;
        } else if (arg == "--no-embed") {
            options.embed = false;

        } else if (arg == "--debug-pane") {
            options.debugPane = true;
        } else if (arg == "--quiet") {
            quiet = true;
        } else if (arg == "--page-from-js") {
            fromScript = true;
        } else if (arg == "--timings") {
            timings = true;
        } else if (source.empty() && (arg.empty() || arg[0] != '-' || arg == "-")) {
            source = arg;
        } else {
            std::fprintf(stderr, "quillcast-cli: unexpected argument '%s'\n%s", argv[i], kUsage);
            return 2;
        }
    }
    if (source.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (output.empty()) output = source + ".html";

    ProgressSink sink;
    qc::Diagnostics diag(&sink);
    qc::RenameState names;
    qc::ConversionTimes times;
    qc::ConversionStatus status = qc::ConversionStatus::kWritten;
    // Running out of memory is the one failure the core cannot report as a line of its own;
    // the page on disk is untouched then (it is replaced only by a finished temporary file).
    try {
        if (fromScript) {
            status = qc::convertScriptFile(source, output, options, names, diag);
        } else {
            qc::LoadedSource loaded;
            status = qc::loadSource(source, diag, loaded, &times, qc::coreStages(), output);
            giveBackBetweenSteps();
            if (status == qc::ConversionStatus::kWritten)
                status = qc::writeConvertedPage(loaded, output, options, names, diag, &times,
                                                stagesGivingBack());
        }
    } catch (const std::bad_alloc&) {
        std::fputs("out of memory\n", stderr);
        return 2;
    }
    printLog(sink.lines, diag, quiet);
    if (timings) {
        std::fprintf(stderr,
                     "timings: read %.3f ms, translate %.3f ms, loops %.3f ms, compact %.3f ms, "
                     "write %.3f ms, script %zu -> %zu bytes\n",
                     times.translation.readMs, times.translation.translateMs,
                     times.translation.loopsMs, times.compactMs, times.writeMs,
                     times.scriptBytesBefore, times.scriptBytesAfter);
    }
    if (status != qc::ConversionStatus::kWritten) return 2;
    return diag.errorFlag() ? 1 : 0;
}
