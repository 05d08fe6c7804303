// The parser's expressions (precedence climbing over the operator table), its tokens and the
// nodes it adds to the tree.
#include "translator/language/script_literals.h"
#include "translator/source/parser_parts.h"
#include "vocabulary/statement_list.h"

namespace qc::parsing {

NodeId Parser::expression(int minPrecedence) {
    if (++depth_ > kMaxDepth) {
        --depth_;
        return refuse(message::atLine(line_, L"nesting too deep"));
    }
    NodeId left = binaryRest(unary(), minPrecedence);
    --depth_;
    return left;
}

NodeId Parser::binaryRest(NodeId left, int minPrecedence) {
    while (!failed_ && pos_ < tokens_.size()) {
        const OperatorRow* row = binaryRow(tokens_[pos_]);
        if (row == nullptr || row->precedence < minPrecedence) break;
        Expr node = exprAt(ExprKind::kBinary, pos_++);
        node.op = row;
        NodeId right = expression(row->operandPrecedence);
        node.children = links({left, right});
        left = add(node);
    }
    return left;
}

NodeId Parser::unary() {
    if (pos_ >= tokens_.size()) return fail(pos_);
    const Token& token = tokens_[pos_];
    const OperatorRow* row = nullptr;
    if (token.kind == TokenKind::kOperator || isWord(token, L"not"))
        row = prefixOperator(token.text);
    if (row == nullptr) return postfix();
    Expr node = exprAt(ExprKind::kUnary, pos_++);
    node.op = row;
    node.children = links({expression(row->operandPrecedence)});
    return add(node);
}

NodeId Parser::postfix() {
    NodeId value = primary();
    while (!failed_ && pos_ < tokens_.size()) {
        const Token& token = tokens_[pos_];
        if (token.kind == TokenKind::kField) {
            value = fieldOf(value);
        } else if (isSymbol(token, L"(") && (tree_.exprs[value].kind == ExprKind::kCall ||
                                             tree_.exprs[value].kind == ExprKind::kInvoke)) {
            // "table(i)(x)": the element holds a procedure, called with what follows.
            Expr node = exprAt(ExprKind::kInvoke, pos_);
            std::vector<NodeId> parts{value};
            std::vector<NodeId> args = arguments();
            parts.insert(parts.end(), args.begin(), args.end());
            node.children = links(parts);
            value = add(node);
        } else if (isSymbol(token, L"[")) {
            value = indexOf(value);
        } else {
            break;
        }
    }
    return value;
}

// "cells[i]": an element of a static array field, after the field.
NodeId Parser::indexOf(NodeId value) {
    Expr node = exprAt(ExprKind::kIndex, pos_++);
    NodeId index = expression(0);
    expect(L"]");
    node.children = links({value, index});
    return add(node);
}

NodeId Parser::fieldOf(NodeId value) {
    const Token& token = tokens_[pos_];
    Expr node = exprAt(ExprKind::kField, pos_++);
    node.text = token.text.substr(1);
    node.suffix = typeSuffix();
    std::vector<NodeId> parts{value};
    if (at(L"(")) {
        // "l()\items()": a list field; its brackets name the current element.
        node.brackets = true;
        std::vector<NodeId> args = arguments();
        parts.insert(parts.end(), args.begin(), args.end());
    }
    node.children = links(parts);
    return add(node);
}

// The block's value node stands in each of its fields: it is computed at each use, as if
// written out there.
NodeId Parser::withSubject() const {
    for (size_t k = frames_.size(); k-- > 1;)
        if (frames_[k].kind == StmtKind::kWith) {
            const Stmt& with = tree_.stmts[frames_[k].stmt];
            return with.exprs.count > 0 ? tree_.child(with.exprs, 0) : kNoNode;
        }
    return kNoNode;
}

NodeId Parser::primary() {
    if (pos_ >= tokens_.size()) return fail(pos_);
    const Token& token = tokens_[pos_];
    switch (token.kind) {
    case TokenKind::kNumber:
        // Reported rather than wrapped; the statement still reads.
        if (beyond64Bits(token.text))
            report(L"number too large: " + std::wstring(token.text.substr(0, 40)));
        return atom(ExprKind::kNumber);
    case TokenKind::kCharacter:
        return atom(ExprKind::kCharacter);
    case TokenKind::kString:
        // Reported, and read as if closed at the end of its line: the rest of the line is
        // in it, so nothing after it is another fault.
        if (!isClosedString(token.text)) {
            report(message::withoutEnd(line_, L"string", L"closing quote"));
            openString_ = true;
        }
        return atom(ExprKind::kString);
    case TokenKind::kConstant:
        return atom(ExprKind::kConstant);
    case TokenKind::kField: {
        NodeId subject = withSubject();
        if (subject == kNoNode) return fail(pos_);
        return fieldOf(subject);
    }
    case TokenKind::kLabel: {
        Expr node = exprAt(ExprKind::kLabelAddress, pos_++);
        node.text = token.text.substr(1);
        return add(node);
    }
    case TokenKind::kPointer: {
        Expr node = exprAt(ExprKind::kPointer, pos_++);
        node.text = token.text.substr(1);
        node.suffix = typeSuffix();
        return add(node);
    }
    case TokenKind::kAddress: {
        // "@x", "@Handler()", "@a(2)", "@*p", "@p\pos\x", "@*p\cells[2]": the address of
        // the whole place the rest names, its fields among it.
        Expr node = exprAt(ExprKind::kAddress, pos_);
        Expr operand = exprAt(ExprKind::kName, pos_++);
        operand.text = token.text.substr(1);
        operand.at.column += 1;
        if (operand.text.starts_with(L"*")) {
            operand.kind = ExprKind::kPointer;
            operand.text = operand.text.substr(1);
        } else if (at(L"(")) {
            operand.kind = ExprKind::kCall;
            operand.children = links(arguments());
        }
        NodeId place = add(operand);
        while (!failed_ && pos_ < tokens_.size()) {
            if (tokens_[pos_].kind == TokenKind::kField) {
                place = fieldOf(place);
            } else if (isSymbol(tokens_[pos_], L"[")) {
                place = indexOf(place);
            } else {
                break;
            }
        }
        node.children = links({place});
        return add(node);
    }
    case TokenKind::kName:
        if (isBlockLineWord(token)) return fail(pos_);
        return name();
    case TokenKind::kOperator:
        if (token.text == L"(") {
            ++pos_;
            NodeId inner = expression(0);
            expect(L")");
            return inner;
        }
        // "!" only joins two values; where one starts, it is a word of its own.
        if (token.text == L"!") return refuse(message::unknownType(line_, token.column, L"!"));
        return fail(pos_);
    default:
        return fail(pos_);
    }
}

NodeId Parser::name() {
    Expr node = exprAt(ExprKind::kName, pos_++);
    node.suffix = typeSuffix();
    if (at(L"(")) {
        node.kind = ExprKind::kCall;
        node.children = links(arguments());
    }
    return add(node);
}

std::vector<NodeId> Parser::arguments() {
    ++pos_;
    std::vector<NodeId> args;
    if (take(L")")) return args;
    do args.push_back(expression(0));
    while (!failed_ && take(L","));
    expect(L")");
    return args;
}

std::vector<NodeId> Parser::valueList() {
    std::vector<NodeId> values;
    if (pos_ >= tokens_.size()) return values;
    do values.push_back(expression(0));
    while (!failed_ && take(L","));
    return values;
}

std::wstring_view Parser::typeSuffix() {
    if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::kTypeSuffix)
        return tokens_[pos_++].text;
    return {};
}

