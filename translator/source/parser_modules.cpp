// Modules as the parser reads them. A module's names are written "Module__Name" wherever it
// stands, so that later stages see plain names of one program and two modules' "Init()"
// never meet; what is private stays so because "M::Name" and UseModule reach only what M's
// DeclareModule lists.
#include "tables/command_table.h"
#include "tables/refused_table.h"
#include "translator/source/parser_parts.h"

#include <algorithm>

namespace qc::parsing {
namespace {

// Words of the dialect the command table does not list by their bare spelling: inside a
// module they are still the dialect's, not names of the module.
constexpr std::array<std::wstring_view, 29> kMoreWords = {
    L"not",          L"xor",           L"newlist",        L"newmap",
    L"structure",    L"endstructure",  L"structureunion", L"endstructureunion",
    L"extends",      L"list",          L"array",          L"map",
    L"data",         L"read",          L"goto",           L"gosub",
    L"with",         L"prototype",     L"prototypec",     L"procedurec",
    L"proceduredll", L"procedurecdll", L"import",         L"importc",
    L"endimport",    L"align",         L"module",         L"interface",
    L"endinterface"};

// Whether a word inside a module is the dialect's rather than a name of the module. A
// command's name without its brackets is no call of it: a structure "Box" given to
// AllocateStructure, a variable "x" beside the command X(). A command a page cannot have
// stays one, to be refused as such.
bool isDialectWord(std::wstring_view word, bool followedByBracket) {
    for (std::wstring_view w : kMoreWords)
        if (equalsIgnoreCase(word, w)) return true;
    if (followedByBracket && (isRefusedCommand(toLower(word)) || word.ends_with(L"_"))) return true;
    const CommandRow* row = commandTable().lookUpCommand(word);
    return row != nullptr && (followedByBracket || !row->hasParentheses);
}

// The name a token carries, without its sign: "x" of "@x", "*x", "?x", "#x" or ".x".
std::wstring_view bareName(const Token& token) {
    std::wstring_view text = token.text;
    switch (token.kind) {
    case TokenKind::kAddress:
        text.remove_prefix(1);
        if (!text.empty() && text.front() == L'*') text.remove_prefix(1);
        return text;
    case TokenKind::kPointer:
    case TokenKind::kLabel:
    case TokenKind::kConstant:
    case TokenKind::kTypeSuffix:
        return text.substr(1);
    default:
        return text;
    }
}

// How a token's item is looked up among a module's exports: "#x" for a constant.
std::wstring exportKey(const Token& token) {
    std::wstring key = toLower(bareName(token));
    return token.kind == TokenKind::kConstant ? L"#" + key : key;
}

} // namespace

bool Parser::moduleStatement() {
    // Asked of every statement: each of the words ends in "module".
    std::wstring_view first = tokens_[0].text;
    if (tokens_[0].kind != TokenKind::kName || first.size() < 6 ||
        !equalsIgnoreCase(first.substr(first.size() - 6), std::wstring_view(L"module", 6)))
        return false;
    std::wstring word = toLower(first);
    bool closer = word == L"enddeclaremodule" || word == L"endmodule";
    if (!closer && word != L"declaremodule" && word != L"module" && word != L"usemodule" &&
        word != L"unusemodule")
        return false;
    // Each takes one name (a closer none), and nothing after it.
    size_t length = closer ? 1 : 2;
    bool named = closer || (tokens_.size() > 1 && tokens_[1].kind == TokenKind::kName);
    if (!named || tokens_.size() > length) {
        size_t at = named ? length : 1;
        report(message::syntaxError(line_, at < tokens_.size() ? std::wstring(tokens_[at].text)
                                                               : L"end of statement"));
        return true;
    }
    std::wstring_view name = closer ? L"" : tokens_[1].text;
    if (word == L"declaremodule" || word == L"module") {
        if (!module_.empty() || frames_.size() > 1) {
            report(message::notSupported(line_, std::wstring(tokens_[0].text) +
                                                    L" inside a module or a block"));
            return true;
        }
        // A module sees the modules its own UseModule names, not those of the code around it.
        outerUsed_ = std::move(used_);
        used_.clear();
        module_ = toLower(name);
        const ModuleFacts* facts = moduleNamed(module_);
        moduleSpelling_ = facts != nullptr ? facts->spelling : std::wstring(name);
        declaring_ = word == L"declaremodule";
        moduleLine_ = line_;
        if (!declaring_ && facts == nullptr) {
            report(L"module not found: " + std::wstring(name));
        }
        return true;
    }
    if (word == L"enddeclaremodule" || word == L"endmodule") {
        bool declares = word == L"enddeclaremodule";
        if (module_.empty() || declares != declaring_)
            report(message::withoutEnd(line_, declares ? L"EndDeclareModule" : L"EndModule",
                                       declares ? L"DeclareModule" : L"Module"));
        if (!module_.empty()) used_ = std::move(outerUsed_);
        module_.clear();
        declaring_ = false;
        return true;
    }
    std::wstring lower = toLower(name);
    if (moduleNamed(lower) == nullptr) {
        report(L"module not found: " + std::wstring(name));
    } else if (word == L"usemodule") {
        used_.push_back(lower);
    } else {
        auto it = std::find(used_.rbegin(), used_.rend(), lower);
        if (it != used_.rend()) used_.erase(std::next(it).base());
    }
    return true;
}

void Parser::scopeNames() {
    if (facts_ == nullptr) return joinModuleNames();
    if (facts_->modules.empty()) return;
    // Field names of a structure are its own; only their types can be a module's.
    bool fields = frames_.back().kind == StmtKind::kStructure;
    std::vector<Token> out;
    out.reserve(tokens_.size());
    for (size_t i = 0; i < tokens_.size(); ++i) {
        const Token& token = tokens_[i];
        bool ofModule = (token.kind == TokenKind::kName || token.kind == TokenKind::kTypeSuffix ||
                         token.kind == TokenKind::kAddress) &&
                        i + 2 < tokens_.size() && isSymbol(tokens_[i + 1], L"::");
        if (ofModule) {
            out.push_back(qualified(token, tokens_[i + 2]));
            i += 2;
        } else if (fields && token.kind != TokenKind::kTypeSuffix) {
            out.push_back(token);
        } else {
            bool bracket = i + 1 < tokens_.size() && isSymbol(tokens_[i + 1], L"(");
            out.push_back(scoped(token, bracket));
        }
    }
    tokens_ = std::move(out);
}

// Read without the modules (a compiler condition, before the modules are settled), "Dice::Roll"
// stays one name as written, for Defined() to look up.
void Parser::joinModuleNames() {
    for (size_t i = 0; i + 2 < tokens_.size(); ++i) {
        const Token& module = tokens_[i];
        const Token& item = tokens_[i + 2];
        if (module.kind != TokenKind::kName || item.kind != TokenKind::kName ||
            !isSymbol(tokens_[i + 1], L"::") ||
            item.text.data() != module.text.data() + module.text.size() + 2)
            continue;
        tokens_[i].text =
            std::wstring_view(module.text.data(), module.text.size() + 2 + item.text.size());
        tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                      tokens_.begin() + static_cast<std::ptrdiff_t>(i) + 3);
    }
}

