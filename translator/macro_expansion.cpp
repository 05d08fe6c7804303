#include "translator/macro_expansion.h"

#include "common/text.h"
#include "translator/source/lexer.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <unordered_map>

namespace qc {
namespace {

struct Macro {
    std::wstring name;
    std::vector<std::wstring> parameters; // lower case
    std::vector<std::wstring> body;       // statements without markers
    bool withParameters = false;
};

// Deeper than this, a macro that uses itself is reported instead of growing without end.
constexpr int kMaxDepth = 16;

class MacroExpander {
public:
    explicit MacroExpander(Diagnostics& diag) : diag_(diag) {}

    std::vector<std::wstring> run(const std::vector<std::wstring>& statements) {
        for (size_t i = 0; i < statements.size(); ++i) {
            const std::wstring& element = statements[i];
            if (isLineMarker(element)) {
                line_ = markerLine(element);
                marker_ = element;
                continue;
            }
            if (startsWithIgnoreCase(element, L"macro ")) {
                i = readMacro(statements, i);
                continue;
            }
            emit(element, 0);
        }
        return std::move(out_);
    }

private:
    size_t readMacro(const std::vector<std::wstring>& statements, size_t start) {
        std::wstring_view head = trim(std::wstring_view(statements[start]).substr(6), L" ");
        Macro macro;
        size_t open = head.find(L'(');
        macro.name = toLower(trim(head.substr(0, open), L" "));
        if (open != std::wstring_view::npos) {
            macro.withParameters = true;
            size_t close = head.rfind(L')');
            std::wstring_view inside =
                head.substr(open + 1, close == head.npos ? head.npos : close - open - 1);
            for (const std::wstring& p : splitArguments(inside))
                if (!trim(p, L" ").empty()) macro.parameters.push_back(toLower(trim(p, L" ")));
        }
        size_t i = start + 1;
        for (; i < statements.size(); ++i) {
            if (isLineMarker(statements[i])) continue;
            if (equalsIgnoreCase(statements[i], L"endmacro")) break;
            macro.body.push_back(statements[i]);
        }
        if (i >= statements.size()) diag_.error(message::withoutEnd(line_, L"Macro", L"EndMacro"));
        macros_[macro.name] = std::move(macro);
        return i;
    }

    // Writes the statement, each macro use in it expanded.
    void emit(const std::wstring& statement, int depth) {
        for (const auto& [name, macro] : macros_) {
            size_t at = findWholeWord(statement, name);
            if (at == std::wstring::npos) continue;
            if (depth >= kMaxDepth) {
                diag_.error(message::notSupported(line_, L"macro that uses itself: " + name));
                return;
            }
            size_t end = at + name.size();
            std::vector<std::wstring> arguments;
            if (macro.withParameters) {
                while (end < statement.size() && statement[end] == L' ') ++end;
                if (end >= statement.size() || statement[end] != L'(') continue;
                size_t close = closingBracket(statement, end);
                if (close == std::wstring::npos) continue;
                arguments =
                    splitArguments(std::wstring_view(statement).substr(end + 1, close - end - 1));
                end = close + 1;
            }
            std::vector<std::wstring> body = substituted(macro, arguments);
            std::wstring before = statement.substr(0, at);
            std::wstring after = statement.substr(end);
            if (body.size() == 1) {
                emit(before + body[0] + after, depth + 1);
            } else if (trim(before, L" ").empty() && trim(after, L" ").empty()) {
                for (const std::wstring& s : body) emit(s, depth + 1);
            } else if (!body.empty()) {
                diag_.error(message::notSupported(
                    line_, L"macro of several statements in an expression: " + name));
            }
            return;
        }
        out_.push_back(marker_);
        out_.push_back(statement);
    }

    static size_t closingBracket(std::wstring_view text, size_t open) {
        int depth = 0;
        bool quoted = false;
        for (size_t i = open; i < text.size(); ++i) {
            if (text[i] == L'"') quoted = !quoted;
            if (quoted) continue;
            if (text[i] == L'(') ++depth;
            if (text[i] == L')' && --depth == 0) return i;
        }
        return std::wstring_view::npos;
    }

    std::vector<std::wstring> substituted(const Macro& macro,
                                          const std::vector<std::wstring>& arguments) const {
        std::vector<std::wstring> body = macro.body;
        for (std::wstring& s : body) {
            for (size_t p = 0; p < macro.parameters.size(); ++p) {
                std::wstring value =
                    p < arguments.size() ? std::wstring(trim(arguments[p], L" ")) : L"";
                for (size_t at = findWholeWord(s, macro.parameters[p]); at != std::wstring::npos;
                     at = findWholeWord(s, macro.parameters[p], at + value.size())) {
                    s.replace(at, macro.parameters[p].size(), value);
                }
            }
        }
        return body;
    }

    Diagnostics& diag_;
    std::unordered_map<std::wstring, Macro> macros_;
    std::vector<std::wstring> out_;
    std::wstring marker_;
    int line_ = -1;
};

} // namespace

std::vector<std::wstring> expandMacros(std::vector<std::wstring> statements, Diagnostics& diag) {
    // Most programs define no macro: their list passes through untouched.
    bool any = std::any_of(statements.begin(), statements.end(), [](const std::wstring& s) {
        return startsWithIgnoreCase(s, L"macro ");
    });
    if (!any) return statements;
    return MacroExpander(diag).run(statements);
}

} // namespace qc
