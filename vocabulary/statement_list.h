#pragma once
// The elements of the statement list besides statements: line markers ("°line12") and
// finished target-code lines ("°cl ChangeLoop(0)"), and the messages of the translator.
#include <string>
#include <string_view>

namespace qc {

bool isLineMarker(std::wstring_view element);
// The number of a line marker; -1 when the element is none.
int markerLine(std::wstring_view element);
std::wstring lineMarker(int line);
bool isTargetLine(std::wstring_view element);

// The translator's messages, built from fixed pieces so that every stage words them alike.
namespace message {
std::wstring functionNotFound(int line, std::wstring_view word);
std::wstring unknownType(int line, int column, std::wstring_view word);
// The word an unknownType message names; empty for any other message.
std::wstring_view unknownTypeWord(std::wstring_view message);
std::wstring constNotFound(int line, std::wstring_view constant);
std::wstring bracketError(int line);
// Constructs the dialect has but the translator does not take: "line 4: not supported: %".
std::wstring notSupported(int line, std::wstring_view what);
// A name the page needs for itself: "line 2: reserved procedure name: INIT".
std::wstring reservedName(int line, std::wstring_view what, std::wstring_view name);
// A block that never ends: "line 3: Structure without EndStructure".
std::wstring withoutEnd(int line, std::wstring_view opener, std::wstring_view closer);
} // namespace message

} // namespace qc
