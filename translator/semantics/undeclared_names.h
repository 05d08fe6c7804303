#pragma once
// EnableExplicit: between an EnableExplicit and a DisableExplicit (by source line) every
// variable must be declared before its first use, by Define, Global, Protected, Static,
// Shared or as a parameter. The statement pass tells this record every declaration and use
// it meets, in its own order (procedures before the main program, the main program cut
// into loop functions); the record decides by source lines once every statement was read.
#include "common/diagnostics.h"

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qc {

class UndeclaredNames {
public:
    // The lines of EnableExplicit (true) and DisableExplicit (false), in source order.
    std::vector<std::pair<int, bool>> switches;

    // Nothing needs recording for a program without EnableExplicit.
    bool active() const { return !switches.empty(); }

    // scope: the procedure's index, -1 for the main program. key: the lower-case name
    // without its type. A Global declaration reaches every scope from its line on.
    void declare(int scope, const std::wstring& key, int line, bool global);
    // written: the name as the source spells it, for the message.
    void use(int scope, const std::wstring& key, std::wstring_view written, int line);

    // "line N: variable not declared: x" for the first undeclared use of each name in each
    // scope, in line order.
    void report(Diagnostics& diag) const;

private:
    bool checkedAt(int line) const;

    struct Use {
        int scope;
        std::wstring key;
        std::wstring written;
        int line;
    };
    std::map<std::pair<int, std::wstring>, int> declared_; // (scope, key) -> first line
    std::unordered_map<std::wstring, int> globals_;        // key -> first line
    std::vector<Use> uses_;
};

} // namespace qc
