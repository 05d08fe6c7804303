#include "translator/source/language_pass.h"

#include "common/text.h"
#include "tables/refused_table.h"
#include "translator/source/conditional_compilation.h"
#include "translator/source/constant_folder.h"
#include "translator/source/lexer.h"
#include "translator/source/macro_expansion.h"
#include "translator/source/source_reader.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <unordered_map>

namespace qc {

using namespace std::string_view_literals;

namespace {

// A statement's first tokens, its comment left off, and its first word in lower case (empty
// when it begins with no name). Most statements are decided by their first two or three
// tokens; the directives and declarations that read more ask for all of them.
struct Words {
    static constexpr size_t kFirst = 3;
    std::wstring_view statement;
    std::vector<Token> tokens;
    std::wstring first;

    explicit Words(std::wstring_view s) : statement(s), tokens(lexLine(s, kFirst)) {
        whole_ = tokens.size() < kFirst;
        dropComment();
        if (!tokens.empty() && tokens[0].kind == TokenKind::kName) first = toLower(tokens[0].text);
    }
    bool only(std::wstring_view word) const { return tokens.size() == 1 && first == word; }
    const std::vector<Token>& all() {
        if (!whole_) {
            tokens = lexLine(statement);
            whole_ = true;
            dropComment();
        }
        return tokens;
    }

private:
    void dropComment() {
        if (!tokens.empty() && tokens.back().kind == TokenKind::kComment) {
            tokens.pop_back();
            whole_ = true;
        }
    }
    bool whole_ = false;
};

// The statement's text from token `from` to token `to` (exclusive; the end when it is past
// the last).
std::wstring_view between(std::wstring_view statement, const std::vector<Token>& tokens,
                          size_t from, size_t to) {
    if (from >= tokens.size() || from >= to) return {};
    size_t start = static_cast<size_t>(tokens[from].column - 1);
    size_t end = to < tokens.size() ? static_cast<size_t>(tokens[to].column - 1) : statement.size();
    return trim(statement.substr(start, end - start), L" \t");
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
                marker_ = &element;
                markerWritten_ = std::wstring::npos;
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
        Words words(original);
        if (isDirective(words) && compiler_.take(original, words.all(), line_)) return;
        if (!compiler_.active()) return;
        if (words.first == L"includefile"sv) return missingInclude(words.all());
        if (original.starts_with(kMissingBinary)) {
            return diag_.error(message::atLine(
                line_, L"binary file not found: " + original.substr(kMissingBinary.size() + 1)));
        }
        if (macros_.take(original, line_)) return;
        if (macros_.empty()) return languageStatement(original, words);
        for (std::wstring& s : macros_.expand(original, line_)) {
            Words expanded(s);
            if (isDirective(expanded) && compiler_.take(s, expanded.all(), line_)) continue;
            if (!compiler_.active()) continue;
            languageStatement(s, expanded);
        }
    }

    static bool isDirective(const Words& words) { return words.first.starts_with(L"compiler"); }

    void languageStatement(std::wstring& original, Words& words) {
        const std::wstring& word = words.first;
        moduleStatement(words);
        if (word == L"declare"sv || word == L"declarec"sv || word == L"declaredll"sv ||
            word == L"declarecdll"sv)
            return;
        if (words.only(L"enableexplicit") || words.only(L"disableexplicit")) {
            if (switches_ != nullptr) switches_->push_back({line_, word[0] == L'e'});
            return;
        }
        if (word == L"structure"sv) facts_.layouts.record(*statements_, i_, lookup(), module_);
        if (enumeration_) return enumerationMember(original, words);
        if (word == L"enumeration"sv || word == L"enumerationbinary"sv)
            return startEnumeration(original, words);
        if (defineConstant(original, words.tokens)) return;
        // A closing word whose block is not open closes nothing; left in, the page would
        // meet it as an unknown name. (Data sections are the parser's blocks.)
        if (words.only(L"endenumeration"))
            return report(message::withoutEnd(line_, L"EndEnumeration", L"Enumeration"));
        write(std::move(original));
    }

