#include "translator/source/language_pass.h"

#include "common/text.h"
#include "tables/refused_table.h"
#include "translator/source/conditional_compilation.h"
#include "translator/source/constant_folder.h"
#include "translator/source/lexer.h"
#include "translator/source/macro_expansion.h"
#include "vocabulary/statement_list.h"

#include <optional>
#include <set>
#include <unordered_map>

namespace qc {
namespace {

bool isNameChar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
           c == L'_' || c >= 0x80;
}

// "kw" followed by a blank, a bracket or nothing.
bool startsKeyword(std::wstring_view lc, std::wstring_view keyword) {
    if (!startsWith(lc, keyword)) return false;
    return lc.size() == keyword.size() || containsChar(L" (.", lc[keyword.size()]);
}

std::wstring_view afterKeyword(std::wstring_view statement, size_t length) {
    return trim(statement.substr(std::min(length, statement.size())), L" ");
}

class LanguagePass {
public:
    LanguagePass(Diagnostics& diag, std::vector<std::pair<int, bool>>* switches,
                 ProgramFacts& facts)
        : diag_(diag), switches_(switches), facts_(facts),
          compiler_(
              diag, lookup(),
              [this](const std::wstring& name, const std::wstring& kind) {
                  return isDefined(name, kind);
              },
              layoutCall()),
          macros_(diag) {}

    // Statements pass through by moving: only those the pass rewrites are copied. A
    // statement is moved out only once the look-ahead of earlier ones is past it.
    std::vector<std::wstring> run(std::vector<std::wstring> statements) {
        statements_ = &statements;
        out_.reserve(statements.size());
        for (i_ = 0; i_ < statements.size(); ++i_) {
            std::wstring& element = statements[i_];
            if (isTargetLine(element)) {
                out_.push_back(std::move(element));
                continue;
            }
            if (isLineMarker(element)) {
                line_ = markerLine(element);
                marker_ = element;
                continue;
            }
            statement(element);
        }
        compiler_.finish();
        macros_.finish();
        return std::move(out_);
    }

private:
    // Whether a later statement is this closing word.
    bool follows(std::wstring_view closer) const {
        for (size_t k = i_ + 1; k < statements_->size(); ++k)
            if (equalsIgnoreCase((*statements_)[k], closer)) return true;
        return false;
    }

    // Macros are defined and replaced here, after conditional compilation has chosen the
    // branch, so that a macro of a branch not taken does not exist; the statements a use
    // stands for meet conditional compilation again, since a body may hold directives.
    void statement(std::wstring& original) {
        if (macros_.recording()) {
            macros_.take(original, line_);
            return;
        }
        std::wstring lc = toLower(original);
        if (compiler_.take(original, lc, line_) || !compiler_.active()) return;
        if (startsKeyword(lc, L"includefile")) return missingInclude(original);
        if (macros_.take(original, line_)) return;
        if (macros_.empty()) return languageStatement(original, lc);
        for (std::wstring& s : macros_.expand(original, line_)) {
            lc = toLower(s);
            if (compiler_.take(s, lc, line_) || !compiler_.active()) continue;
            languageStatement(s, lc);
        }
    }

    void languageStatement(std::wstring& original, std::wstring& lc) {
        if (startsKeyword(lc, L"declare") || startsWith(lc, L"declarec")) return;
        if (lc == L"enableexplicit" || lc == L"disableexplicit") {
            if (switches_ != nullptr) switches_->push_back({line_, lc[0] == L'e'});
            return;
        }
        if (startsWith(lc, L"structure ")) facts_.layouts.record(*statements_, i_, lookup());
        if (enumeration_) return enumerationMember(original, lc);
        if (startsKeyword(lc, L"enumeration") || startsKeyword(lc, L"enumerationbinary"))
            return startEnumeration(original, lc);
        if (startsWith(lc, L"#") && defineConstant(original)) return;
        // A closing word whose block is not open closes nothing; left in, the page would
        // meet it as an unknown name. (Data sections are the parser's blocks.)
        if (lc == L"endenumeration")
            return report(message::withoutEnd(line_, L"EndEnumeration", L"Enumeration"));
        write(std::move(original));
    }

