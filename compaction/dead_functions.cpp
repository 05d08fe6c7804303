#include "compaction/dead_functions.h"

#include "common/text.h"

#include <array>

namespace qc {
namespace {

constexpr std::wstring_view kCalledByThePage[] = {L"_qlcxi", L"qlcx_addevent"};
constexpr size_t kNone = static_cast<size_t>(-1);

// Words a value without effect may hold besides literals and names.
constexpr std::array<std::wstring_view, 6> kConstantWords = {L"true",      L"false", L"null",
                                                             L"undefined", L"NaN",   L"Infinity"};

bool isName(const TokenSequence& tokens, size_t i) {
    return tokens.kind(i) == kVar || tokens.kind(i) == kProc;
}

// Whether a value token can stand where it does without the value doing anything: literals,
// names read as they are, constant words and the operators of arithmetic, comparison and
// array or object literals. A "(" behind a name or a closing bracket is a call, "++" and "--"
// change a place, "=" (other than in "!=", "<=", ">=", "===") assigns, and every other word
// ("new", "function", a browser object) may do anything.
bool hasNoEffect(const TokenSequence& tokens, size_t i) {
    size_t before = i - 1;
    wchar_t previous = tokens.kind(before) == kOp ? tokens.single(before) : L'\0';
    switch (tokens.kind(i)) {
    case kNumber:
    case kFloat:
    case kText:
        return true;
    case kVar:
    case kProc:
        return namePrefix(tokens.text(i)) != L"."; // a member could be a getter
    case kCommand: {
        std::wstring_view word = tokens.text(i);
        if (word.starts_with(L"-")) word.remove_prefix(1);
        if (word.starts_with(L"Math.")) return word.find(L'.', 5) == std::wstring_view::npos;
        for (auto constant : kConstantWords)
            if (word == constant) return true;
        return false;
    }
    case kOp:
        break;
    default:
        return false;
    }
    if (tokens.text(i) == L"==") return true;
    wchar_t op = tokens.single(i);
    if (op == L'(')
        return !(isName(tokens, before) || tokens.kind(before) == kCommand || previous == L')' ||
                 previous == L']');
    if (op == L'+' || op == L'-') return previous != op;
    if (op == L'=')
        return previous == L'!' || previous == L'<' || previous == L'>' ||
               tokens.text(before) == L"==";
    return op != L'\0' &&
           std::wstring_view(L" +-*/%()[]{},:?!<>&|^~").find(op) != std::wstring_view::npos;
}

// Whether the statement starting at token i is "var name" or "var name=value" with a value
// that has no effect and whose brackets close; then `range` spans it and `name` is its name.
bool isDroppableDeclaration(const TokenSequence& tokens, size_t i, TokenRange& range, int& name) {
    if (tokens.kind(i) != kCommand || tokens.text(i) != L"var" || i + 2 >= tokens.size())
        return false;
    if (tokens.single(i + 1) != L' ' || tokens.kind(i + 2) != kVar) return false;
    name = tokens.nameId(i + 2);
    if (name == TokenSequence::kNoName || !namePrefix(tokens.text(i + 2)).empty()) return false;
    size_t k = i + 3;
    if (k < tokens.size() && tokens.kind(k) != kEnd) {
        if (tokens.single(k) != L'=' || k + 1 >= tokens.size() || tokens.kind(k + 1) == kEnd)
            return false;
        int depth = 0;
        for (++k; k < tokens.size() && tokens.kind(k) != kEnd; ++k) {
            if (!hasNoEffect(tokens, k)) return false;
            wchar_t op = tokens.single(k);
            if (op == L'(' || op == L'[' || op == L'{') ++depth;
            if ((op == L')' || op == L']' || op == L'}') && --depth < 0) return false;
        }
        if (depth != 0) return false;
    }
    if (k >= tokens.size()) return false;
    range = {i, k};
    return true;
}

// Whether a statement begins at token i: the first of a statement, or behind the brace that
// closes a block ("} var a=1" is one statement of the splitter).
bool startsStatement(const TokenSequence& tokens, size_t i) {
    if (i == 0 || tokens.kind(i - 1) == kEnd) return true;
    if (tokens.kind(i - 1) == kOp && tokens.single(i - 1) == L' ') --i;
    return i > 0 && tokens.kind(i - 1) == kOp && tokens.single(i - 1) == L'}';
}

// The reachable code as a graph: one node per declared function, then one per interned name.
// A name's node is the top-level declarations of that name that could go; the node of any
// other name is marked when it is used, and nothing depends on it.
class UseGraph {
public:
    UseGraph(const TokenSequence& tokens, FunctionTable& functions)
        : tokens_(tokens), functions_(functions), byName_(tokens.nameCount(), kNotAsked),
          lastUser_(tokens.nameCount(), kNone) {
        for (auto& entry : functions_) {
            index_.emplace(entry.first, keys_.size());
            keys_.push_back(&entry.first);
        }
        uses_.resize(keys_.size() + tokens.nameCount());
        used_.assign(uses_.size(), false);
    }

