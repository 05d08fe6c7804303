#include "compaction/compact_script.h"

#include "compaction/dead_functions.h"
#include "compaction/rename_tokens.h"
#include "compaction/tokenize_script.h"

namespace qc {

std::vector<std::wstring> compactScript(const std::vector<std::wstring>& scriptLines,
                                        RenameState& names, Diagnostics& diag,
                                        const ReportedWords* reported,
                                        std::vector<int>* sourceLines) {
    ScanResult scan = tokenizeLines(scriptLines, sourceLines, diag, reported);
    DeadStatements dead = markReachableCode(scan.tokens, scan.declarations, scan.functions);
    ShortNameTable shortNames;
    nameByUseCount(scan.tokens, scan.functions, dead, names, shortNames);
    removeDeadCodeAndRename(scan.tokens, scan.functions, dead, names, shortNames);
    if (sourceLines != nullptr) sourceLines->clear(); // now of the compacted lines
    return reassemble(scan.tokens, shortNames, sourceLines);
}

} // namespace qc
