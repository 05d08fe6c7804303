#include "translator/semantics/undeclared_names.h"

#include "vocabulary/statement_list.h"

#include <algorithm>
#include <climits>

namespace qc {
namespace {

void keepFirst(int& known, int line) {
    known = std::min(known, line);
}

} // namespace

void UndeclaredNames::declare(int scope, const std::wstring& key, int line, bool global) {
    keepFirst(declared_.try_emplace({scope, key}, INT_MAX).first->second, line);
    if (global) keepFirst(globals_.try_emplace(key, INT_MAX).first->second, line);
}

void UndeclaredNames::use(int scope, const std::wstring& key, std::wstring_view written, int line) {
    if (checkedAt(line)) uses_.push_back({scope, key, std::wstring(written), line});
}

bool UndeclaredNames::checkedAt(int line) const {
    bool on = false;
    for (const auto& [at, enables] : switches)
        if (at <= line) on = enables;
    return on;
}

void UndeclaredNames::report(Diagnostics& diag) const {
    // The first undeclared use per scope and name; the statement pass may meet a main
    // program's statements out of source order.
    std::map<std::pair<int, std::wstring>, const Use*> first;
    for (const Use& use : uses_) {
        int since = INT_MAX;
        if (auto it = declared_.find({use.scope, use.key}); it != declared_.end())
            since = it->second;
        if (auto it = globals_.find(use.key); it != globals_.end())
            since = std::min(since, it->second);
        if (since <= use.line) continue;
        const Use*& kept = first[{use.scope, use.key}];
        if (kept == nullptr || use.line < kept->line) kept = &use;
    }
    std::vector<const Use*> found;
    for (const auto& [where, use] : first) found.push_back(use);
    std::stable_sort(found.begin(), found.end(), [](const Use* a, const Use* b) {
        return a->line != b->line ? a->line < b->line : a < b;
    });
    for (const Use* use : found)
        diag.error(message::atLine(use->line, L"variable not declared: " + use->written));
}

} // namespace qc
