#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The page runtime library as the build joined it: first line "// INIT ...", last fragment
// "//EOF" with no line end behind it. Plain ASCII.
std::string_view runtimeLibraryText();

// The runtime library's lines as they go into every script, made once.
const std::vector<std::wstring>& runtimeLibraryLines();

// The style sheet that every page carries, from "<style>" to "</style>".
std::string_view styleBlockText();

} // namespace qc
