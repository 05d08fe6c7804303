#include "loops/block_words.h"

#include "common/text.h"
#include "vocabulary/statement_list.h"

#include <array>

namespace qc {
namespace {

struct KeywordRow {
    std::wstring_view word;
    BlockWord kind;
    bool parenthesisForm; // "word(" counts as the keyword as well
};

constexpr std::array<KeywordRow, 14> kKeywords = {{
    {L"if", BlockWord::kIf, true},
    {L"else", BlockWord::kElse, false},
    {L"endif", BlockWord::kEndIf, false},
    {L"repeat", BlockWord::kRepeat, false},
    {L"until", BlockWord::kUntil, true},
    {L"forever", BlockWord::kForEver, false},
    {L"for", BlockWord::kFor, false},
    {L"foreach", BlockWord::kForEach, true},
    {L"next", BlockWord::kNext, false},
    {L"while", BlockWord::kWhile, true},
    {L"wend", BlockWord::kWend, false},
    {L"select", BlockWord::kSelect, true},
    {L"endselect", BlockWord::kEndSelect, false},
    {L"endprocedure", BlockWord::kEndProcedure, false},
}};

bool matchesKeyword(std::wstring_view firstWord, const KeywordRow& row) {
    if (equalsIgnoreCase(firstWord, row.word)) return true;
    return row.parenthesisForm && firstWord.size() > row.word.size() &&
           startsWithIgnoreCase(firstWord, row.word) && firstWord[row.word.size()] == L'(';
}

} // namespace

BlockWord classifyBlockWord(std::wstring_view statement) {
    if (isLineMarker(statement)) return BlockWord::kLineMarker;
    // Procedure headers are recognised the way procedures are collected: "Procedure name"
    // or "Procedure.t name" (with a return type).
    if (startsWithIgnoreCase(statement, L"procedure ") ||
        startsWithIgnoreCase(statement, L"procedure."))
        return BlockWord::kProcedure;
    // Break and Continue are restructured only without an argument.
    if (equalsIgnoreCase(statement, L"break")) return BlockWord::kBreak;
    if (equalsIgnoreCase(statement, L"continue")) return BlockWord::kContinue;
    std::wstring_view firstWord = statement.substr(0, statement.find(L' '));
    for (const KeywordRow& row : kKeywords)
        if (matchesKeyword(firstWord, row)) return row.kind;
    return BlockWord::kNone;
}

} // namespace qc
