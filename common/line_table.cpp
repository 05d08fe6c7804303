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

constexpr std::wstring_view kVar = L"var ";

// One whole declaration, "var a=0;", that the next declaration can continue. One that ends
// in "{" opens a function expression and is not whole yet.
bool isDeclaration(std::wstring_view line) {
    return startsWith(line, kVar) && line.back() == L';';
}

// A statement that another one may follow as its body without braces, so that its own ";"
// may be that body, empty.
bool isControlHead(std::wstring_view line) {
    for (std::wstring_view word : {L"if(", L"for(", L"while(", L"else", L"do", L"with("})
        if (startsWith(line, word)) return true;
    return false;
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

// A number of the table as base-64 digits of five bits each, the lowest first, with 32 added
// to every digit but the last; the number's lowest bit is its sign. Most steps of a table are
// below 16 and take one character instead of two or three with a comma.
constexpr std::wstring_view kBase64Digits =
    L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

void appendBase64Number(std::wstring& text, int value) {
    unsigned rest = value < 0 ? ((0u - static_cast<unsigned>(value)) << 1) | 1u
                              : static_cast<unsigned>(value) << 1;
    do {
        unsigned digit = rest & 31u;
        rest >>= 5;
        if (rest != 0) digit |= 32u;
        text += kBase64Digits[digit];
    } while (rest != 0);
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
    bool declares = isDeclaration(line);
    bool controls = isControlHead(line);
    if (!lines_.empty() && sourceLines_.back() == source && endsAStatement(lines_.back())) {
        std::wstring& joined = lines_.back();
        if (lastDeclares_ && startsWith(line, kVar)) {
            // "var a=0;var b=0;" is "var a=0,b=0;"
            joined.back() = L',';
            joined.append(line.substr(kVar.size()));
        } else {
            // A statement needs no ";" before the "}" of its block, unless the ";" is an empty
            // body: "if(a);}".
            if (!line.empty() && line.front() == L'}' && joined.back() == L';' && !lastControls_)
                joined.pop_back();
            joined += line;
        }
    } else {
        lines_.emplace_back(line);
        sourceLines_.push_back(source);
    }
    // Each line comes from compaction as one statement: the last one on the page line.
    lastDeclares_ = declares;
    lastControls_ = controls;
}

std::wstring lineTableScript(const std::vector<int>& sourceLines, int firstPageLine) {
    std::wstring text = L"window.QLCXLines=\"";
    int lastPageLine = 0;
    int lastSource = 0;
    int run = 0; // changes of (1, 1) not yet written
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
        if (run > 0) appendBase64Number(text, -run);
        run = 0;
        appendBase64Number(text, step);
        appendBase64Number(text, change);
    }
    if (run > 0) appendBase64Number(text, -run);
    return text + L"\";";
}

} // namespace qc
