#include "translator/translator_state.h"

#include "common/text.h"
#include "translator/page_writer.h"
#include "translator/statement_tokens.h"
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

bool isNameCharacter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'_' || c == L'$';
}

// Every name the page runtime's text spells outside a member access, as written: its own
// functions and globals and every browser global it calls (alert, Date, Image, setInterval,
// Math, ...). Read from the runtime itself, so a routine added to it is covered at once.
const std::unordered_set<std::wstring>& runtimeNames() {
    static const std::unordered_set<std::wstring> names = [] {
        std::unordered_set<std::wstring> found;
        for (const std::wstring& line : runtimeLibraryLines()) {
            std::wstring_view text = line;
            size_t comment = text.find(L"//");
            if (comment != std::wstring_view::npos) text = text.substr(0, comment);
            bool quoted = false;
            for (size_t i = 0; i < text.size();) {
                wchar_t c = text[i];
                if (c == L'"') quoted = !quoted;
                if (quoted || !isNameCharacter(c)) {
                    ++i;
                    continue;
                }
                size_t end = i;
                while (end < text.size() && isNameCharacter(text[end])) ++end;
                bool member = i > 0 && text[i - 1] == L'.';
                if (!member && !(c >= L'0' && c <= L'9')) found.emplace(text.substr(i, end - i));
                i = end;
            }
        }
        return found;
    }();
    return names;
}

// A procedure keeps its name in the page unless that name is taken: by the runtime or the
// browser, by the page's own functions, or by a variable, array or list of the program (the
// dialect keeps procedures and variables apart; the script does not).
// The script tells names apart by case, so only a name spelled the same collides; variables
// are written in lower case.
bool needsPrivateName(const std::wstring& name, const std::wstring& lower,
                      const std::unordered_set<std::wstring>& locals,
                      const TranslatorState& state) {
    for (std::wstring_view prefix : {L"init", L"struct", L"inf_", L"qlcx", L"static_", L"_qlcx"})
        if (startsWith(lower, prefix)) return true;
    if (name == L"bufvar" || name == L"INIT") return true;
    if (reservedVariableNames().count(name) != 0 || runtimeNames().count(name) != 0) return true;
    if (name != lower) return false;
    if (locals.count(lower) != 0) return true;
    return state.variables.contains(lower) || state.isArray(lower) || state.isList(lower);
}

} // namespace

void giveProceduresTheirNames(TranslationTokens& all, const TranslatorState& state) {
    std::unordered_set<std::wstring> locals;
    for (const ProcedureScope& scope : all.procedures)
        for (const auto& [name, type] : scope.locals) locals.insert(name);
    std::unordered_set<std::wstring> renamed;
    for (const auto& [lower, declared] : state.procedures)
        if (needsPrivateName(declared, lower, locals, state)) renamed.insert(declared);
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

std::wstring variableName(const std::wstring& lowerName) {
    if (reservedVariableNames().count(lowerName) != 0) return L"qlcxv_" + lowerName;
    return lowerName;
}

} // namespace qc
