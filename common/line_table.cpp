#include "common/line_table.h"

#include "common/text.h"

#include <algorithm>
#include <cassert>
#include <string_view>

namespace qc {
namespace {

// A statement that does nothing and that compaction passes through unchanged, on a line of
// its own: a string literal alone.
constexpr std::wstring_view kMarkerStart = L"\"qlcx-line ";

// Whether nothing can continue a line across its end: a statement's ";" or a block's "{".
// A line that ends in "}" may close a function expression that only the line end finishes.
bool endsAStatement(const std::wstring& line) {
    return !line.empty() && (line.back() == L';' || line.back() == L'{');
}

// std::to_wstring goes through the C library's formatted output: too slow for one number per
// source line of a long program.
void appendDecimal(std::wstring& text, int value) {
    wchar_t digits[12]; // a sign and the ten digits of the largest int
    size_t n = 0;
    unsigned magnitude =
        value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[n++] = L'-';
    std::reverse(digits, digits + n);
    text.append(digits, n);
}

} // namespace

void appendLineMarker(std::wstring& text, int sourceLine) {
    text += kMarkerStart;
    appendDecimal(text, sourceLine);
    text += L"\";";
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

void joinLinesOfOneSource(std::vector<std::wstring>& lines, std::vector<int>& sourceLines) {
    assert(lines.size() == sourceLines.size());
    size_t kept = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (kept > 0 && sourceLines[kept - 1] == sourceLines[i] &&
            endsAStatement(lines[kept - 1])) {
            lines[kept - 1] += lines[i];
            continue;
        }
        if (kept != i) {
            lines[kept] = std::move(lines[i]);
            sourceLines[kept] = sourceLines[i];
        }
        ++kept;
    }
    lines.resize(kept);
    sourceLines.resize(kept);
}

std::wstring lineTableScript(const std::vector<int>& sourceLines, int firstPageLine) {
    std::wstring text = L"window.QLCXLines=[";
    int lastPageLine = 0;
    int lastSource = 0;
    int run = 0; // changes of (1, 1) not yet written
    auto put = [&text](int value) {
        if (text.back() != L'[') text += L',';
        appendDecimal(text, value);
    };
    for (size_t i = 0; i < sourceLines.size(); ++i) {
        if (sourceLines[i] == lastSource) continue;
        int pageLine = firstPageLine + static_cast<int>(i);
        int step = pageLine - lastPageLine;
        int change = sourceLines[i] - lastSource;
        lastPageLine = pageLine;
        lastSource = sourceLines[i];
        if (step == 1 && change == 1) {
            ++run;
            continue;
        }
        if (run > 0) put(-run);
        run = 0;
        put(step);
        put(change);
    }
    if (run > 0) put(-run);
    return text + L"];";
}

} // namespace qc
