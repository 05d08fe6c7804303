#include "translator/translate_source.h"

#include "common/files.h"
#include "common/text.h"
#include "translator/output/page_writer.h"
#include "translator/output/script_printer.h"
#include "translator/semantics/undeclared_names.h"
#include "translator/semantics/value_types.h"
#include "translator/source/language_pass.h"
#include "translator/source/parser.h"
#include "translator/source/source_reader.h"

#include <chrono>

namespace qc {
namespace {

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void addTime(double* slot, std::chrono::steady_clock::time_point start) {
    *slot += msSince(start);
}

// Each list is let go as soon as the next stage has its own: a 100,000-line program keeps
// one list alive at a time instead of four, and freed memory is reused instead of new pages
// being touched.
template <typename T> void release(T& list) {
    T().swap(list);
}

} // namespace

TranslationResult translateSource(std::wstring sourceText, const IncludeLoader* includes,
                                  Diagnostics& diag, StageTimes* times) {
    auto t0 = std::chrono::steady_clock::now();
    ReadProgram program = readProgram(sourceText, includes, diag);
    release(sourceText);
    if (times != nullptr) addTime(&times->readMs, t0);
    auto t1 = std::chrono::steady_clock::now();
    diag.setSourceMap(&program.map);
    PrintedScript printed;
    {
        // The statement list goes once the tree has its text, before its nodes; the tree and
        // its types once the script is printed, before the page is put together.
        UndeclaredNames undeclared;
        ProgramFacts facts;
        std::vector<std::wstring> statements =
            runLanguagePass(std::move(program.statements), diag, &undeclared.switches, &facts);
        SyntaxTree tree = parseStatements(std::move(statements), diag, &facts);
        TypedTree typed = typeTree(tree, &undeclared, &diag, &facts);
        undeclared.report(diag);
        printed = printProgram(tree, typed, diag);
    }
    std::vector<std::wstring> programLines = printed.lines();
    std::vector<int> programSourceLines = printed.sourceLines();
    printed = PrintedScript();
    TranslationResult result = buildPage(std::move(programLines), &programSourceLines);
    diag.setSourceMap(nullptr);
    result.sourceMap = std::move(program.map);
    if (times != nullptr) addTime(&times->translateMs, t1);
    return result;
}

TranslationResult translateText(std::wstring_view sourceText, Diagnostics& diag,
                                StageTimes* times) {
    return translateSource(std::wstring(sourceText), nullptr, diag, times);
}

} // namespace qc
