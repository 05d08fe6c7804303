#pragma once
// Token kinds shared by script compaction and the statement translator. (The lexer of the
// dialect has its own Token and TokenKind in translator/source/lexer.h; these names must not
// be defined twice in one program.)
#include <string>
#include <string_view>

namespace qc {

enum ScriptTokenKind : int {
    kUnknown = 0, // "UNKNW"
    kCommand = 1, // "COMND": fixed vocabulary (target word, built-in command, keyword)
    kProc = 2,    // "PROC ": a declared function / procedure
    kOp = 3,      // "OP   ": one operator or punctuation character, a kept blank, a merged pair
    kVar = 4,     // "VAR  "
    kText = 5,    // "TEXT ": string literal, quotes included
    kNumber = 6,  // "NUMB "
    kFloat = 7,   // "FLOAT"
    kConst = 8,   // "CONST": translator only
    kEnd = 9,     // "#END#": end of a statement, text "§"
    kEmpty = 10,  // "EMPTY": removed, produces no output
    kReady = 11,  // "ready": a finished target line (translator only)
    kStruct = 12, // "STRUC"
};

// The five-character tag of a kind code; empty outside 0..12.
std::wstring_view kindTag(int kind);

// The operators that, after a place that begins a statement, change that place: "a + 1",
// "a % 60", "a << 2" (the dialect's in-place forms; "a = a + 1" needs no operator here).
inline bool isInPlaceOperator(std::wstring_view op) {
    return op == L"+" || op == L"-" || op == L"*" || op == L"/" || op == L"|" || op == L"%" ||
           op == L"&" || op == L"!" || op == L"<<" || op == L">>";
}

// The end sentinel appended to every statement before it is scanned.
inline constexpr wchar_t kEndMark = L'\u00A7';
inline constexpr std::wstring_view kEndMarkText = L"\u00A7";

// Character sets of the splitting and tokenizing scans.
namespace charset {
inline constexpr std::wstring_view kSplitDropBlankAfter =
    L" =+-*/($)]{},;:?&|%^"; // char before blank
inline constexpr std::wstring_view kDropBlankBefore =
    L" =+-*/()$]{},;:?&|!%^<>"; // char after blank
inline constexpr std::wstring_view kScanDropBlankAfter =
    L" =+-<>*/($)]{},;:?&|%^"; // char before blank
inline constexpr std::wstring_view kPreScanSeparators = L"=+ ;-)*/%^<{}[]>(,\u00A7";
inline constexpr std::wstring_view kTokenSeparators = L"=+ ;-)*!&:|/%^<{}[]>?(,\u00A7";
inline constexpr std::wstring_view kOperatorChars = L"{} ,()<=>+-*/%^:?![]|&";
inline constexpr std::wstring_view kAfterEquals = L"=<>";
inline constexpr std::wstring_view kSignBefore = L" =<>";
} // namespace charset

} // namespace qc
