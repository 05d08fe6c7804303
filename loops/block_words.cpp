#include "loops/block_words.h"

#include "common/text.h"
#include "vocabulary/statement_list.h"

#include <array>

namespace qc {
namespace {

// How a statement starts that holds the keyword.
enum class Form {
    kWord,          // the first word ("Next i")
    kWordOrBracket, // the first word, or the word directly followed by "(" ("If(a=1)")
    kHeader,        // the word and a blank or a dot: "Procedure name", "Procedure.t name"
    kAlone,         // the whole statement: Break and Continue are restructured only bare
};

struct KeywordRow {
    std::wstring_view spelling; // as the dialect writes it, and as messages name it
    BlockWord kind;
    Form form;
};

// The one list of block keywords: the parser and the messages about blocks read it. Procedure comes
// first: "Procedure.i" is no first word of another row.
constexpr std::array<KeywordRow, 18> kKeywords = {{
    {L"Procedure", BlockWord::kProcedure, Form::kHeader},
    {L"Break", BlockWord::kBreak, Form::kAlone},
    {L"Continue", BlockWord::kContinue, Form::kAlone},
    {L"If", BlockWord::kIf, Form::kWordOrBracket},
    {L"Else", BlockWord::kElse, Form::kWord},
    {L"ElseIf", BlockWord::kElseIf, Form::kWordOrBracket},
    {L"EndIf", BlockWord::kEndIf, Form::kWord},
    {L"Repeat", BlockWord::kRepeat, Form::kWord},
    {L"Until", BlockWord::kUntil, Form::kWordOrBracket},
    {L"ForEver", BlockWord::kForEver, Form::kWord},
    {L"For", BlockWord::kFor, Form::kWord},
    {L"ForEach", BlockWord::kForEach, Form::kWordOrBracket},
    {L"Next", BlockWord::kNext, Form::kWord},
    {L"While", BlockWord::kWhile, Form::kWordOrBracket},
    {L"Wend", BlockWord::kWend, Form::kWord},
    {L"Select", BlockWord::kSelect, Form::kWordOrBracket},
    {L"EndSelect", BlockWord::kEndSelect, Form::kWord},
    {L"EndProcedure", BlockWord::kEndProcedure, Form::kWord},
}};

bool matchesKeyword(std::wstring_view statement, std::wstring_view firstWord,
                    const KeywordRow& row) {
    std::wstring_view word = row.spelling;
    switch (row.form) {
    case Form::kAlone:
        return equalsIgnoreCase(statement, word);
    case Form::kHeader:
        return statement.size() > word.size() && startsWithIgnoreCase(statement, word) &&
               containsChar(L" .", statement[word.size()]);
    case Form::kWordOrBracket:
        // Reading drops the blank before a bracket or a sign, so "If -a < 0" and "If *p"
        // arrive as "If-a<0" and "If*p".
        if (firstWord.size() > word.size() && startsWithIgnoreCase(firstWord, word) &&
            containsChar(L"(-+*", firstWord[word.size()]))
            return true;
        [[fallthrough]];
    case Form::kWord:
        return equalsIgnoreCase(firstWord, word);
    }
    return false;
}

} // namespace

BlockWord classifyBlockWord(std::wstring_view statement) {
    if (isLineMarker(statement)) return BlockWord::kLineMarker;
    std::wstring_view firstWord = statement.substr(0, statement.find(L' '));
    for (const KeywordRow& row : kKeywords)
        if (matchesKeyword(statement, firstWord, row)) return row.kind;
    return BlockWord::kNone;
}

std::wstring_view blockWordSpelling(BlockWord kind) {
    for (const KeywordRow& row : kKeywords)
        if (row.kind == kind) return row.spelling;
    return L"";
}

} // namespace qc
