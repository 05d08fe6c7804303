#include "translator/lowering/in_place_update.h"

#include "translator/semantics/operator_table.h"
#include "translator/source/lexer.h"

#include <vector>

namespace qc {
namespace {

bool isSymbol(const Token& token, std::wstring_view symbol) {
    return token.kind == TokenKind::kOperator && token.text == symbol;
}

bool opens(const Token& token) {
    return isSymbol(token, L"(") || isSymbol(token, L"[");
}

bool closes(const Token& token) {
    return isSymbol(token, L")") || isSymbol(token, L"]");
}

// Where the place that begins the statement ends: a name, its type, then brackets, fields and
// static array indexes ("a(i)\pos[2]\x"). 0 when the statement begins with no place.
size_t placeEnd(const std::vector<Token>& tokens, bool& calls) {
    if (tokens.empty() || tokens[0].kind != TokenKind::kName || isValueStarter(tokens[0].text))
        return 0;
    size_t k = 1;
    if (k < tokens.size() && tokens[k].kind == TokenKind::kTypeSuffix) ++k;
    while (k < tokens.size()) {
        if (tokens[k].kind == TokenKind::kField) {
            ++k;
        } else if (opens(tokens[k])) {
            size_t close = closingBracket(tokens, k, tokens.size());
            if (close >= tokens.size()) return 0;
            for (size_t j = k + 1; j < close; ++j)
                calls = calls || (tokens[j].kind == TokenKind::kName && j + 1 < close &&
                                  isSymbol(tokens[j + 1], L"("));
            k = close + 1;
        } else {
            break;
        }
    }
    return k;
}

// A binary operator of the table: a symbol after a value, or And, Or, XOr.
const OperatorRow* binaryAt(const std::vector<Token>& tokens, size_t k) {
    const Token& token = tokens[k];
    const OperatorRow* row = binaryOperator(token.text);
    if (row == nullptr) return nullptr;
    bool word = row->kind == OperatorClass::kLogical;
    if (word != (token.kind == TokenKind::kName)) return nullptr;
    if (word) return row;
    const Token& before = tokens[k - 1];
    bool afterValue = before.kind != TokenKind::kOperator || closes(before);
    return afterValue ? row : nullptr;
}

// Whether "p op (x next y)" is "(p op x) next y": "a + b - c" and "a * b * c" may keep the
// short form, "a - b - c" and "a * b / c" may not.
bool regroups(const OperatorRow& op, const OperatorRow& next) {
    if (op.spelling == L"+") return next.kind == OperatorClass::kAddition;
    if (op.spelling == L"*") return next.spelling == L"*";
    return false;
}

} // namespace

SpelledOutUpdate spellOutUpdate(std::wstring_view statement) {
    SpelledOutUpdate result;
    std::vector<Token> tokens = lexLine(statement);
    bool calls = false;
    size_t end = placeEnd(tokens, calls);
    if (end == 0 || end + 1 >= tokens.size()) return result;
    const Token& op = tokens[end];
    // Every binary operator but the comparisons and the logical words updates in place.
    const OperatorRow* row = op.kind == TokenKind::kOperator ? binaryOperator(op.text) : nullptr;
    if (row == nullptr || row->kind == OperatorClass::kComparison ||
        row->kind == OperatorClass::kLogical)
        return result;
    int depth = 0;
    bool looser = false;
    for (size_t k = end + 1; k < tokens.size() && !looser; ++k) {
        if (opens(tokens[k])) ++depth;
        if (closes(tokens[k])) --depth;
        if (depth != 0 || tokens[k].kind == TokenKind::kComment) continue;
        const OperatorRow* next = binaryAt(tokens, k);
        looser =
            next != nullptr && (next->precedence < row->precedence ||
                                (next->precedence == row->precedence && !regroups(*row, *next)));
    }
    if (!looser) return result;
    if (calls) {
        result.kind = SpelledOutUpdate::Kind::kPlaceCalls;
        return result;
    }
    size_t placeLength = static_cast<size_t>(op.column - 1);
    std::wstring_view place = statement.substr(0, placeLength);
    while (!place.empty() && (place.back() == L' ' || place.back() == L'\t'))
        place.remove_suffix(1);
    result.kind = SpelledOutUpdate::Kind::kSpelledOut;
    result.statement = std::wstring(place) + L"=" + std::wstring(statement);
    return result;
}

} // namespace qc
