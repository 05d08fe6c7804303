#pragma once
// Pass 1 of statement translation: every statement of the translation list is cut into
// tokens, and every word is classified (command, procedure call, variable, literal,
// constant, structure name) with the kind codes the script compaction uses.
#include "common/diagnostics.h"
#include "translator/translator_state.h"
#include "vocabulary/token.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qc {

// A program of 100,000 lines has about 800,000 of these, so the record is kept to 64 bytes.
struct SourceToken {
    std::int16_t kind = kEmpty;
    std::int16_t savedKind = kEmpty; // the kind before a rule removed the token
    std::wstring text;               // rewritten in place by the rules
    // As written in the source: a view into the translation list, which outlives the
    // tokens, so a million tokens do not each carry a second copy of their word.
    std::wstring_view word;
    int line = -1;      // source line of the statement
    int column = 0;     // 1-based position of the word in its statement
    int procedure = -1; // a procedure header token: its index in procedures
};

struct TranslationTokens {
    // tokens[0] and tokens.back() are empty records, so a rule that looks at a neighbour
    // never leaves the array.
    std::vector<SourceToken> tokens;
    std::vector<ProcedureScope> procedures;

    size_t last() const { return tokens.size() - 2; }
};

// The tokens' words point into `list`, which must outlive them.
// Line markers set the line number of the following tokens; a "°cl " line becomes one
// token of kind "ready" and an end token; every statement ends with an end token ("§").
// Words that fit nothing are reported ("ERROR unknow typ"), so are calls of unknown
// functions ("function Not found", the call becomes "empty").
TranslationTokens tokenizeProgram(const std::vector<std::wstring>& list,
                                  const TranslatorState& state, Diagnostics& diag);

// A name with brackets after it is the array, list or map of that name where one is seen
// from `procedure` (lower case, empty for the main program); see statement_tokens.cpp.
bool namesContainer(const std::vector<SourceToken>& tokens, size_t i, const TranslatorState& state,
                    const std::wstring& procedure);

// The lower-case name part of a word ("Pos.f" -> "pos", "p\x" -> "p").
std::wstring baseName(std::wstring_view word);

} // namespace qc
