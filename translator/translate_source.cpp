#include "translator/translate_source.h"

#include "common/files.h"
#include "common/text.h"
#include "loops/block_check.h"
#include "loops/restructure_loops.h"
#include "translator/declarations.h"
#include "translator/language_pass.h"
#include "translator/output/script_printer.h"
#include "translator/page_writer.h"
#include "translator/procedures.h"
#include "translator/script_check.h"
#include "translator/semantics/value_types.h"
#include "translator/source/parser.h"
#include "translator/source/source_reader.h"
#include "translator/statement_assembly.h"
#include "translator/statement_rules.h"
#include "translator/statement_tokens.h"
#include "translator/translator_state.h"
#include "translator/undeclared_names.h"
#include "translator/waiting_procedures.h"

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

// Pass 1 to 3 over the translation list: tokens, rewrite rules, one line per statement;
// then every line is checked to parse, so no typo can stop the whole page.
std::vector<std::wstring> translateList(const std::vector<std::wstring>& list,
                                        TranslatorState& state, Diagnostics& diag,
                                        std::vector<int>& sourceLines) {
    TranslationTokens tokens = tokenizeProgram(list, state, diag);
    rewriteTokens(tokens, state, diag);
    std::vector<std::wstring> lines = assembleLines(tokens, state, &sourceLines);
    checkScriptLines(lines, sourceLines, diag);
    return lines;
}

// Each list is let go as soon as the next stage has its own: a 100,000-line program keeps
// one list alive at a time instead of four, and freed memory is reused instead of new pages
// being touched.
template <typename T> void release(T& list) {
    T().swap(list);
}

} // namespace

TranslationResult translateStatements(std::vector<std::wstring> statements, Diagnostics& diag,
                                      StageTimes* times) {
    StageTimes local;
    StageTimes& t = times != nullptr ? *times : local;
    auto t0 = std::chrono::steady_clock::now();
    TranslatorState state;
    statements = runLanguagePass(std::move(statements), diag, &state.undeclared.switches);
    checkBlockStructure(statements, diag);
    std::vector<std::wstring> declared = runDeclarationPass(statements, state, diag);
    release(statements);
    CollectedProgram program = collectProcedures(declared, state, diag);
    release(declared);
    state.waitingProcedures = findWaitingProcedures(program.procedures);
    addTime(&t.translateMs, t0);

    auto t1 = std::chrono::steady_clock::now();
    std::vector<std::wstring> mainProgram =
        restructureLoops(program.mainProgram, diag, state.waitingProcedures);
    release(program.mainProgram);
    addTime(&t.loopsMs, t1);

    auto t2 = std::chrono::steady_clock::now();
    std::vector<std::wstring> list = std::move(program.procedures);
    list.insert(list.end(), std::make_move_iterator(mainProgram.begin()),
                std::make_move_iterator(mainProgram.end()));
    release(mainProgram);
    std::vector<int> sourceLines;
    std::vector<std::wstring> translated = translateList(list, state, diag, sourceLines);
    TranslationResult result = buildPage(&state, translated, &sourceLines);
    addTime(&t.translateMs, t2);
    return result;
}

TranslationResult translateSource(std::wstring_view sourceText, const IncludeLoader* includes,
                                  Diagnostics& diag, StageTimes* times) {
    auto t0 = std::chrono::steady_clock::now();
    ReadProgram program = readProgram(sourceText, includes, diag);
    if (times != nullptr) addTime(&times->readMs, t0);
    auto t1 = std::chrono::steady_clock::now();
    diag.setSourceMap(&program.map);
    PrintedScript printed;
    {
        // The statement list, the tree (whose names point into it) and its types are let go
        // once the script is printed, before the page is put together.
        UndeclaredNames undeclared;
        std::vector<std::wstring> statements = runLanguagePass(
            std::move(program.statements), diag, &undeclared.switches, LanguagePassMode::kForTree);
        SyntaxTree tree = parseStatements(statements, diag);
        TypedTree typed = typeTree(tree, &undeclared, &diag);
        undeclared.report(diag);
        printed = printProgram(tree, typed, diag);
    }
    TranslationResult result = buildPage(nullptr, printed.lines, &printed.sourceLines, true);
    release(printed.lines);
    release(printed.sourceLines);
    diag.setSourceMap(nullptr);
    result.sourceMap = std::move(program.map);
    if (times != nullptr) addTime(&times->translateMs, t1);
    return result;
}

TranslationResult translateSourceWithStatements(std::wstring_view sourceText,
                                                const IncludeLoader* includes, Diagnostics& diag,
                                                StageTimes* times) {
    auto t0 = std::chrono::steady_clock::now();
    ReadProgram program = readProgram(sourceText, includes, diag);
    if (times != nullptr) addTime(&times->readMs, t0);
    diag.setSourceMap(&program.map);
    TranslationResult result = translateStatements(std::move(program.statements), diag, times);
    diag.setSourceMap(nullptr);
    result.sourceMap = std::move(program.map);
    return result;
}

TranslationResult translateText(std::wstring_view sourceText, Diagnostics& diag,
                                StageTimes* times) {
    return translateSource(sourceText, nullptr, diag, times);
}

} // namespace qc
