#pragma once
// The elements of the statement list besides statements: line markers ("°line12") and
// finished target-code lines ("°cl ChangeLoop(0)"), and the messages of the translator.
#include "common/diagnostics.h"

#include <string>
#include <string_view>

namespace qc {

bool isLineMarker(std::wstring_view element);
// The number of a line marker; -1 when the element is none.
int markerLine(std::wstring_view element);
std::wstring lineMarker(long long line);
bool isTargetLine(std::wstring_view element);
// A finished target-code line: `code` behind the target-line mark.
std::wstring targetLine(std::wstring_view code);

// The translator's messages, as records with their fixed pieces, so that every stage words
// them alike.
namespace message {
// "line N: " + text. Messages name the line of the nearest marker before the statement;
// before any marker the number is -1.
Diagnostic atLine(long long line, std::wstring_view text);
Diagnostic functionNotFound(int line, std::wstring_view word);
Diagnostic unknownType(int line, int column, std::wstring_view word);
// A character no source may hold, in hexadecimal: "line 2  column 5 error unknow character($1B)!".
Diagnostic unknownCharacter(long long line, int column, std::wstring_view hex);
Diagnostic constNotFound(int line, std::wstring_view constant);
// A constant the tables lack: "not supported" for one a page cannot have ("#WM_PAINT"),
// "const Not found" for any other, which is most likely misspelt.
Diagnostic unknownConstant(int line, std::wstring_view constant);
Diagnostic bracketError(int line);
// Constructs the dialect has but the translator does not take: "line 4: not supported: %".
Diagnostic notSupported(int line, std::wstring_view what);
// A name the page needs for itself: "line 2: reserved procedure name: INIT".
Diagnostic reservedName(int line, std::wstring_view what, std::wstring_view name);
// A block that never ends, or an end without its block: "line 3: Structure without
// EndStructure", "line 5: EndIf without If".
Diagnostic withoutEnd(long long line, std::wstring_view opener, std::wstring_view closer);
// A line of the translated program that does not parse: "line 7: syntax error near }".
Diagnostic syntaxError(long long line, std::wstring_view near);
} // namespace message

} // namespace qc
