#include "loops/restructure_loops.h"

namespace qc {

// Stand-in until loop restructuring lands: the whole program runs once from INIT.
std::vector<std::wstring> restructureLoops(const std::vector<std::wstring>& mainProgram,
                                           Diagnostics&) {
    std::vector<std::wstring> out;
    out.emplace_back(L"\u00B0cl function INIT(){");
    out.insert(out.end(), mainProgram.begin(), mainProgram.end());
    out.emplace_back(L"\u00B0cl }");
    return out;
}

} // namespace qc