    // The function a name token stands for, asked once per spelling.
    size_t findAt(size_t i) {
        int id = tokens_.nameId(i);
        if (id == TokenSequence::kNoName) return find(tokens_.text(i));
        size_t& f = byName_[static_cast<size_t>(id)];
        if (f == kNotAsked) f = find(tokens_.text(i));
        return f;
    }
    size_t find(std::wstring_view name) {
        lower_.assign(name);
        for (auto& c : lower_) c = toLowerChar(c);
        auto it = index_.find(lower_);
        return it == index_.end() ? kNone : it->second;
    }
    size_t nameNode(int id) const { return keys_.size() + static_cast<size_t>(id); }

    void addUse(size_t user, size_t used) { uses_[user].push_back(used); }
    // A name used from the body of `user`; a body is one run of tokens, so one entry per
    // name and body is enough.
    void addNameUse(size_t user, int id) {
        size_t& last = lastUser_[static_cast<size_t>(id)];
        if (last != user) last = user, addUse(user, nameNode(id));
    }
    void markUsed(size_t node) {
        if (node != kNone && !used_[node]) pending_.push_back(node), used_[node] = true;
    }
    bool isUsed(size_t node) const { return used_[node]; }

    // Spreads use along the references and writes the result into the function table.
    void finish() {
        while (!pending_.empty()) {
            size_t node = pending_.back();
            pending_.pop_back();
            for (size_t target : uses_[node]) markUsed(target);
        }
        for (size_t f = 0; f < keys_.size(); ++f) functions_[*keys_[f]] = used_[f] ? 1 : 0;
    }

private:
    static constexpr size_t kNotAsked = kNone - 1;
    const TokenSequence& tokens_;
    FunctionTable& functions_;
    std::vector<size_t> byName_;
    std::vector<size_t> lastUser_;
    WideTextMap<size_t> index_;
    std::vector<const std::wstring*> keys_;
    std::vector<std::vector<size_t>> uses_;
    std::vector<bool> used_;
    std::vector<size_t> pending_;
    std::wstring lower_;
};

struct Candidate {
    TokenRange range;
    int name = TokenSequence::kNoName;
};

} // namespace

size_t functionEnd(const TokenSequence& tokens, size_t i) {
    int parentheses = 0;
    int braces = -1; // -1 until the body's opening brace
    while (i + 1 < tokens.size()) {
        ++i;
        if (tokens.kind(i) == kOp) {
            wchar_t op = tokens.single(i);
            if (op == L'(') ++parentheses;
            if (op == L')') --parentheses;
            if (op == L'{') braces = braces == -1 ? 1 : braces + 1;
            if (op == L'}') --braces;
        }
        if (parentheses == 0 && braces == 0) break;
    }
    return i;
}

DeadStatements markReachableCode(const TokenSequence& tokens,
                                 const std::vector<size_t>& declarations,
                                 FunctionTable& functions) {
    UseGraph graph(tokens, functions);
    for (auto name : kCalledByThePage) graph.markUsed(graph.find(name));
    std::vector<Candidate> candidates;
    size_t nextDeclaration = 0;
    size_t owner = kNone; // the outermost function or the declaration being walked
    size_t ownerEnd = 0;
    size_t declaredName = kNone; // the name token of the declaration being walked
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (owner != kNone && i > ownerEnd) owner = kNone;
        bool declaration =
            nextDeclaration < declarations.size() && declarations[nextDeclaration] == i;
        if (declaration) ++nextDeclaration;
        Candidate candidate;
        if (owner == kNone && startsStatement(tokens, i) &&
            isDroppableDeclaration(tokens, i, candidate.range, candidate.name)) {
            if (i > 0 && tokens.kind(i - 1) == kOp && tokens.single(i - 1) == L' ')
                candidate.range.first = i - 1; // the blank behind "}" goes too
            candidates.push_back(candidate);
            owner = graph.nameNode(candidate.name);
            ownerEnd = candidate.range.last;
            declaredName = i + 2;
            continue;
        }
        if (!isName(tokens, i) || i == declaredName) continue;
        if (tokens.kind(i) == kProc) {
            size_t f = graph.findAt(i);
            if (f != kNone && declaration) {
                if (owner == kNone) owner = f, ownerEnd = functionEnd(tokens, i);
            } else if (f != kNone && (owner == kNone || owner == f)) {
                graph.markUsed(f);
            } else if (f != kNone) {
                graph.addUse(owner, f);
            }
        }
        int id = tokens.nameId(i);
        if (id == TokenSequence::kNoName) continue;
        if (owner == kNone)
            graph.markUsed(graph.nameNode(id));
        else if (owner != graph.nameNode(id))
            graph.addNameUse(owner, id);
    }
    graph.finish();
    DeadStatements dead;
    for (const Candidate& c : candidates)
        if (!graph.isUsed(graph.nameNode(c.name))) dead.push_back(c.range);
    return dead;
}

} // namespace qc
