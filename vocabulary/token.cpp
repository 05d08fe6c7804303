#include "vocabulary/token.h"

#include <array>

namespace qc {

std::wstring_view kindTag(int kind) {
    static constexpr std::array<std::wstring_view, 13> kTags = {
        L"UNKNW", L"COMND", L"PROC ", L"OP   ", L"VAR  ", L"TEXT ", L"NUMB ",
        L"FLOAT", L"CONST", L"#END#", L"EMPTY", L"ready", L"STRUC"};
    if (kind < 0 || kind >= static_cast<int>(kTags.size())) return {};
    return kTags[static_cast<size_t>(kind)];
}

} // namespace qc
