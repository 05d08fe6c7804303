#include "common/line_table.h"

#include "common/text.h"

#include <string_view>

namespace qc {
namespace {

// A statement that does nothing and that compaction passes through unchanged, on a line of
// its own: a string literal alone.
constexpr std::wstring_view kMarkerStart = L"\"qlcx-line ";

} // namespace

std::vector<std::wstring> withLineMarkers(const std::vector<std::wstring>& lines,
                                          const std::vector<int>& sourceLines) {
    std::vector<std::wstring> out;
    out.reserve(lines.size() + lines.size() / 2);
    int current = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        int line = i < sourceLines.size() && sourceLines[i] > 0 ? sourceLines[i] : 0;
        if (line != current) {
            out.push_back(std::wstring(kMarkerStart) + std::to_wstring(line) + L"\";");
            current = line;
        }
        out.push_back(lines[i]);
    }
    return out;
}

std::vector<int> takeLineMarkers(std::vector<std::wstring>& lines) {
    std::vector<int> sourceLines;
    sourceLines.reserve(lines.size());
    size_t kept = 0;
    int current = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring_view line = lines[i];
        if (startsWith(line, kMarkerStart)) {
            current = 0;
            for (size_t k = kMarkerStart.size();
                 k < line.size() && line[k] >= L'0' && line[k] <= L'9' && current < 100000000; ++k)
                current = current * 10 + (line[k] - L'0');
            continue;
        }
        if (kept != i) lines[kept] = std::move(lines[i]);
        ++kept;
        sourceLines.push_back(current);
    }
    lines.resize(kept);
    return sourceLines;
}

std::wstring lineTableScript(const std::vector<int>& sourceLines, int firstPageLine) {
    std::wstring text = L"window.QLCXLines=[";
    int lastPageLine = 0;
    int lastSource = 0;
    bool first = true;
    for (size_t i = 0; i < sourceLines.size(); ++i) {
        if (sourceLines[i] == lastSource) continue;
        int pageLine = firstPageLine + static_cast<int>(i);
        if (!first) text += L',';
        text += std::to_wstring(pageLine - lastPageLine) + L',' +
                std::to_wstring(sourceLines[i] - lastSource);
        first = false;
        lastPageLine = pageLine;
        lastSource = sourceLines[i];
    }
    return text + L"];";
}

} // namespace qc
