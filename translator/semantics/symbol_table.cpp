#include "translator/semantics/symbol_table.h"

#include "common/embedded_texts.h"
#include "common/text.h"
#include "vocabulary/reserved_words.h"

#include <algorithm>

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

// The runtime's functions and how many parameters each declares, from its lines that begin
// "function Name(".
const std::unordered_map<std::wstring, int>& runtimeFunctions() {
    static const auto functions = [] {
        std::unordered_map<std::wstring, int> found;
        constexpr std::wstring_view kFunction = L"function ";
        for (const std::wstring& line : runtimeLibraryLines()) {
            std::wstring_view text = line;
            if (!startsWith(text, kFunction)) continue;
            size_t open = text.find(L'(');
            size_t close = text.find(L')', open);
            if (open == std::wstring_view::npos || close == std::wstring_view::npos) continue;
            std::wstring_view name = text.substr(kFunction.size(), open - kFunction.size());
            std::wstring_view params = text.substr(open + 1, close - open - 1);
            int count = 0;
            if (params.find_first_not_of(L' ') != std::wstring_view::npos)
                count = 1 + static_cast<int>(std::count(params.begin(), params.end(), L','));
            found.emplace(std::wstring(name), count);
        }
        return found;
    }();
    return functions;
}

std::wstring scopedKey(const std::wstring& procedure, const std::wstring& name) {
    return procedure + L"\\" + name;
}

} // namespace

int runtimeParameterCount(const std::wstring& name) {
    auto it = runtimeFunctions().find(name);
    return it == runtimeFunctions().end() ? -1 : it->second;
}

bool isReservedScriptName(const std::wstring& name) {
    return reservedVariableNames().count(name) != 0;
}

void SymbolTable::declareContainer(const std::wstring& scriptName, ContainerKind kind,
                                   std::wstring elementType, const std::wstring& procedure) {
    containers_[scopedKey(procedure, scriptName)] = {kind, std::move(elementType)};
    containerNames_.insert(scriptName);
}

const ContainerSymbol* SymbolTable::container(const std::wstring& scriptName,
                                              const std::wstring& procedure) const {
    if (!procedure.empty()) {
        auto own = containers_.find(scopedKey(procedure, scriptName));
        if (own != containers_.end()) return &own->second;
    }
    auto program = containers_.find(scopedKey(L"", scriptName));
    return program != containers_.end() ? &program->second : nullptr;
}

bool SymbolTable::sameScope(const std::wstring& scriptName, const std::wstring& procedure) const {
    return containers_.count(scopedKey(procedure, scriptName)) != 0;
}

bool SymbolTable::isArray(const std::wstring& scriptName, const std::wstring& procedure) const {
    const ContainerSymbol* symbol = container(scriptName, procedure);
    return symbol != nullptr && symbol->kind == ContainerKind::kArray;
}

bool SymbolTable::isList(const std::wstring& scriptName, const std::wstring& procedure) const {
    const ContainerSymbol* symbol = container(scriptName, procedure);
    return symbol != nullptr && symbol->kind != ContainerKind::kArray;
}

bool SymbolTable::isMap(const std::wstring& scriptName, const std::wstring& procedure) const {
    const ContainerSymbol* symbol = container(scriptName, procedure);
    return symbol != nullptr && symbol->kind == ContainerKind::kMap;
}

bool SymbolTable::anyContainer(const std::wstring& scriptName) const {
    return containerNames_.count(scriptName) != 0;
}

void SymbolTable::declareStructure(const std::wstring& lowerName) {
    typeNames_.insert(L"init" + lowerName);
    typeNames_.insert(L"struct" + lowerName);
}

bool SymbolTable::declareLabel(const std::wstring& scope, const std::wstring& lowerName, int line) {
    if (!labels_.emplace(scopedKey(scope, lowerName), LabelSymbol{line}).second) return false;
    labelScopes_.emplace(lowerName, scope);
    return true;
}

const LabelSymbol* SymbolTable::label(const std::wstring& scope,
                                      const std::wstring& lowerName) const {
    auto found = labels_.find(scopedKey(scope, lowerName));
    return found != labels_.end() ? &found->second : nullptr;
}

bool SymbolTable::labelElsewhere(const std::wstring& scope, const std::wstring& lowerName) const {
    auto [from, to] = labelScopes_.equal_range(lowerName);
    for (auto it = from; it != to; ++it)
        if (it->second != scope) return true;
    return false;
}

std::wstring SymbolTable::containerName(const std::wstring& lowerName) {
    return isReservedScriptName(lowerName) ? L"qlcxv_" + lowerName : lowerName;
}

// "qlcxvar_" is a prefix of its own: a reserved name that is also a container's is
// "qlcxv_empty" for the container and "qlcxvar_empty" for the variable.
std::wstring SymbolTable::variableName(const std::wstring& lowerName) const {
    std::wstring name = containerName(lowerName);
    if (anyContainer(name) || typeNames_.count(name) != 0) return L"qlcxvar_" + lowerName;
    return name;
}

bool SymbolTable::procedureNeedsPrivateName(const std::wstring& declared) const {
    std::wstring lower = toLower(declared);
    for (std::wstring_view prefix : {L"init", L"struct", L"inf_", L"qlcx", L"static_", L"_qlcx"})
        if (startsWith(lower, prefix)) return true;
    if (declared == L"bufvar" || declared == L"INIT") return true;
    if (isReservedScriptName(declared) || runtimeNames().count(declared) != 0) return true;
    if (declared != lower) return false;
    return variables_.count(lower) != 0 || anyContainer(lower);
}

const ConstantValue* SymbolTable::constant(std::wstring_view written, int line) const {
    std::wstring key = toLower(written);
    if (!key.empty() && key[0] == L'#') key.erase(0, 1);
    auto it = constants_.find(key);
    if (it == constants_.end() || it->second.line > line) return nullptr;
    return &it->second.value;
}

} // namespace qc
