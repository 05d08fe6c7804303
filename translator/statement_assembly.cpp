#include "translator/statement_assembly.h"
#include "common/text.h"

namespace qc {
namespace {

// The declarations that follow a procedure's header line: every local variable that is
// not a parameter, not static or shared, and not a global (unless Protected hides the
// global), and the arrays, lists and maps the procedure makes for each call.
std::vector<std::wstring> localDeclarations(const ProcedureScope& scope,
                                            const TranslatorState& state) {
    std::vector<std::wstring> lines;
    for (const auto& [name, type] : scope.locals) {
        const int* declared = scope.scopes.find(name);
        int kind = declared != nullptr ? *declared : kScopeNone;
        if (type == kSelfDeclared) {
            // Parameters need no line; an array, list or map of the call's own does.
            if (kind == kScopeProtected) lines.push_back(L"var " + name + L"=0;");
            continue;
        }
        if (kind == kScopeStatic || kind == kScopeShared) continue;
        if (kind != kScopeProtected && state.globals.contains(name)) continue;
        if (type == L"s")
            lines.push_back(L"var " + name + L"=\"\";");
        else if (type.empty() || isBasicType(type))
            lines.push_back(L"var " + name + L"=0;");
        else
            lines.push_back(L"var " + name + L"=init" + type + L"();");
    }
    return lines;
}

bool endsLine(const std::wstring& line) {
    return !line.empty() && containsChar(L"{};:", line.back());
}

} // namespace

std::vector<std::wstring> assembleLines(const TranslationTokens& all, const TranslatorState& state,
                                        std::vector<int>* sourceLines) {
    const auto& t = all.tokens;
    std::vector<std::wstring> lines;
    std::wstring line;
    int pendingHeader = -1;
    for (size_t i = 1; i <= all.last(); ++i) {
        const SourceToken& token = t[i];
        if (token.kind == kEmpty) continue;
        if (token.kind == kReady) {
            line += token.text.substr(4);
        } else if (token.kind != kEnd) {
            if (token.kind == kCommand && token.procedure >= 0) pendingHeader = token.procedure;
            // "a - -1" must not become the decrement "a--1".
            if (!line.empty() && !token.text.empty() && containsChar(L"+-", token.text[0]) &&
                line.back() == token.text[0])
                line += L' ';
            line += token.text;
        } else if (!line.empty()) {
            if (token.text != kEndMarkText)
                line += token.text;
            else if (!endsLine(line) && t[i - 1].kind != kReady)
                line += L';';
            lines.push_back(std::move(line));
            line.clear();
            if (pendingHeader >= 0 && static_cast<size_t>(pendingHeader) < all.procedures.size()) {
                auto locals = localDeclarations(all.procedures[pendingHeader], state);
                lines.insert(lines.end(), locals.begin(), locals.end());
            }
            if (sourceLines != nullptr) sourceLines->resize(lines.size(), token.line);
            pendingHeader = -1;
        }
    }
    return lines;
}

} // namespace qc
