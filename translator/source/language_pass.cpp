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

// The byte sizes of the dialect's built-in types, for SizeOf and structure sizes.
long long typeSize(std::wstring_view lowerType) {
    static const std::unordered_map<std::wstring, long long> sizes = {
        {L"integer", 8}, {L"long", 4}, {L"word", 2},      {L"byte", 1},  {L"float", 4},
        {L"double", 8},  {L"quad", 8}, {L"character", 2}, {L"ascii", 1}, {L"unicode", 2},
        {L"string", 8},  {L"i", 8},    {L"l", 4},         {L"w", 2},     {L"b", 1},
        {L"f", 4},       {L"d", 8},    {L"q", 8},         {L"c", 2},     {L"a", 1},
        {L"u", 2},       {L"s", 8},    {L"", 8}};
    auto it = sizes.find(std::wstring(lowerType));
    return it == sizes.end() ? -1 : it->second;
}

class LanguagePass {
public:
    LanguagePass(Diagnostics& diag, std::vector<std::pair<int, bool>>* switches)
        : diag_(diag), switches_(switches),
          compiler_(diag, lookup(),
                    [this](const std::wstring& name, const std::wstring& kind) {
                        return isDefined(name, kind);
                    }),
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
        if (startsWith(lc, L"structure ")) recordStructureSize(*statements_, i_);
        if (enumeration_) return enumerationMember(original, lc);
        if (startsKeyword(lc, L"enumeration") || startsKeyword(lc, L"enumerationbinary"))
            return startEnumeration(original, lc);
        if (startsWith(lc, L"#") && defineConstant(original)) return;
        // A closing word whose block is not open closes nothing; left in, the page would
        // meet it as an unknown name. (Data sections are the parser's blocks.)
        if (lc == L"endenumeration")
            return report(message::withoutEnd(line_, L"EndEnumeration", L"Enumeration"));
        bool sizes =
            lc.find(L"sizeof") != std::wstring::npos || lc.find(L"offsetof") != std::wstring::npos;
        bool constants = !constants_.empty() && lc.find(L'#') != std::wstring::npos;
        std::wstring s = sizes ? replaceSizeAndOffset(original) : std::move(original);
        if (constants) s = substituteConstants(s);
        if (sizes || constants) lc = toLower(s);
        write(std::move(s));
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
        if (kind == L"constant") return constants_.contains(name) || builtInConstant(name);
        if (kind == L"structure") return structureSizes_.contains(name);
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
            auto it = constants_.find(name);
            if (it == constants_.end()) return std::nullopt;
            return it->second;
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
        std::optional<ConstantValue> value = foldConstant(text, lookup(), &unknown);
        if (!value) {
            if (!unknown.empty())
                report(message::unknownConstant(line_, unknown));
            else
                report(message::notSupported(line_, L"constant definition #" + name));
            return std::nullopt;
        }
        std::wstring key = toLower(name);
        auto it = constants_.find(key);
        if (it != constants_.end() && !(it->second == *value)) {
            report(message::atLine(line_, L"constant redefined: #" + name));
            return value;
        }
        constants_[key] = *value;
        return value;
    }

    // Every "#name" outside strings that the program defined becomes its value. Built-in
    // constants stay for the statement translation, which knows them.
    std::wstring substituteConstants(const std::wstring& s) const {
        if (constants_.empty() || s.find(L'#') == std::wstring::npos) return s;
        std::wstring out;
        bool quoted = false;
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == L'"') quoted = !quoted;
            if (quoted || s[i] != L'#' || (i > 0 && isNameChar(s[i - 1]))) {
                out += s[i];
                continue;
            }
            size_t end = i + 1;
            while (end < s.size() && isNameChar(s[end])) ++end;
            if (end < s.size() && s[end] == L'$') ++end;
            auto it = constants_.find(toLower(std::wstring_view(s).substr(i + 1, end - i - 1)));
            if (it == constants_.end()) {
                out += s[i];
                continue;
            }
            out += constantSource(it->second);
            i = end - 1;
        }
        return out;
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
        std::optional<ConstantValue> v = foldConstant(text, lookup(), &unknown);
        if (v && v->kind == ConstantValue::Kind::kInteger) return v->integer;
        report(unknown.empty() ? message::notSupported(line_, text)
                               : message::unknownConstant(line_, unknown));
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

    // ---- SizeOf and OffsetOf

    // The size and the field order of a structure, for SizeOf and OffsetOf.
    void recordStructureSize(const std::vector<std::wstring>& statements, size_t start) {
        std::wstring name = toLower(trim(std::wstring_view(statements[start]).substr(10), L" "));
        size_t extends = findWholeWord(name, L"extends");
        long long size = 0;
        std::vector<std::wstring> fields;
        if (extends != std::wstring::npos) {
            std::wstring base(trim(std::wstring_view(name).substr(extends + 7), L" "));
            if (auto known = structureSizes_.find(base); known != structureSizes_.end())
                size = known->second;
            fields = structureFields_[base];
            name = std::wstring(trim(std::wstring_view(name).substr(0, extends), L" "));
        }
        for (size_t k = start + 1; k < statements.size(); ++k) {
            if (isLineMarker(statements[k])) continue;
            std::wstring lc = toLower(statements[k]);
            if (lc == L"endstructure") break;
            long long count = 1;
            if (size_t open = lc.find(L'['); open != std::wstring::npos) {
                auto n = foldConstant(
                    std::wstring_view(lc).substr(open + 1, lc.find(L']') - open - 1), lookup());
                if (n && n->kind == ConstantValue::Kind::kInteger) count = n->integer;
                lc.erase(open);
            }
            bool container =
                startsWith(lc, L"list ") || startsWith(lc, L"array ") || startsWith(lc, L"map ");
            std::wstring field = container ? lc.substr(lc.find(L' ') + 1) : lc;
            fields.push_back(fieldName(field.substr(0, field.find_first_of(L".("))));
            if (container || startsWith(lc, L"*")) {
                size += 8;
                continue;
            }
            size_t dot = lc.find(L'.');
            std::wstring type =
                dot == std::wstring::npos ? (endsWith(lc, L"$") ? L"s" : L"i") : lc.substr(dot + 1);
            long long one = typeSize(type);
            if (one < 0) {
                auto nested = structureSizes_.find(type);
                one = nested == structureSizes_.end() ? 8 : nested->second;
            }
            size += one * count;
        }
        structureSizes_[name] = size;
        structureFields_[name] = std::move(fields);
    }

    static std::wstring fieldName(std::wstring name) {
        if (startsWith(name, L"*")) name.erase(0, 1);
        if (endsWith(name, L"$")) name.pop_back();
        return name;
    }

    // The page names a field by its position among the structure's fields: names are
    // shortened when the page is compacted, the order of the fields is not.
    std::wstring fieldPosition(const std::wstring& path) {
        size_t slash = path.find(L'\\');
        if (slash != std::wstring::npos) {
            auto fields = structureFields_.find(path.substr(0, slash));
            std::wstring name = fieldName(path.substr(slash + 1));
            if (fields != structureFields_.end())
                for (size_t k = 0; k < fields->second.size(); ++k)
                    if (fields->second[k] == name) return std::to_wstring(k);
        }
        report(message::notSupported(line_, L"OffsetOf(" + path + L")"));
        return L"0";
    }

    // "SizeOf(Long)" -> 4, "OffsetOf(Point\y)" -> 1 (the position of the field).
    std::wstring replaceSizeAndOffset(const std::wstring& s) {
        std::wstring out = s;
        for (const wchar_t* word : {L"sizeof", L"offsetof"}) {
            for (size_t at = findWholeWord(out, word); at != std::wstring::npos;
                 at = findWholeWord(out, word, at + 1)) {
                size_t open = out.find(L'(', at);
                size_t close = out.find(L')', at);
                if (open == std::wstring::npos || close == std::wstring::npos || close < open)
                    break;
                std::wstring inside =
                    toLower(trim(std::wstring_view(out).substr(open + 1, close - open - 1), L" "));
                std::wstring value;
                if (word[0] == L's') {
                    long long size = typeSize(inside);
                    auto structure = structureSizes_.find(inside);
                    if (structure != structureSizes_.end()) size = structure->second;
                    if (size < 0) {
                        report(message::notSupported(line_, L"SizeOf(" + inside + L")"));
                        size = 0;
                    }
                    value = std::to_wstring(size);
                } else {
                    value = fieldPosition(inside);
                }
                out.replace(at, close + 1 - at, value);
            }
        }
        return out;
    }

    void report(Diagnostic record) { diag_.error(std::move(record)); }

    Diagnostics& diag_;
    std::vector<std::pair<int, bool>>* switches_;
    const std::vector<std::wstring>* statements_ = nullptr;
    size_t i_ = 0;
    std::vector<std::wstring> out_;
    std::wstring marker_;
    int line_ = -1;
    std::unordered_map<std::wstring, ConstantValue> constants_;
    bool enumeration_ = false;
    bool enumerationUnclosed_ = false; // the enumeration has no EndEnumeration
    bool binary_ = false;
    long long next_ = 0;
    long long step_ = 1;
    std::wstring enumerationName_;
    std::unordered_map<std::wstring, long long> namedEnumerations_;
    std::unordered_map<std::wstring, long long> structureSizes_;
    std::unordered_map<std::wstring, std::vector<std::wstring>> structureFields_;
    ConditionalCompilation compiler_;
    MacroExpansion macros_;
    std::optional<std::set<std::wstring>> procedures_;
};

} // namespace

std::vector<std::wstring> runLanguagePass(std::vector<std::wstring> statements, Diagnostics& diag,
                                          std::vector<std::pair<int, bool>>* switches) {
    return LanguagePass(diag, switches).run(std::move(statements));
}

bool staysOutsideThePage(std::wstring_view command) {
    return isRefusedCommand(command);
}

} // namespace qc
