#include "common/embedded_texts.h"
#include "common/text.h"

namespace qc {

const std::vector<std::wstring>& runtimeLibraryLines() {
    // Text behind the last line end (the "//EOF" fragment) never reaches a page.
    static const std::vector<std::wstring> lines =
        splitEmbeddedLines(fromSingleByte(runtimeLibraryText()), true);
    return lines;
}

} // namespace qc