const OperatorRow* Parser::binaryRow(const Token& token) const {
    if (token.kind != TokenKind::kOperator && token.kind != TokenKind::kName) return nullptr;
    const OperatorRow* row = binaryOperator(token.text);
    if (row == nullptr) return nullptr;
    bool word = row->kind == OperatorClass::kLogical;
    return word == (token.kind == TokenKind::kName) ? row : nullptr;
}

bool Parser::at(std::wstring_view symbol) const {
    return pos_ < tokens_.size() && isSymbol(tokens_[pos_], symbol);
}

bool Parser::atWord(std::wstring_view word) const {
    return pos_ < tokens_.size() && isWord(tokens_[pos_], word);
}

bool Parser::take(std::wstring_view symbol) {
    if (!at(symbol)) return false;
    ++pos_;
    return true;
}

bool Parser::expect(std::wstring_view symbol) {
    if (failed_) return false;
    if (take(symbol)) return true;
    fail(pos_);
    return false;
}

void Parser::expectWord(std::wstring_view word) {
    if (failed_) return;
    if (atWord(word))
        ++pos_;
    else
        fail(pos_);
}

Stmt Parser::started(StmtKind kind) const {
    Stmt s;
    s.kind = kind;
    s.at = {line_, pos_ < tokens_.size() ? tokens_[pos_].column : 1};
    if (pos_ < tokens_.size()) s.source = tokens_[pos_].text.substr(0, 0);
    return s;
}