Token Parser::qualified(const Token& module, const Token& item) {
    std::wstring_view written = bareName(module);
    std::wstring lower = toLower(written);
    const ModuleFacts* facts = moduleNamed(lower);
    if (facts == nullptr) {
        report(L"module not found: " + std::wstring(written));
        return item;
    }
    // The item takes the sign written before the module: "@M::Draw()", ".M::Point".
    Token signedItem = item;
    if (module.kind != TokenKind::kName) signedItem.kind = module.kind;
    if (lower != module_ && !facts->exports.contains(exportKey(item))) {
        std::wstring name = std::wstring(written) + L"::" + std::wstring(item.text);
        if (item.kind == TokenKind::kConstant)
            report(message::constNotFound(line_, name));
        else
            report(L"not declared by module " + facts->spelling + L": " + std::wstring(item.text));
    }
    std::wstring_view sign = module.kind == TokenKind::kName      ? std::wstring_view()
                             : module.kind == TokenKind::kAddress ? std::wstring_view(L"@")
                                                                  : std::wstring_view(L".");
    if (item.kind == TokenKind::kConstant) sign = L"#";
    Token out = renamed(signedItem, sign, facts->spelling, bareName(item));
    out.kind = item.kind == TokenKind::kConstant ? TokenKind::kConstant : signedItem.kind;
    out.column = module.column;
    return out;
}

Token Parser::scoped(const Token& token, bool followedByBracket) const {
    std::wstring_view name = bareName(token);
    if (name.empty()) return token;
    std::wstring_view sign = token.text.substr(0, token.text.size() - name.size());
    std::wstring lower = toLower(name);
    for (auto used = used_.rbegin(); used != used_.rend(); ++used) {
        const ModuleFacts* facts = moduleNamed(*used);
        bool declared = facts != nullptr && facts->exports.contains(exportKey(token)) &&
                        (token.kind != TokenKind::kTypeSuffix || facts->types.contains(lower));
        if (declared) return renamed(token, sign, facts->spelling, name);
    }
    if (!module_.empty()) {
        const ModuleFacts* own = moduleNamed(module_);
        bool mine = false;
        switch (token.kind) {
        case TokenKind::kName:
        case TokenKind::kAddress:
        case TokenKind::kPointer:
        case TokenKind::kLabel:
            // Every name of a module's code that is no word or command of the dialect is
            // the module's: its variables, procedures, containers, labels and types.
            mine = !isDialectWord(name, followedByBracket && token.kind == TokenKind::kName);
            break;
        case TokenKind::kConstant:
            mine = facts_->constants.contains(toLower(moduleItemName(module_, lower)));
            break;
        case TokenKind::kTypeSuffix:
            mine = own != nullptr && own->types.contains(lower);
            break;
        default:
            break;
        }
        return mine ? renamed(token, sign, moduleSpelling_, name) : token;
    }
    return token;
}

const ModuleFacts* Parser::moduleNamed(std::wstring_view lowerName) const {
    if (facts_ == nullptr) return nullptr;
    auto it = facts_->modules.find(std::wstring(lowerName));
    return it == facts_->modules.end() ? nullptr : &it->second;
}

Token Parser::renamed(const Token& token, std::wstring_view prefix, std::wstring_view module,
                      std::wstring_view name) const {
    std::wstring text(prefix);
    text += moduleItemName(module, name);
    Token out = token;
    out.text = tree_.ownedTexts.emplace_back(std::move(text));
    return out;
}

} // namespace qc::parsing
