#include "compaction/dead_functions.h"

#include "common/text.h"

namespace qc {
namespace {

constexpr std::wstring_view kCalledByThePage[] = {L"_qlcxi", L"qlcx_addevent"};
constexpr size_t kNone = static_cast<size_t>(-1);

// The functions by number, and for each the functions its body refers to.
class CallGraph {
public:
    CallGraph(const TokenSequence& tokens, FunctionTable& functions)
        : tokens_(tokens), functions_(functions), byName_(tokens.nameCount(), kNotAsked) {
        for (auto& entry : functions_) {
            index_.emplace(entry.first, keys_.size());
            keys_.push_back(&entry.first);
        }
        calls_.resize(keys_.size());
        used_.assign(keys_.size(), false);
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
    void addCall(size_t caller, size_t callee) { calls_[caller].push_back(callee); }
    void markUsed(size_t f) {
        if (f != kNone && !used_[f]) pending_.push_back(f), used_[f] = true;
    }

    // Spreads use along the calls and writes the result into the function table.
    void finish() {
        while (!pending_.empty()) {
            size_t f = pending_.back();
            pending_.pop_back();
            for (size_t callee : calls_[f]) markUsed(callee);
        }
        for (size_t f = 0; f < keys_.size(); ++f) functions_[*keys_[f]] = used_[f] ? 1 : 0;
    }

private:
    static constexpr size_t kNotAsked = kNone - 1;
    const TokenSequence& tokens_;
    FunctionTable& functions_;
    std::vector<size_t> byName_;
    WideTextMap<size_t> index_;
    std::vector<const std::wstring*> keys_;
    std::vector<std::vector<size_t>> calls_;
    std::vector<bool> used_;
    std::vector<size_t> pending_;
    std::wstring lower_;
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

void markReachableFunctions(const TokenSequence& tokens, const std::vector<size_t>& declarations,
                            FunctionTable& functions) {
    CallGraph graph(tokens, functions);
    for (auto name : kCalledByThePage) graph.markUsed(graph.find(name));
    size_t nextDeclaration = 0;
    size_t owner = kNone; // the outermost function whose body is being walked
    size_t ownerEnd = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (owner != kNone && i > ownerEnd) owner = kNone;
        bool declaration =
            nextDeclaration < declarations.size() && declarations[nextDeclaration] == i;
        if (declaration) ++nextDeclaration;
        if (tokens.kind(i) != kProc) continue;
        size_t f = graph.findAt(i);
        if (f == kNone) continue;
        if (declaration) {
            if (owner == kNone) owner = f, ownerEnd = functionEnd(tokens, i);
        } else if (owner == kNone || owner == f) {
            graph.markUsed(f);
        } else {
            graph.addCall(owner, f);
        }
    }
    graph.finish();
}

} // namespace qc
