#include "translator/translator_state.h"

#include <unordered_set>

namespace qc {
namespace {

// Lower-case names a program variable must not take in the page: the runtime's own
// lower-case functions, the target language's reserved words, and browser globals whose
// assignment changes the page (a variable called "location" would navigate away).
const std::unordered_set<std::wstring>& reservedVariableNames() {
    static const std::unordered_set<std::wstring> names = {
        // the page runtime
        L"empty", L"dimfunc", L"drag", L"draginit", L"dragstart", L"dragstop", L"setontop", L"end",
        L"var",
        // reserved words of the target language
        L"await", L"break", L"case", L"catch", L"class", L"const", L"continue", L"debugger",
        L"default", L"delete", L"do", L"else", L"enum", L"export", L"extends", L"false", L"finally",
        L"for", L"function", L"if", L"implements", L"import", L"in", L"instanceof", L"interface",
        L"let", L"new", L"null", L"package", L"private", L"protected", L"public", L"return",
        L"static", L"super", L"switch", L"this", L"throw", L"true", L"try", L"typeof", L"void",
        L"while", L"with", L"yield", L"arguments", L"eval", L"undefined",
        // browser globals
        L"alert", L"blur", L"close", L"closed", L"confirm", L"console", L"document", L"event",
        L"find", L"focus", L"frames", L"history", L"length", L"location", L"name", L"navigator",
        L"open", L"opener", L"origin", L"parent", L"print", L"prompt", L"screen", L"scroll",
        L"self", L"status", L"stop", L"top", L"window"};
    return names;
}

} // namespace

bool isBasicType(std::wstring_view type) {
    return type.size() == 1 &&
           std::wstring_view(L"abcwulifqds").find(type[0]) != std::wstring_view::npos;
}

std::wstring fieldPath(std::wstring_view path) {
    std::wstring out;
    for (wchar_t c : path) {
        if (c == L'\\') c = L'.';
        if (c == L'.' && !out.empty() && out.back() == L'$') out.pop_back();
        out += c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    }
    if (!out.empty() && out.back() == L'$') out.pop_back();
    return out;
}

std::wstring variableName(const std::wstring& lowerName) {
    if (reservedVariableNames().count(lowerName) != 0) return L"qlcxv_" + lowerName;
    return lowerName;
}

} // namespace qc