    // An include file the reader did not find, in a branch that is taken.
    void missingInclude(std::wstring_view statement) {
        std::vector<Token> tokens = lexLine(statement);
        std::wstring_view name = tokens.size() > 1 && tokens[1].kind == TokenKind::kString
                                     ? tokens[1].text.substr(1, tokens[1].text.size() - 2)
                                     : std::wstring_view();
        diag_.error(
            message::atLine(line_, L"include file not found: \"" + std::wstring(name) + L"\""));
    }

    void write(std::wstring s) {
        out_.push_back(marker_);
        out_.push_back(std::move(s));
    }

    // ---- Defined(name, #PB_kind) of conditional compilation

    bool isDefined(const std::wstring& name, const std::wstring& kind) {
        if (kind == L"constant") return facts_.constants.contains(name) || builtInConstant(name);
        if (kind == L"structure") return facts_.layouts.known(name);
        if (kind == L"procedure") return procedureNames().contains(name);
        if (kind == L"macro") return macros_.defined(name);
        report(message::notSupported(line_, L"Defined(" + name + L", #PB_" + kind + L")"));
        return false;
    }

    // Every procedure of the program, wherever it stands: a procedure may be used, and asked
    // about, before its definition.
    const std::set<std::wstring>& procedureNames() {
        if (procedures_) return *procedures_;
        procedures_.emplace();
        for (const std::wstring& element : *statements_) {
            if (!startsWithIgnoreCase(element, L"procedure")) continue;
            std::wstring_view rest = std::wstring_view(element).substr(9);
            if (rest.empty() || (rest[0] != L' ' && rest[0] != L'.')) continue;
            size_t blank = rest.find(L' ');
            if (blank == std::wstring_view::npos) continue;
            rest = rest.substr(blank + 1);
            size_t end = 0;
            while (end < rest.size() && (isNameChar(rest[end]) || rest[end] == L'$')) ++end;
            procedures_->insert(toLower(rest.substr(0, end)));
        }
        return *procedures_;
    }

    // ---- constants

    ConstantLookup lookup() const {
        return [this](const std::wstring& name) -> std::optional<ConstantValue> {
            auto it = facts_.constants.find(name);
            if (it == facts_.constants.end()) return std::nullopt;
            return it->second.value;
        };
    }

    // SizeOf and OffsetOf are the calls a constant's value may hold.
    ConstantCall layoutCall() const {
        return [this](const SyntaxTree& tree, const Expr& call) {
            return facts_.layouts.callValue(tree, call);
        };
    }

    // "#Name = value": false when the statement is something else ("#A" alone).
    bool defineConstant(const std::wstring& s) {
        size_t eq = s.find(L'=');
        if (eq == std::wstring::npos) return false;
        std::wstring_view name = trim(std::wstring_view(s).substr(1, eq - 1), L" ");
        for (wchar_t c : name)
            if (!isNameChar(c) && c != L'$') return false;
        setConstant(std::wstring(name), std::wstring_view(s).substr(eq + 1));
        return true;
    }

    // Folds and records; the value is returned for enumerations.
    std::optional<ConstantValue> setConstant(const std::wstring& name, std::wstring_view text) {
        std::wstring unknown;
        std::optional<ConstantValue> value = foldConstant(text, lookup(), &unknown, layoutCall());
        if (!value) {
            if (!unknown.empty())
                report(message::constNotFound(line_, unknown));
            else
                report(message::notSupported(line_, L"constant definition #" + name));
            return std::nullopt;
        }
        std::wstring key = toLower(name);
        auto it = facts_.constants.find(key);
        if (it != facts_.constants.end()) {
            if (!(it->second.value == *value))
                report(message::atLine(line_, L"constant redefined: #" + name));
            return value;
        }
        facts_.constants[key] = {*value, line_};
        return value;
    }

    // ---- enumerations

