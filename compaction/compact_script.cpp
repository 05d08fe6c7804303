#include "compaction/compact_script.h"

namespace qc {

// Stand-in until compaction lands: the lines pass through unchanged.
std::vector<std::wstring> CompactScript(const std::vector<std::wstring>& scriptLines, RenameState&,
                                        Diagnostics&) {
    return scriptLines;
}

} // namespace qc