NodeId Parser::finished(Stmt s, const std::vector<NodeId>& exprs) {
    if (!failed_ && pos_ < tokens_.size()) fail(pos_);
    return finishedItem(s, exprs);
}

NodeId Parser::finishedItem(Stmt s, const std::vector<NodeId>& exprs) {
    if (failed_ && dropsWhenRefused(s.kind)) s.kind = StmtKind::kError;
    // From its first token to the last one read.
    if (s.source.data() != nullptr && pos_ > 0 && pos_ <= tokens_.size()) {
        const Token& last = tokens_[pos_ - 1];
        const wchar_t* end = last.text.data() + last.text.size();
        if (end > s.source.data())
            s.source =
                std::wstring_view(s.source.data(), static_cast<size_t>(end - s.source.data()));
    }
    s.exprs = links(exprs);
    tree_.stmts.push_back(s);
    return static_cast<NodeId>(tree_.stmts.size() - 1);
}

Expr Parser::exprAt(ExprKind kind, size_t index) const {
    Expr e;
    e.kind = kind;
    // Past the statement's last token (a list that ends in a comma): a node without text.
    if (index >= tokens_.size()) {
        e.at = {line_, 0};
        return e;
    }
    const Token& token = tokens_[index];
    e.at = {line_, token.column};
    e.text = token.text;
    return e;
}

NodeId Parser::add(const Expr& e) {
    tree_.exprs.push_back(e);
    return static_cast<NodeId>(tree_.exprs.size() - 1);
}

NodeRange Parser::links(const std::vector<NodeId>& ids) {
    NodeRange range{static_cast<std::uint32_t>(tree_.links.size()),
                    static_cast<std::uint32_t>(ids.size())};
    tree_.links.insert(tree_.links.end(), ids.begin(), ids.end());
    return range;
}

NodeId Parser::fail(size_t index) {
    // Brackets that do not pair are the fault, wherever the reading stopped.
    if (!bracketsPair()) return refuse(message::bracketError(line_), index);
    if (index < tokens_.size() && tokens_[index].kind == TokenKind::kUnknown)
        return refuse(message::unknownType(line_, tokens_[index].column, wordAt(index)), index);
    // Two values with only a blank between them ("x = a b") are named together: the
    // program meant one word or left out an operator.
    if (index > 0 && index < tokens_.size() && isValueWord(tokens_[index - 1]) &&
        isValueWord(tokens_[index])) {
        const Token& before = tokens_[index - 1];
        return refuse(message::unknownType(line_, before.column,
                                           std::wstring(before.text) + L" " +
                                               std::wstring(tokens_[index].text)),
                      index);
    }
    std::wstring near = index < tokens_.size() ? std::wstring(tokens_[index].text)
                                               : std::wstring(L"end of statement");
    // "</" would end the page's script where it stands; it is named as a whole.
    if (near == L"/" && index > 0 && isSymbol(tokens_[index - 1], L"<") &&
        tokens_[index - 1].column + 1 == tokens_[index].column)
        near = L"</";
    return refuse(message::syntaxError(line_, near), index);
}

bool Parser::isValueWord(const Token& token) {
    switch (token.kind) {
    case TokenKind::kNumber:
    case TokenKind::kConstant:
        return true;
    case TokenKind::kName:
        return !isBlockLineWord(token) && binaryOperator(token.text) == nullptr;
    default:
        return false;
    }
}

bool Parser::bracketsPair() const {
    int depth = 0;
    for (const Token& token : tokens_) {
        if (isSymbol(token, L"(")) ++depth;
        if (isSymbol(token, L")") && --depth < 0) return false;
    }
    return depth == 0;
}

std::wstring Parser::wordAt(size_t index) const {
    size_t from = static_cast<size_t>(tokens_[index].column - 1);
    size_t end = from + tokens_[index].text.size();
    while (end < text_.size() && (isNameChar(text_[end]) || text_[end] == L'$')) ++end;
    return std::wstring(text_.substr(from, end - from));
}

NodeId Parser::refuse(Diagnostic record, size_t index) {
    if (!failed_) {
        failed_ = true;
        if (!openString_) diag_.error(std::move(record));
    }
    pos_ = tokens_.size();
    Expr e;
    e.at = {line_, index < tokens_.size() ? tokens_[index].column : 0};
    return add(e);
}

bool Parser::emptyHead() {
    if (pos_ < tokens_.size()) return false;
    failed_ = true;
    emptyHead_ = message::syntaxError(line_, L"end of statement");
    return true;
}

NodeId Parser::refused() {
    Expr e;
    e.at = {line_, 0};
    return add(e);
}

} // namespace qc::parsing
