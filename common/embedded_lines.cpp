#include "common/embedded_texts.h"
#include "common/text.h"

#include <algorithm>

namespace qc {

std::vector<std::wstring> runtimeLibraryLines() {
    // Text behind the last line end (the "//EOF" fragment) never reaches a page.
    return splitEmbeddedLines(runtimeLibraryText(), true);
}

size_t runtimeLibraryLineCount() {
    // Every line, the last one too, ends in a line feed; the fragment behind it is no line.
    std::string_view text = runtimeLibraryText();
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

const std::wstring& runtimeLibraryFirstLine() {
    static const std::wstring first = [] {
        std::string_view text = runtimeLibraryText();
        std::vector<std::wstring> lines =
            splitEmbeddedLines(text.substr(0, text.find('\n') + 1), true);
        return lines.empty() ? std::wstring() : lines.front();
    }();
    return first;
}

} // namespace qc