    // An include file the reader did not find, in a branch that is taken.
    void missingInclude(const std::vector<Token>& tokens) {
        std::wstring_view name = tokens.size() > 1 && tokens[1].kind == TokenKind::kString
                                     ? tokens[1].text.substr(1, tokens[1].text.size() - 2)
                                     : std::wstring_view();
        diag_.error(
            message::atLine(line_, L"include file not found: \"" + std::wstring(name) + L"\""));
    }

    // The statement behind its line's marker. The marker is moved over for the first statement
    // of its line and copied for the others (a macro's statements, a line's later ones).
    void write(std::wstring s) {
        if (markerWritten_ == std::wstring::npos) {
            markerWritten_ = out_.size();
            out_.push_back(marker_ != nullptr ? std::move(*marker_) : std::wstring());
        } else {
            out_.push_back(out_[markerWritten_]);
        }
        out_.push_back(std::move(s));
    }

    // ---- Defined(name, #PB_kind) of conditional compilation

    bool isDefined(const std::wstring& name, const std::wstring& kind) {
        if (kind == L"procedure") return procedureDefined(name);
        if (kind == L"structure") return structureDefined(name);
        if (kind == L"constant") return facts_.constants.contains(name) || builtInConstant(name);
        if (kind == L"macro") return macros_.defined(name);
        report(message::notSupported(line_, L"Defined(" + name + L", #PB_" + kind + L")"));
        return false;
    }

    // "Dice::Roll": the module and its item; nullopt for a plain name.
    static std::optional<std::pair<std::wstring, std::wstring>>
    splitModuleItem(const std::wstring& name) {
        size_t at = name.find(L"::");
        if (at == std::wstring::npos) return std::nullopt;
        return std::pair{name.substr(0, at), name.substr(at + 2)};
    }

    bool exports(const std::wstring& module, const std::wstring& item) const {
        auto it = facts_.modules.find(module);
        return it != facts_.modules.end() && it->second.exports.contains(item);
    }

    // A name as the statement being read reaches it, tried in `known`: "M::Item" as M's item
    // where M's DeclareModule lists it; in a module its own item, then those of the modules
    // in use; outside every module the program's own, then the modules' in use.
    template <typename Known> bool reached(const std::wstring& name, Known known) const {
        if (auto item = splitModuleItem(name))
            return exports(item->first, item->second) &&
                   known(moduleItemName(item->first, item->second));
        if (!module_.empty() && known(moduleItemName(module_, name))) return true;
        for (const std::wstring& used : used_)
            if (exports(used, name) && known(moduleItemName(used, name))) return true;
        return module_.empty() && known(name);
    }

    bool procedureDefined(const std::wstring& name) {
        const std::set<std::wstring>& all = procedureNames();
        return reached(name, [&all](const std::wstring& key) { return all.contains(key); });
    }

    // A module's code reads the program's structures too, as it always did.
    bool structureDefined(const std::wstring& name) {
        auto known = [this](const std::wstring& key) { return facts_.layouts.known(key); };
        return reached(name, known) || (!splitModuleItem(name) && known(name));
    }

