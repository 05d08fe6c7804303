// Arbitrary bytes as a source file: the whole conversion short of writing the page. Any crash,
// sanitizer report or hang here is a fault, whatever the input.
#include "common/diagnostics.h"
#include "common/text.h"
#include "compaction/compact_script.h"
#include "translator/output/page_writer.h"
#include "translator/translate_source.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qc::Diagnostics diag(nullptr);
    qc::TranslationResult page = qc::translateText(qc::decodeSourceBytes(bytes), diag);
    // The runtime library opens every script and is the same for every input; compacting it
    // each time would spend nearly all the fuzzing time on it. One input in 32 (by length)
    // keeps it, so that program names meeting library names are still exercised.
    std::vector<std::wstring> script = page.scriptLines;
    const size_t library = qc::runtimeLibraryLineCount();
    if (size % 32 != 0 && script.size() >= library)
        script.erase(script.begin(), script.begin() + static_cast<std::ptrdiff_t>(library));
    qc::RenameState names;
    qc::compactScript(script, names, diag);
    return 0;
}
