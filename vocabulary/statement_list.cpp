#include "vocabulary/statement_list.h"

#include "common/text.h"

namespace qc {

namespace {
constexpr std::wstring_view kMarker = L"\u00B0line";
constexpr std::wstring_view kTargetLine = L"\u00B0cl ";

std::wstring linePrefix(int line) {
    return L"line " + std::to_wstring(line);
}
} // namespace

bool isLineMarker(std::wstring_view element) {
    return startsWith(element, kMarker);
}

int markerLine(std::wstring_view element) {
    if (!isLineMarker(element)) return -1;
    long long n = parseDecimal(element.substr(kMarker.size()));
    return n > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(n);
}

std::wstring lineMarker(int line) {
    return std::wstring(kMarker) + std::to_wstring(line);
}

bool isTargetLine(std::wstring_view element) {
    return startsWith(element, kTargetLine);
}

namespace message {

std::wstring functionNotFound(int line, std::wstring_view word) {
    return linePrefix(line) + L": function Not found: " + std::wstring(word) + L"()";
}

std::wstring unknownType(int line, int column, std::wstring_view word) {
    return linePrefix(line) + L"  column " + std::to_wstring(column) + L" ERROR unknow typ \"" +
           std::wstring(word) + L"\"";
}

std::wstring_view unknownTypeWord(std::wstring_view message) {
    constexpr std::wstring_view kLead = L" ERROR unknow typ \"";
    size_t start = message.find(kLead);
    if (start == std::wstring_view::npos || message.back() != L'"') return {};
    start += kLead.size();
    return message.substr(start, message.size() - 1 - start);
}

std::wstring constNotFound(int line, std::wstring_view constant) {
    return linePrefix(line) + L" const Not found: " + std::wstring(constant);
}

std::wstring bracketError(int line) {
    return linePrefix(line) + L" () error!";
}

std::wstring notSupported(int line, std::wstring_view what) {
    return linePrefix(line) + L": not supported: " + std::wstring(what);
}

std::wstring reservedName(int line, std::wstring_view what, std::wstring_view name) {
    return linePrefix(line) + L": reserved " + std::wstring(what) + L" name: " + std::wstring(name);
}

std::wstring withoutEnd(int line, std::wstring_view opener, std::wstring_view closer) {
    return linePrefix(line) + L": " + std::wstring(opener) + L" without " + std::wstring(closer);
}

} // namespace message
} // namespace qc
