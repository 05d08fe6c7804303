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
        {L"Calls of the operating system's own interface: a page runs on no particular system", {
        {L"*_", L"any call Name_()"},
        }},
        {L"Gadgets and bars the page's toolkit does not have yet", {
        {L"DateGadget", L""},
        {L"ScrollBarGadget", L""},
        {L"SplitterGadget", L""},
        {L"IPAddressGadget", L""},
        {L"ShortcutGadget", L""},
        {L"MDIGadget", L""},
        {L"CreateToolBar", L""},
        {L"ToolBarStandardButton", L""},
        {L"ToolBarImageButton", L""},
        {L"ToolBarSeparator", L""},
        {L"ToolBarToolTip", L""},
        {L"WindowBounds", L""},
        }},
        {L"Gadgets of the system's own: a page has no file browser, OpenGL or editor component of the system", {
        {L"ExplorerListGadget", L""},
        {L"ExplorerTreeGadget", L""},
        {L"ExplorerComboGadget", L""},
        {L"OpenGLGadget", L""},
        {L"ScintillaGadget", L""},
        }},
        {L"Messages of the window system: a page's windows are made of the page's own elements", {
        {L"#WM_*", L""},
        }},
    };
    return flattenGroups<RefusedRegistration>(groups);
}();
// clang-format on

struct RefusedNames {
    std::unordered_set<std::wstring> whole;
    std::vector<std::wstring> prefixes;
    std::vector<std::wstring> suffixes;
};

const RefusedNames& refusedNames() {
    static const RefusedNames names = [] {
        RefusedNames n;
        for (const auto& row : kRows) {
            std::wstring lower = toLower(row.name);
            if (endsWith(lower, L"*"))
                n.prefixes.push_back(lower.substr(0, lower.size() - 1));
            else if (startsWith(lower, L"*"))
                n.suffixes.push_back(lower.substr(1));
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
    for (const std::wstring& suffix : names.suffixes)
        if (endsWith(lowerName, suffix) && lowerName.size() > suffix.size()) return true;
    return names.whole.count(std::wstring(lowerName)) != 0;
}

bool isRefusedConstant(std::wstring_view constant) {
    std::wstring lower = toLower(constant);
    if (!startsWith(lower, L"#")) lower.insert(0, L"#");
    return isRefusedCommand(lower);
}

} // namespace qc
