#include "common/line_table.h"

#include "common/text.h"

#include <algorithm>
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

void SourceLineReader::add(std::wstring_view line) {
    if (startsWith(line, kMarkerStart)) {
        current_ = 0;
        for (size_t k = kMarkerStart.size();
             k < line.size() && line[k] >= L'0' && line[k] <= L'9' && current_ < 100000000; ++k)
            current_ = current_ * 10 + (line[k] - L'0');
        return;
    }
    add(line, current_);
}

void SourceLineReader::add(std::wstring_view line, int source) {
    if (!lines_.empty() && sourceLines_.back() == source && endsAStatement(lines_.back())) {
        lines_.back() += line;
        return;
    }
    lines_.emplace_back(line);
    sourceLines_.push_back(source);
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
