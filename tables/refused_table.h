#pragma once
// The commands of the dialect that a page in a browser cannot have, each with the reason the
// language reference shows. A call of one is reported "not supported" and runs as nothing.
#include <string_view>
#include <vector>

namespace qc {

struct RefusedRegistration {
    const wchar_t* group;  // why the group stays outside the page
    const wchar_t* name;   // the command's or constant's spelling; a trailing "*" stands for
                           // any ending, a leading one for any beginning
    const wchar_t* reason; // empty: the group's reason holds
};

// The rows as registered, grouped, for the language reference.
const std::vector<RefusedRegistration>& refusedRegistrations();

// Whether a call of this command (lower case) is refused.
bool isRefusedCommand(std::wstring_view lowerName);

// Whether a constant ("#WM_PAINT", any case, with or without its "#") is one a page cannot
// have: it is reported "not supported" rather than not found.
bool isRefusedConstant(std::wstring_view constant);

} // namespace qc
