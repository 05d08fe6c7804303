#pragma once
#include <string_view>

namespace qc {

// The page runtime library as the build joined it: first line "// INIT ...", last fragment
// "//EOF" with no line end behind it. Plain ASCII.
std::string_view runtimeLibraryText();

// The style sheet that every page carries, from "<style>" to "</style>".
std::string_view styleBlockText();

} // namespace qc
