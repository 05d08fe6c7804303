#include "common/embedded_texts.h"
#include "common/text.h"

#include <algorithm>

namespace qc {

std::vector<std::wstring> runtimeLibraryLines() {
    // Cut while still single-byte, each line widened on its own: no wide copy of the whole
    // text is made on the way.
    std::string_view text = runtimeLibraryText();
    std::vector<std::wstring> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
    // Text behind the last line end (the "//EOF" fragment) never reaches a page.
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(fromSingleByte(line));
    }
    return lines;
}

namespace {

struct LibraryShape {
    size_t count = 0;
    std::wstring first;
};

const LibraryShape& libraryShape() {
    static const LibraryShape shape = [] {
        std::vector<std::wstring> lines = runtimeLibraryLines();
        return LibraryShape{lines.size(), lines.empty() ? std::wstring() : lines.front()};
    }();
    return shape;
}

} // namespace

size_t runtimeLibraryLineCount() {
    return libraryShape().count;
}

const std::wstring& runtimeLibraryFirstLine() {
    return libraryShape().first;
}

} // namespace qc
