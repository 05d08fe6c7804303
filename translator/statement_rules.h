#pragma once
// Pass 2 of statement translation: the tokens are rewritten in place, token by token, by
// rules keyed on keywords and on the neighbouring tokens (If, Select, For, While, Debug,
// procedures, declarations, variables, brackets, constants, operators, commands).
#include "common/diagnostics.h"
#include "translator/statement_tokens.h"
#include "translator/translator_state.h"

namespace qc {

// Registers every variable (the page writer declares what the rewrite finds)
// and fills tokens.procedures with the scope of every procedure.
void rewriteTokens(TranslationTokens& tokens, TranslatorState& state, Diagnostics& diag);

// Pass 3: one target line per statement; the local declarations of a procedure follow its
// header line. sourceLines, when given, receives the source line of each target line (-1
// before the first line marker).
std::vector<std::wstring> assembleLines(const TranslationTokens& tokens,
                                        const TranslatorState& state,
                                        std::vector<int>* sourceLines = nullptr);

// The registration of a variable met in a statement: splits off the type suffix and the
// field path, records the type in the right map and returns the text to write
// ("Pos.f" -> "pos", "p\X" -> "p.x", a static one -> "static_Proc_n").
struct VariableUse {
    std::wstring_view word;
    int scope = kScopeNone;
    bool parameter = false; // in a procedure header
    int line = -1;
    int column = 0;
    std::wstring_view defaultType; // "Define.s a, b": the type of names written without one
};
std::wstring registerVariable(const VariableUse& use, TranslatorState& state,
                              ProcedureScope* procedure, Diagnostics& diag);

} // namespace qc