    // Every procedure of the program, wherever it stands ("dice__roll" for one of module
    // Dice): a procedure may be used, and asked about, before its definition. The statements
    // before this one are already in the pass's output.
    const std::set<std::wstring>& procedureNames() {
        if (procedures_) return *procedures_;
        procedures_.emplace();
        std::wstring module;
        auto scan = [&](const std::wstring& element) {
            if (isLineMarker(element) || isTargetLine(element)) return;
            Words words(element);
            if (words.first == L"module" && words.tokens.size() > 1)
                module = toLower(words.tokens[1].text);
            if (words.first == L"endmodule") module.clear();
            if (words.first != L"procedure" && words.first != L"procedurec" &&
                words.first != L"proceduredll" && words.first != L"procedurecdll")
                return;
            // "Procedure.s Name(": the name after the type.
            size_t at =
                words.tokens.size() > 1 && words.tokens[1].kind == TokenKind::kTypeSuffix ? 2 : 1;
            if (at >= words.tokens.size() || words.tokens[at].kind != TokenKind::kName) return;
            std::wstring lower = toLower(words.tokens[at].text);
            procedures_->insert(module.empty() ? lower : moduleItemName(module, lower));
        };
        for (const std::wstring& element : out_) scan(element);
        for (size_t k = i_; k < statements_->size(); ++k) scan((*statements_)[k]);
        return *procedures_;
    }

    // ---- constants

    ConstantLookup lookup() const {
        return [this](const std::wstring& name) -> std::optional<ConstantValue> {
            const ProgramConstant* found = visibleConstant(name);
            if (found == nullptr) return std::nullopt;
            return found->value;
        };
    }

    // A constant as a statement here sees it: the module's own first, then those of the
    // modules in use, then the program's.
    const ProgramConstant* visibleConstant(const std::wstring& name) const {
        auto find = [this](const std::wstring& key) -> const ProgramConstant* {
            auto it = facts_.constants.find(key);
            return it == facts_.constants.end() ? nullptr : &it->second;
        };
        if (!module_.empty())
            if (const ProgramConstant* own = find(moduleItemName(module_, name))) return own;
        for (auto used = used_.rbegin(); used != used_.rend(); ++used) {
            auto module = facts_.modules.find(*used);
            if (module != facts_.modules.end() && module->second.exports.contains(L"#" + name))
                if (const ProgramConstant* c = find(moduleItemName(*used, name))) return c;
        }
        return find(name);
    }

    // ---- modules

    // Follows the module blocks and UseModule, and records what each DeclareModule makes
    // reachable; the statements themselves go on to the parser.
    void moduleStatement(Words& words) {
        const std::wstring& word = words.first;
        // Asked of every statement: outside a module only the words ending in "module" count.
        if (module_.empty() && !word.ends_with(L"module")) return;
        std::wstring named;
        if (words.tokens.size() > 1 && words.tokens[1].kind == TokenKind::kName)
            named = words.tokens[1].text;
        std::wstring lower = toLower(named);
        if (word == L"declaremodule" || word == L"module") {
            outerUsed_ = std::move(used_);
            used_.clear();
            module_ = lower;
            declaring_ = word == L"declaremodule";
            if (declaring_) facts_.modules[lower].spelling = named;
        } else if (word == L"enddeclaremodule" || word == L"endmodule") {
            if (!module_.empty()) used_ = std::move(outerUsed_);
            module_.clear();
            declaring_ = false;
        } else if (word == L"usemodule") {
            used_.push_back(lower);
        } else if (word == L"unusemodule") {
            auto it = std::find(used_.rbegin(), used_.rend(), lower);
            if (it != used_.rend()) used_.erase(std::next(it).base());
        } else if (!module_.empty()) {
            moduleItem(words);
        }
    }

