#include "translator/waiting_procedures.h"

#include "common/text.h"
#include "loops/cut_points.h"
#include "vocabulary/statement_list.h"

#include <unordered_map>

namespace qc {
namespace {

bool isHead(std::wstring_view statement) {
    return startsWithIgnoreCase(statement, L"procedure ");
}

std::wstring headName(std::wstring_view head) {
    std::wstring_view rest = trim(head.substr(10), L" \t");
    return toLower(trim(rest.substr(0, rest.find(L'(')), L" \t"));
}

} // namespace

std::unordered_set<std::wstring> findWaitingProcedures(std::vector<std::wstring>& procedures) {
    std::unordered_set<std::wstring> waiting;
    std::unordered_map<std::wstring, std::vector<std::wstring>> callers; // callee -> callers
    std::wstring current;
    for (const std::wstring& statement : procedures) {
        if (isLineMarker(statement)) continue;
        if (isHead(statement)) {
            current = headName(statement);
            continue;
        }
        if (equalsIgnoreCase(statement, L"endprocedure")) {
            current.clear();
            continue;
        }
        if (current.empty()) continue;
        for (const std::wstring& callee : calledNames(statement)) {
            if (makesProcedureWait(callee)) {
                waiting.insert(current);
            } else if (callee != current) {
                callers[callee].push_back(current);
            }
        }
    }
    // Whoever calls a waiting procedure waits too.
    std::vector<std::wstring> open(waiting.begin(), waiting.end());
    while (!open.empty()) {
        std::wstring callee = std::move(open.back());
        open.pop_back();
        auto it = callers.find(callee);
        if (it == callers.end()) continue;
        for (const std::wstring& caller : it->second)
            if (waiting.insert(caller).second) open.push_back(caller);
    }
    if (waiting.empty()) return waiting;
    for (std::wstring& statement : procedures) {
        if (isLineMarker(statement)) continue;
        if (std::optional<std::wstring> awaited = awaitedForm(statement, true))
            statement = std::move(*awaited);
    }
    return waiting;
}

} // namespace qc
