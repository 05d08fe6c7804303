#include "common/embedded_texts.h"
#include "common/text.h"

namespace qc {

std::vector<std::wstring> runtimeLibraryLines() {
    // Text behind the last line end (the "//EOF" fragment) never reaches a page.
    return splitEmbeddedLines(fromSingleByte(runtimeLibraryText()), true);
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
