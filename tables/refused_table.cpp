#include "tables/refused_table.h"

#include "common/text.h"
#include "tables/grouped_rows.h"

#include <string>
#include <unordered_set>

namespace qc {
namespace {

// clang-format off
const std::vector<RefusedRegistration> kRows = [] {
    const std::vector<TableGroup> groups = {
        {L"Threads: a page's script runs on one thread", {
        {L"CreateThread", L""},
        {L"WaitThread", L""},
        {L"KillThread", L""},
        {L"IsThread", L""},
        {L"CreateMutex", L""},
        {L"LockMutex", L""},
        {L"UnlockMutex", L""},
        {L"FreeMutex", L""},
        {L"TryLockMutex", L""},
        {L"CreateSemaphore", L""},
        {L"SignalSemaphore", L""},
        {L"WaitSemaphore", L""},
        }},
        {L"Network: a page opened from disk may not open connections", {
        {L"InitNetwork", L""},
        {L"OpenNetworkConnection", L""},
        {L"CreateNetworkServer", L""},
        {L"CloseNetworkConnection", L""},
        {L"SendNetworkString", L""},
        {L"ReceiveNetworkData", L""},
        {L"NetworkServerEvent", L""},
        {L"NetworkClientEvent", L""},
        }},
        {L"Other programs and libraries: a page cannot start programs or call the system", {
        {L"RunProgram", L""},
        {L"ProgramExitCode", L""},
        {L"ProgramRunning", L""},
        {L"OpenLibrary", L"no library of the system can be loaded"},
        {L"CloseLibrary", L""},
        {L"CallFunction", L"no library of the system can be loaded"},
        {L"GetFunction", L""},
        {L"CallCFunction", L"no library of the system can be loaded"},
        }},
    };
    return flattenGroups<RefusedRegistration>(groups);
}();
// clang-format on

struct RefusedNames {
    std::unordered_set<std::wstring> whole;
    std::vector<std::wstring> prefixes;
};

const RefusedNames& refusedNames() {
    static const RefusedNames names = [] {
        RefusedNames n;
        for (const auto& row : kRows) {
            std::wstring lower = toLower(row.name);
            if (endsWith(lower, L"*"))
                n.prefixes.push_back(lower.substr(0, lower.size() - 1));
            else
                n.whole.insert(lower);
        }
        return n;
    }();
    return names;
}

} // namespace

const std::vector<RefusedRegistration>& refusedRegistrations() {
    return kRows;
}

bool isRefusedCommand(std::wstring_view lowerName) {
    const RefusedNames& names = refusedNames();
    for (const std::wstring& prefix : names.prefixes)
        if (startsWith(lowerName, prefix)) return true;
    return names.whole.count(std::wstring(lowerName)) != 0;
}

} // namespace qc
