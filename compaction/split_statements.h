#pragma once
// First step of compaction: the script lines become statements. Comments, Tab characters and
// the blanks that no word needs are dropped; strings keep everything.
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// One statement per element, in script order. A ";" splits only outside strings and
// parentheses (so "for(i=0;i<n;i++){" stays whole), a blank after "{" splits too (so
// "if(x){ y=1; }" gives "if(x){", "y=1" and "}"), "//" outside strings ends the line.
std::vector<std::wstring> splitStatements(const std::vector<std::wstring>& scriptLines);

// Appends the statements of one line.
void splitLine(std::wstring_view line, std::vector<std::wstring>& statements);

// Whether a blank between two characters carries meaning. It does not next to an operator
// ("a = b" is "a=b"), except between two equal signs: "a - -1" must not become the decrement
// "a--1". The set before the blank differs between the splitter and the tokenizer.
bool blankIsKept(wchar_t before, wchar_t after, std::wstring_view dropAfter);

} // namespace qc
