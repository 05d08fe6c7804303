#include "vocabulary/reserved_words.h"

namespace qc {
namespace {

// clang-format off
constexpr std::wstring_view kReserved[] = {
    L"await", L"break", L"case", L"catch", L"class", L"const", L"continue", L"debugger",
    L"default", L"delete", L"do", L"else", L"enum", L"export", L"extends", L"false",
    L"finally", L"for", L"function", L"if", L"implements", L"import", L"in", L"instanceof",
    L"interface", L"let", L"new", L"null", L"package", L"private", L"protected", L"public",
    L"return", L"static", L"super", L"switch", L"this", L"throw", L"true", L"try", L"typeof",
    L"var", L"void", L"while", L"with", L"yield",
};
constexpr std::wstring_view kFixedGlobals[] = {
    L"NaN", L"Infinity", L"undefined", L"arguments", L"eval",
};
constexpr std::wstring_view kWindowProperties[] = {
    L"top", L"name", L"self", L"status", L"event", L"parent", L"length", L"closed", L"origin",
    L"opener", L"frames", L"window", L"location", L"history", L"navigator",
};
// clang-format on

} // namespace

std::span<const std::wstring_view> reservedWords() {
    return kReserved;
}

std::span<const std::wstring_view> fixedGlobals() {
    return kFixedGlobals;
}

std::span<const std::wstring_view> windowProperties() {
    return kWindowProperties;
}

} // namespace qc