    void startEnumeration(const std::wstring& s, const std::wstring& lc) {
        binary_ = startsKeyword(lc, L"enumerationbinary");
        std::wstring rest(afterKeyword(s, binary_ ? 17 : 11));
        std::wstring lrest = toLower(rest);
        // "Enumeration Gadgets": a named enumeration continues where it stopped.
        enumerationName_.clear();
        if (!rest.empty() && rest[0] != L'#' && rest[0] != L'$' &&
            !(rest[0] >= L'0' && rest[0] <= L'9') && rest[0] != L'-') {
            size_t end = 0;
            while (end < rest.size() && isNameChar(rest[end])) ++end;
            enumerationName_ = toLower(rest.substr(0, end));
            rest = std::wstring(trim(std::wstring_view(rest).substr(end), L" "));
            lrest = toLower(rest);
        }
        next_ = binary_ ? 1 : 0;
        step_ = 1;
        if (auto named = namedEnumerations_.find(enumerationName_);
            !enumerationName_.empty() && named != namedEnumerations_.end())
            next_ = named->second;
        size_t stepAt = findWholeWord(lrest, L"step");
        std::wstring start = rest.substr(0, stepAt);
        if (!trim(start, L" ").empty()) next_ = foldedInteger(start, next_);
        if (stepAt != std::wstring::npos) step_ = foldedInteger(rest.substr(stepAt + 4), 1);
        enumeration_ = true;
        enumerationUnclosed_ = !follows(L"endenumeration");
        if (enumerationUnclosed_)
            report(message::withoutEnd(line_, L"Enumeration", L"EndEnumeration"));
    }

    long long foldedInteger(std::wstring_view text, long long fallback) {
        std::wstring unknown;
        std::optional<ConstantValue> v = foldConstant(text, lookup(), &unknown, layoutCall());
        if (v && v->kind == ConstantValue::Kind::kInteger) return v->integer;
        report(unknown.empty() ? message::notSupported(line_, text)
                               : message::constNotFound(line_, unknown));
        return fallback;
    }

    void enumerationMember(const std::wstring& s, const std::wstring& lc) {
        // An enumeration never closed ends at the first statement that is no member.
        bool ends = enumerationUnclosed_ && !startsWith(trim(s, L" "), L"#");
        if (lc == L"endenumeration" || ends) {
            enumeration_ = false;
            if (!enumerationName_.empty()) namedEnumerations_[enumerationName_] = next_;
            if (!ends) return;
            std::wstring statement = s;
            std::wstring lower = lc;
            return languageStatement(statement, lower);
        }
        for (const std::wstring& part : splitArguments(s)) {
            std::wstring_view member = trim(part, L" ");
            if (member.empty()) continue;
            size_t eq = member.find(L'=');
            std::wstring name(
                trim(member.substr(1, eq == member.npos ? member.npos : eq - 1), L" "));
            if (member[0] != L'#' || name.empty()) {
                report(message::notSupported(line_, member));
                continue;
            }
            if (eq != std::wstring_view::npos) {
                std::optional<ConstantValue> v = setConstant(name, member.substr(eq + 1));
                if (v && v->kind == ConstantValue::Kind::kInteger) next_ = v->integer;
            } else {
                ConstantValue v;
                v.integer = next_;
                v.number = static_cast<double>(next_);
                setConstant(name, std::to_wstring(next_));
            }
            next_ = binary_ ? next_ * 2 : next_ + step_;
        }
    }

    void report(Diagnostic record) { diag_.error(std::move(record)); }

    Diagnostics& diag_;
    std::vector<std::pair<int, bool>>* switches_;
    ProgramFacts& facts_;
    const std::vector<std::wstring>* statements_ = nullptr;
    size_t i_ = 0;
    std::vector<std::wstring> out_;
    std::wstring marker_;
    int line_ = -1;
    bool enumeration_ = false;
    bool enumerationUnclosed_ = false; // the enumeration has no EndEnumeration
    bool binary_ = false;
    long long next_ = 0;
    long long step_ = 1;
    std::wstring enumerationName_;
    std::unordered_map<std::wstring, long long> namedEnumerations_;
    ConditionalCompilation compiler_;
    MacroExpansion macros_;
    std::optional<std::set<std::wstring>> procedures_;
};

} // namespace

std::vector<std::wstring> runLanguagePass(std::vector<std::wstring> statements, Diagnostics& diag,
                                          std::vector<std::pair<int, bool>>* switches,
                                          ProgramFacts* facts) {
    ProgramFacts own;
    return LanguagePass(diag, switches, facts != nullptr ? *facts : own).run(std::move(statements));
}

bool staysOutsideThePage(std::wstring_view command) {
    return isRefusedCommand(command);
}

} // namespace qc
