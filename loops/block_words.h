#pragma once
// Recognises the statements that open, divide or close a block, by their first word: the
// parser tells with it a block word standing inside a statement, and messages name blocks
// with its spellings.
#include <optional>
#include <string>
#include <string_view>

namespace qc {

enum class BlockWord {
    kNone, // any other statement
    kLineMarker,
    kIf,
    kElse,
    kElseIf, // only where no If is open: the language pass turns the others into Else and If
    kEndIf,
    kRepeat,
    kUntil,
    kForEver,
    kFor,
    kForEach,
    kNext,
    kWhile,
    kWend,
    kSelect,
    kEndSelect,
    kProcedure,
    kEndProcedure,
    kBreak,
    kContinue,
};

// Looks at the statement's first word (up to the first blank), ignoring letter case. A
// keyword directly followed by "(" counts too where a condition or value follows it:
// "If(a=1)" and "Until(e=16)" are what the reader makes of "If (a = 1)" and
// "Until (e = 16)". "Ifx = 1" is an ordinary statement.
BlockWord classifyBlockWord(std::wstring_view statement);

// The keyword as the dialect spells it ("EndIf"), for messages; empty for kNone and
// kLineMarker.
std::wstring_view blockWordSpelling(BlockWord kind);

} // namespace qc
