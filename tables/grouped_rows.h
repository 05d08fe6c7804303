#pragma once
// The tables are written as groups of two-text rows, the way the language reference groups
// them; this turns such a listing into the flat registrations the tables are filled from.
#include <vector>

namespace qc {

struct TableRow {
    const wchar_t* first;
    const wchar_t* second;
};

struct TableGroup {
    const wchar_t* name;
    std::vector<TableRow> rows;
};

template <class Registration>
std::vector<Registration> flattenGroups(const std::vector<TableGroup>& groups) {
    std::vector<Registration> flat;
    for (const auto& g : groups)
        for (const auto& r : g.rows) flat.push_back({g.name, r.first, r.second});
    return flat;
}

} // namespace qc
