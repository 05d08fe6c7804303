#include "translator/translator_state.h"

#include "translator/statement_tokens.h"

#include <unordered_set>

namespace qc {

void giveProceduresTheirNames(TranslationTokens& all, const TranslatorState& state) {
    std::unordered_set<std::wstring> renamed;
    for (const auto& [lower, declared] : state.procedures)
        if (state.symbols.procedureNeedsPrivateName(declared)) renamed.insert(declared);
    if (renamed.empty()) return;
    for (SourceToken& token : all.tokens)
        if (token.kind == kProc && renamed.count(token.text) != 0)
            token.text = L"QLCXp_" + token.text;
}

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

} // namespace qc
