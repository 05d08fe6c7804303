#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The page runtime library as the build joined it: first line "// INIT ...", last fragment
// "//EOF" with no line end behind it. Plain ASCII.
std::string_view runtimeLibraryText();

// The runtime library's lines as they go into every script, made anew on each call: nothing
// keeps a copy beside the one in the page being made, which on a large program is two
// megabytes less at the conversion's peaks.
std::vector<std::wstring> runtimeLibraryLines();
// How many lines that is, and the first one.
size_t runtimeLibraryLineCount();
const std::wstring& runtimeLibraryFirstLine();

// The style sheet that every page carries, from "<style>" to "</style>".
std::string_view styleBlockText();

} // namespace qc