    void moduleItem(Words& words) {
        const std::vector<Token>& tokens = words.all();
        ModuleFacts& module = facts_.modules[module_];
        const std::wstring& word = words.first;
        size_t at = tokens.size() > 1 && tokens[1].kind == TokenKind::kTypeSuffix ? 2 : 1;
        std::wstring item = at < tokens.size() && tokens[at].kind == TokenKind::kName
                                ? toLower(tokens[at].text)
                                : std::wstring();
        if (word == L"structure" || word == L"prototype" || word == L"prototypec") {
            module.types.insert(item);
            if (declaring_) module.exports.insert(item);
            return;
        }
        if (!declaring_) return;
        if (word.starts_with(L"declare")) return static_cast<void>(module.exports.insert(item));
        static constexpr std::array<std::wstring_view, 9> kDeclaring = {
            L"global", L"define", L"protected", L"threaded", L"static",
            L"shared", L"dim",    L"newlist",   L"newmap"};
        if (std::find(kDeclaring.begin(), kDeclaring.end(), word) == kDeclaring.end()) return;
        // Each item of the list is a name at the start of the statement or after a comma at
        // the top level, maybe after Dim, NewList or NewMap.
        int depth = 0;
        bool itemStarts = true;
        for (size_t k = 1; k < tokens.size(); ++k) {
            const Token& token = tokens[k];
            if (token.kind == TokenKind::kOperator) {
                if (token.text == L"(" || token.text == L"[") ++depth;
                if (token.text == L")" || token.text == L"]") --depth;
                itemStarts = depth == 0 && token.text == L",";
                continue;
            }
            if (!itemStarts || token.kind == TokenKind::kTypeSuffix) continue;
            std::wstring name = toLower(token.text);
            if (name == L"dim" || name == L"newlist" || name == L"newmap") continue;
            if (token.kind == TokenKind::kPointer) name.erase(0, 1);
            if (token.kind == TokenKind::kName || token.kind == TokenKind::kPointer)
                module.exports.insert(name);
            itemStarts = false;
        }
    }

    // SizeOf and OffsetOf are the calls a constant's value may hold.
    ConstantCall layoutCall() const {
        return [this](const SyntaxTree& tree, const Expr& call) {
            return facts_.layouts.callValue(tree, call);
        };
    }

    // "#Name = value": false when the statement is something else ("#A" alone).
    bool defineConstant(std::wstring_view s, const std::vector<Token>& tokens) {
        if (tokens.size() < 2 || tokens[0].kind != TokenKind::kConstant ||
            tokens[1].kind != TokenKind::kOperator || tokens[1].text != L"=")
            return false;
        setConstant(std::wstring(tokens[0].text.substr(1)), between(s, tokens, 2, tokens.size()));
        return true;
    }

    // Folds and records; the value is returned for enumerations.
    std::optional<ConstantValue> setConstant(const std::wstring& name, std::wstring_view text) {
        std::wstring unknown;
        std::optional<ConstantValue> value =
            foldConstant(text, lookup(), &unknown, layoutCall(), &facts_);
        if (!value) {
            if (!unknown.empty())
                report(message::unknownConstant(line_, unknown));
            else
                report(message::notSupported(line_, L"constant definition #" + name));
            return std::nullopt;
        }
        return defineValue(name, *value);
    }

    std::optional<ConstantValue> defineValue(const std::wstring& name, const ConstantValue& value) {
        std::wstring key = toLower(module_.empty() ? name : moduleItemName(module_, name));
        if (declaring_) facts_.modules[module_].exports.insert(L"#" + toLower(name));
        auto it = facts_.constants.find(key);
        if (it != facts_.constants.end()) {
            if (!(it->second.value == value))
                report(message::atLine(line_, L"constant redefined: #" + name));
            return value;
        }
        facts_.constants[key] = {value, line_};
        return value;
    }

    // ---- enumerations

    // "Enumeration", "Enumeration 5 Step 2", "EnumerationBinary Flags": a named enumeration
    // continues where it stopped.
    void startEnumeration(std::wstring_view s, Words& words) {
        const std::vector<Token>& tokens = words.all();
        binary_ = words.first == L"enumerationbinary";
        size_t k = 1;
        enumerationName_.clear();
        if (k < tokens.size() && tokens[k].kind == TokenKind::kName && !isWord(tokens[k], L"step"))
            enumerationName_ = toLower(tokens[k++].text);
        next_ = binary_ ? 1 : 0;
        step_ = 1;
        if (auto named = namedEnumerations_.find(enumerationName_);
            !enumerationName_.empty() && named != namedEnumerations_.end())
            next_ = named->second;
        size_t stepAt = k;
        while (stepAt < tokens.size() && !isWord(tokens[stepAt], L"step")) ++stepAt;
        if (stepAt > k) next_ = foldedInteger(between(s, tokens, k, stepAt), next_);
        if (stepAt < tokens.size())
            step_ = foldedInteger(between(s, tokens, stepAt + 1, tokens.size()), 1);
        enumeration_ = true;
        enumerationUnclosed_ = !follows(L"endenumeration");
        if (enumerationUnclosed_)
            report(message::withoutEnd(line_, L"Enumeration", L"EndEnumeration"));
    }

