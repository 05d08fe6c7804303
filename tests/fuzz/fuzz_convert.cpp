// Arbitrary bytes as a source file: the whole conversion short of writing the page. Any
// crash, sanitizer report or hang here is a fault, whatever the input.
#include "common/diagnostics.h"
#include "common/text.h"
#include "compaction/compact_script.h"
#include "translator/translate_source.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qc::Diagnostics diag(nullptr);
    qc::TranslationResult page = qc::TranslateText(qc::decodeSourceBytes(bytes), diag);
    qc::RenameState names;
    qc::CompactScript(page.scriptLines, names, diag);
    return 0;
}
