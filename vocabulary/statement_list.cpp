#include "vocabulary/statement_list.h"

#include "common/text.h"
#include "tables/refused_table.h"

namespace qc {

namespace {
constexpr std::wstring_view kMarker = L"\u00B0line";
constexpr std::wstring_view kTargetLine = L"\u00B0cl ";

Diagnostic record(long long line, MessageKind kind, std::wstring_view subject,
                  std::wstring_view text = {}, int column = 0) {
    Diagnostic made;
    made.line = line;
    made.column = column;
    made.kind = kind;
    made.subject = subject;
    made.text = text;
    return made;
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

std::wstring lineMarker(long long line) {
    // One for every statement: the digits are written here, not through the C library's
    // formatting.
    wchar_t digits[24];
    size_t n = 0;
    unsigned long long v = line < 0 ? 0ULL - static_cast<unsigned long long>(line)
                                    : static_cast<unsigned long long>(line);
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + v % 10);
        v /= 10;
    } while (v != 0);
    std::wstring text(kMarker);
    if (line < 0) text += L'-';
    while (n > 0) text += digits[--n];
    return text;
}

bool isTargetLine(std::wstring_view element) {
    return startsWith(element, kTargetLine);
}

std::wstring targetLine(std::wstring_view code) {
    return std::wstring(kTargetLine) + std::wstring(code);
}

namespace message {

Diagnostic atLine(long long line, std::wstring_view text) {
    return record(line, MessageKind::kMessage, {}, text);
}

Diagnostic functionNotFound(int line, std::wstring_view word) {
    return record(line, MessageKind::kFunctionNotFound, word);
}

Diagnostic unknownType(int line, int column, std::wstring_view word) {
    return record(line, MessageKind::kUnknownType, word, {}, column);
}

Diagnostic unknownCharacter(long long line, int column, std::wstring_view hex) {
    return record(line, MessageKind::kUnknownCharacter, hex, {}, column);
}

Diagnostic constNotFound(int line, std::wstring_view constant) {
    return record(line, MessageKind::kConstNotFound, constant);
}

Diagnostic unknownConstant(int line, std::wstring_view constant) {
    if (isRefusedConstant(constant)) return notSupported(line, constant);
    return constNotFound(line, constant);
}

Diagnostic bracketError(int line) {
    return record(line, MessageKind::kBracketError, {});
}

Diagnostic notSupported(int line, std::wstring_view what) {
    return record(line, MessageKind::kNotSupported, what);
}

Diagnostic reservedName(int line, std::wstring_view what, std::wstring_view name) {
    return record(line, MessageKind::kReservedName, name, what);
}

Diagnostic withoutEnd(long long line, std::wstring_view opener, std::wstring_view closer) {
    return record(line, MessageKind::kWithout, opener, closer);
}

Diagnostic syntaxError(long long line, std::wstring_view near) {
    return record(line, MessageKind::kSyntaxError, near);
}

} // namespace message
} // namespace qc