    static bool isWord(const Token& token, std::wstring_view word) {
        return token.kind == TokenKind::kName && equalsIgnoreCase(token.text, word);
    }

    long long foldedInteger(std::wstring_view text, long long fallback) {
        std::wstring unknown;
        std::optional<ConstantValue> v =
            foldConstant(text, lookup(), &unknown, layoutCall(), &facts_);
        if (v && v->kind == ConstantValue::Kind::kInteger) return v->integer;
        report(unknown.empty() ? message::notSupported(line_, text)
                               : message::unknownConstant(line_, unknown));
        return fallback;
    }

    // "#A", "#B = 5, #C": members, comma-separated, each the next value unless it has one.
    void enumerationMember(std::wstring& s, Words& words) {
        const std::vector<Token>& tokens = words.all();
        // An enumeration never closed ends at the first statement that is no member.
        bool ends =
            enumerationUnclosed_ && (tokens.empty() || tokens[0].kind != TokenKind::kConstant);
        if (words.only(L"endenumeration") || ends) {
            enumeration_ = false;
            if (!enumerationName_.empty()) namedEnumerations_[enumerationName_] = next_;
            if (ends) languageStatement(s, words);
            return;
        }
        size_t start = 0;
        int depth = 0;
        for (size_t k = 0; k <= tokens.size(); ++k) {
            if (k < tokens.size()) {
                const Token& t = tokens[k];
                if (t.kind == TokenKind::kOperator && t.text == L"(") ++depth;
                if (t.kind == TokenKind::kOperator && t.text == L")") --depth;
                if (depth > 0 || t.kind != TokenKind::kOperator || t.text != L",") continue;
            }
            if (k > start) member(s, tokens, start, k);
            start = k + 1;
        }
    }

    void member(std::wstring_view s, const std::vector<Token>& tokens, size_t from, size_t to) {
        const Token& name = tokens[from];
        bool valued = to - from > 1 && tokens[from + 1].kind == TokenKind::kOperator &&
                      tokens[from + 1].text == L"=";
        if (name.kind != TokenKind::kConstant || (to - from > 1 && !valued)) {
            report(message::notSupported(line_, between(s, tokens, from, to)));
            return;
        }
        std::wstring written(name.text.substr(1));
        if (valued) {
            std::optional<ConstantValue> v = setConstant(written, between(s, tokens, from + 2, to));
            if (v && v->kind == ConstantValue::Kind::kInteger) next_ = v->integer;
        } else {
            defineValue(written, integerValue(next_));
        }
        next_ = binary_ ? next_ * 2 : next_ + step_;
    }

    void report(Diagnostic record) { diag_.error(std::move(record)); }

    Diagnostics& diag_;
    std::vector<std::pair<int, bool>>* switches_;
    ProgramFacts& facts_;
    const std::vector<std::wstring>* statements_ = nullptr;
    size_t i_ = 0;
    std::vector<std::wstring> out_;
    std::wstring* marker_ = nullptr;            // the current line's marker, in the statement list
    size_t markerWritten_ = std::wstring::npos; // where it went in out_
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
    std::wstring module_;                 // the module being read, lower case; empty outside one
    bool declaring_ = false;              // inside its DeclareModule block
    std::vector<std::wstring> used_;      // the modules of UseModule, latest last
    std::vector<std::wstring> outerUsed_; // the main program's, while a module is read
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
