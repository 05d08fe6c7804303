// Arbitrary bytes as script text, one script line per line of the input: the compaction on
// its own, which must survive scripts no translator would write (unclosed strings and
// comments, stray braces, odd hexadecimal words, characters outside ASCII).
#include "common/diagnostics.h"
#include "common/text.h"
#include "compaction/compact_script.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::wstring> lines = qc::splitEmbeddedLines(qc::decodeSourceBytes(bytes), false);
    qc::Diagnostics diag(nullptr);
    qc::RenameState names;
    qc::compactScript(lines, names, diag);
    // A second conversion in the same run continues the name sequence from the first.
    qc::compactScript(lines, names, diag);
    return 0;
}
