#include "translator/translator_state.h"

#include "common/text.h"
#include "vocabulary/reserved_words.h"

#include <unordered_set>

namespace qc {
namespace {

// Lower-case names a program variable must not take in the page: the runtime's own
// lower-case functions, the target language's reserved words, and browser globals whose
// assignment changes the page (a variable called "location" would navigate away).
const std::unordered_set<std::wstring>& reservedVariableNames() {
    static const std::unordered_set<std::wstring> names = [] {
        std::unordered_set<std::wstring> set = {// the page runtime
                                                L"empty", L"dimfunc", L"drag", L"draginit",
                                                L"dragstart", L"dragstop", L"setontop", L"end",
                                                // browser globals the page calls
                                                L"alert", L"blur", L"close", L"confirm", L"console",
                                                L"document", L"find", L"focus", L"open", L"print",
                                                L"prompt", L"screen", L"scroll", L"stop"};
        // The program's names are written in lower case, so only lower-case words collide.
        for (auto list : {reservedWords(), fixedGlobals(), windowProperties()})
            for (auto word : list)
                if (word == toLower(word)) set.emplace(word);
        return set;
    }();
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
