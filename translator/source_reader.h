#pragma once
// Reads decoded source text into the statement list: every statement preceded by its line
// marker "°line" + number.
#include "common/diagnostics.h"

#include <string>
#include <string_view>
#include <vector>

namespace qc {

std::vector<std::wstring> readSource(std::wstring_view sourceText, Diagnostics& diag);

} // namespace qc
