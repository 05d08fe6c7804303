#include "translator/script_check.h"

#include "common/text.h"
#include "vocabulary/statement_list.h"

#include <array>
#include <set>
#include <string_view>

namespace qc {
namespace {

enum class Kind { kName, kNumber, kString, kPunct, kBad };

struct Token {
    Kind kind;
    std::wstring_view text;
};

constexpr std::wstring_view kReservedWords[] = {
    L"break",  L"case",     L"catch",  L"class",  L"const",  L"continue",   L"debugger", L"default",
    L"delete", L"do",       L"else",   L"enum",   L"export", L"extends",    L"false",    L"finally",
    L"for",    L"function", L"if",     L"import", L"in",     L"instanceof", L"new",      L"null",
    L"return", L"super",    L"switch", L"this",   L"throw",  L"true",       L"try",      L"typeof",
    L"var",    L"void",     L"while",  L"with"};

bool isReserved(std::wstring_view word) {
    for (auto r : kReservedWords)
        if (r == word) return true;
    return false;
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool isHex(wchar_t c) {
    return isDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

// Letters the target language takes in names: ASCII, and the letter blocks a program's names
// can plausibly use. Anything else is reported rather than risked.
bool isNameStart(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_' || c == L'$') return true;
    if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA;
    if (c <= 0xFF) return c != 0xD7 && c != 0xF7;
    return (c <= 0x2AF) || (c >= 0x386 && c <= 0x52F && c != 0x387) ||
           (c >= 0x3041 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xAC00 && c <= 0xD7A3);
}

bool isNamePart(wchar_t c) {
    return isNameStart(c) || isDigit(c);
}

// Longest first, so that the first match is the whole operator.
constexpr std::wstring_view kPunctuators[] = {
    L">>>=", L"===", L"!==", L"**=", L"<<=", L">>=", L">>>", L"==", L"!=", L"<=",
    L">=",   L"&&",  L"||",  L"++",  L"--",  L"+=",  L"-=",  L"*=", L"/=", L"%=",
    L"&=",   L"|=",  L"^=",  L"<<",  L">>",  L"**",  L"{",   L"}",  L"(",  L")",
    L"[",    L"]",   L";",   L",",   L"<",   L">",   L"+",   L"-",  L"*",  L"/",
    L"%",    L"&",   L"|",   L"^",   L"!",   L"~",   L"?",   L":",  L"="};

// What a script line is made of. Lexing stops at the first thing the translator never
// writes: a comment (which would swallow the rest of the line: "5//2"), markup that could
// end or confuse the page's script element ("</", "<!--"), or a character outside names,
// numbers, strings and operators.
class Lexer {
public:
    explicit Lexer(std::wstring_view line) : s_(line) {}

    // Into a vector the caller keeps, so that a million lines do not allocate a million.
    void run(std::vector<Token>& tokens) {
        tokens.clear();
        while (p_ < s_.size()) {
            wchar_t c = s_[p_];
            if (c == L' ' || c == L'\t') {
                ++p_;
                continue;
            }
            Token token = next(c);
            tokens.push_back(token);
            if (token.kind == Kind::kBad) break;
        }
    }

private:
    Token take(Kind kind, size_t start) { return {kind, s_.substr(start, p_ - start)}; }
    Token bad(size_t length) { return {Kind::kBad, s_.substr(p_, length)}; }

    Token next(wchar_t c) {
        size_t start = p_;
        // A name never starts with "$" in a translated program ("$" alone or "$G" is a typo
        // of a hexadecimal number, which the compactor would not take either).
        if (isNameStart(c) && c != L'$') {
            while (p_ < s_.size() && isNamePart(s_[p_])) ++p_;
            return take(Kind::kName, start);
        }
        if (isDigit(c) || (c == L'.' && p_ + 1 < s_.size() && isDigit(s_[p_ + 1])))
            return number(start);
        if (c == L'"' || c == L'\'') return string(start);
        if (c == L'.') {
            ++p_;
            return take(Kind::kPunct, start);
        }
        std::wstring_view rest = s_.substr(p_);
        if (startsWith(rest, L"//") || startsWith(rest, L"/*") || startsWith(rest, L"</") ||
            startsWith(rest, L"<!--"))
            return bad(2);
        for (auto punct : kPunctuators)
            if (punct[0] == c && startsWith(rest, punct)) {
                p_ += punct.size();
                return take(Kind::kPunct, start);
            }
        return bad(1);
    }

    Token number(size_t start) {
        auto digits = [this](bool hex) {
            size_t from = p_;
            while (p_ < s_.size() && (hex ? isHex(s_[p_]) : isDigit(s_[p_]))) ++p_;
            return p_ > from;
        };
        bool ok = true;
        if (s_[p_] == L'0' && p_ + 1 < s_.size() && (s_[p_ + 1] == L'x' || s_[p_ + 1] == L'X')) {
            p_ += 2;
            ok = digits(true);
        } else {
            digits(false);
            if (p_ < s_.size() && s_[p_] == L'.') {
                ++p_;
                digits(false);
            }
            if (p_ < s_.size() && (s_[p_] == L'e' || s_[p_] == L'E')) {
                ++p_;
                if (p_ < s_.size() && (s_[p_] == L'+' || s_[p_] == L'-')) ++p_;
                ok = digits(false);
            }
        }
        // "1.2.3" and "2abc": a number must not run into a name or another number.
        if (p_ < s_.size() && (isNamePart(s_[p_]) || s_[p_] == L'.')) ok = false;
        if (!ok) {
            p_ = start;
            return bad(1);
        }
        return take(Kind::kNumber, start);
    }

    Token string(size_t start) {
        wchar_t quote = s_[p_++];
        while (p_ < s_.size() && s_[p_] != quote) {
            if (s_[p_] != L'\\') {
                ++p_;
                continue;
            }
            wchar_t e = p_ + 1 < s_.size() ? s_[p_ + 1] : L'\0';
            size_t need = e == L'x' ? 2 : e == L'u' ? 4 : 0;
            p_ += 2;
            for (size_t k = 0; k < need; ++k, ++p_)
                if (p_ >= s_.size() || !isHex(s_[p_])) {
                    p_ = start;
                    return bad(1);
                }
        }
        if (p_ >= s_.size()) {
            p_ = start;
            return bad(1);
        }
        ++p_;
        return take(Kind::kString, start);
    }

    std::wstring_view s_;
    size_t p_ = 0;
};

enum class Block { kFunction, kLoop, kSwitch, kIf, kPlain, kDo };

struct OpenBlock {
    Block kind;
    bool replaced = false; // opened by a line that was replaced by its braces
    bool caseSeen = false; // a switch that has had its first case
    std::wstring_view label;
};

// The blocks open between lines, with an undo log so a line that fails leaves them as they
// were before it.
class BlockStack {
public:
    void push(OpenBlock block) {
        if (block.replaced) ++replacedOpen_;
        blocks_.push_back(block);
        log_.push_back({true, block});
    }
    OpenBlock pop() {
        OpenBlock block = blocks_.back();
        blocks_.pop_back();
        if (block.replaced) --replacedOpen_;
        log_.push_back({false, block});
        return block;
    }
    void startLine() { log_.clear(); }
    void undoLine() {
        while (!log_.empty()) {
            auto [pushed, block] = log_.back();
            log_.pop_back();
            if (pushed) {
                blocks_.pop_back();
                if (block.replaced) --replacedOpen_;
            } else {
                blocks_.push_back(block);
                if (block.replaced) ++replacedOpen_;
            }
        }
    }
    size_t size() const { return blocks_.size(); }
    bool empty() const { return blocks_.empty(); }
    const OpenBlock& top() const { return blocks_.back(); }
    bool insideReplaced() const { return replacedOpen_ > 0; }
    // Whether the current line closed a block that a replaced line had opened.
    bool closedReplaced() const {
        for (const auto& [pushed, block] : log_)
            if (!pushed && block.replaced) return true;
        return false;
    }

    // Whether a statement may stand here: return inside a function, break inside a loop or
    // switch (or the labelled block), continue inside a loop.
    bool allows(std::wstring_view keyword, std::wstring_view label) const {
        for (size_t i = blocks_.size(); i-- > 0;) {
            const OpenBlock& b = blocks_[i];
            if (b.kind == Block::kFunction) return keyword == L"return";
            if (keyword == L"return") continue;
            if (!label.empty()) {
                if (b.label == label) return keyword == L"break" || b.kind == Block::kLoop;
                continue;
            }
            if (b.kind == Block::kLoop || b.kind == Block::kDo) return true;
            if (b.kind == Block::kSwitch && keyword == L"break") return true;
        }
        return false;
    }

private:
    std::vector<OpenBlock> blocks_;
    std::vector<std::pair<bool, OpenBlock>> log_;
    int replacedOpen_ = 0;
};

enum class Fault { kNone, kSyntax, kTooDeep };

// Parses one line as a sequence of statement pieces: whole statements, block headers ending
// in "{", block ends "}", and case labels. Blocks carry over to the next line.
class LineParser {
public:
    LineParser(const std::vector<Token>& tokens, BlockStack& blocks, bool& afterIf)
        : t_(tokens), blocks_(blocks), afterIf_(afterIf) {}

    Fault run() {
        while (fault_ == Fault::kNone && pos_ < t_.size()) piece();
        return fault_;
    }
    // The token where parsing failed (the last one when the line ended too early).
    std::wstring_view near() const {
        if (t_.empty()) return L"";
        return t_[std::min(failedAt_, t_.size() - 1)].text;
    }

private:
    bool at(std::wstring_view text) const {
        return pos_ < t_.size() &&
               (t_[pos_].kind == Kind::kPunct || t_[pos_].kind == Kind::kName) &&
               t_[pos_].text == text;
    }
    bool accept(std::wstring_view text) {
        if (!at(text)) return false;
        ++pos_;
        return true;
    }
    void expect(std::wstring_view text) {
        if (!accept(text)) fail();
    }
    void fail(Fault fault = Fault::kSyntax) {
        if (fault_ != Fault::kNone) return;
        fault_ = fault;
        failedAt_ = pos_;
    }
    bool ok() const { return fault_ == Fault::kNone; }
    bool atName() const {
        return pos_ < t_.size() && t_[pos_].kind == Kind::kName && !isReserved(t_[pos_].text);
    }
    void name() {
        if (!atName()) return fail();
        ++pos_;
    }

    void open(Block kind, std::wstring_view label = {}) {
        if (blocks_.size() >= static_cast<size_t>(kMaxNesting)) return fail(Fault::kTooDeep);
        blocks_.push({kind, false, false, label});
    }

    void piece();
    void statement(std::wstring_view label);
    void body(Block kind, std::wstring_view label);
    void closeBlock();
    void simpleEnd();
    void conditionInBrackets() {
        expect(L"(");
        if (ok()) expression();
        expect(L")");
    }
    void forHead();

    enum class Value { kPlace, kCall, kOther };
    void expression();
    Value assignment();
    Value binary(int minPrecedence);
    Value unary();
    Value postfix();
    Value primary();
    void list(std::wstring_view close);
    // Counts one more level of nesting; false when the limit is passed (or parsing failed
    // already), so that recursion stops there.
    bool enter() {
        if (++depth_ > kMaxNesting) fail(Fault::kTooDeep);
        return ok();
    }

    const std::vector<Token>& t_;
    BlockStack& blocks_;
    bool& afterIf_; // the last piece closed an if: an else may follow, also on the next line
    size_t pos_ = 0;
    size_t failedAt_ = 0;
    int depth_ = 0;
    Fault fault_ = Fault::kNone;
};

void LineParser::piece() {
    bool elseAllowed = afterIf_;
    afterIf_ = false;
    if (at(L"}")) return closeBlock();
    if (accept(L";")) return;
    if (at(L"else")) {
        if (!elseAllowed) return fail();
        ++pos_;
        if (at(L"if")) return statement({});
        return body(Block::kPlain, {});
    }
    if (at(L"case") || at(L"default")) {
        if (blocks_.empty() || blocks_.top().kind != Block::kSwitch) return fail();
        if (accept(L"case"))
            expression();
        else
            ++pos_;
        expect(L":");
        if (ok() && !blocks_.top().caseSeen) {
            OpenBlock block = blocks_.pop();
            block.caseSeen = true;
            blocks_.push(block);
        }
        return;
    }
    // A switch holds nothing but its cases.
    if (!blocks_.empty() && blocks_.top().kind == Block::kSwitch && !blocks_.top().caseSeen)
        return fail();
    std::wstring_view label;
    if (atName() && pos_ + 1 < t_.size() && t_[pos_ + 1].text == L":" &&
        t_[pos_ + 1].kind == Kind::kPunct) {
        label = t_[pos_].text;
        pos_ += 2;
        if (!(at(L"for") || at(L"while") || at(L"do"))) return fail();
    }
    statement(label);
}

void LineParser::closeBlock() {
    if (blocks_.empty()) return fail();
    ++pos_;
    OpenBlock block = blocks_.pop();
    if (block.kind == Block::kIf) afterIf_ = true;
    if (block.kind == Block::kDo) {
        expect(L"while");
        if (ok()) conditionInBrackets();
        if (ok()) simpleEnd();
    }
}

// A block header's body: "{" opens a block that later lines close; otherwise one statement
// on the same line.
void LineParser::body(Block kind, std::wstring_view label) {
    if (accept(L"{")) return open(kind, label);
    if (pos_ >= t_.size() || !enter()) return fail();
    size_t depthBefore = blocks_.size();
    open(kind, label);
    if (!ok()) return;
    statement({});
    if (!ok()) return;
    if (blocks_.size() != depthBefore + 1) return fail();
    blocks_.pop();
    --depth_;
    if (kind == Block::kIf) afterIf_ = true;
}

void LineParser::statement(std::wstring_view label) {
    if (accept(L"if")) {
        conditionInBrackets();
        if (ok()) body(Block::kIf, {});
    } else if (accept(L"while")) {
        conditionInBrackets();
        if (ok()) body(Block::kLoop, label);
    } else if (accept(L"for")) {
        forHead();
        if (ok()) body(Block::kLoop, label);
    } else if (accept(L"do")) {
        body(Block::kDo, label);
    } else if (accept(L"switch")) {
        conditionInBrackets();
        expect(L"{");
        if (ok()) open(Block::kSwitch, label);
    } else if (at(L"function") || at(L"async")) {
        // A procedure that waits for events is written as an async function.
        accept(L"async");
        expect(L"function");
        name();
        expect(L"(");
        if (ok() && !at(L")")) {
            // A parameter may have a default value, given when a call leaves it out.
            do {
                name();
                if (ok() && accept(L"=")) assignment();
            } while (ok() && accept(L","));
        }
        expect(L")");
        expect(L"{");
        if (ok()) open(Block::kFunction);
    } else if (accept(L"{")) {
        open(Block::kPlain, label);
    } else if (accept(L"var")) {
        do {
            name();
            if (ok() && accept(L"=")) assignment();
        } while (ok() && accept(L","));
        simpleEnd();
    } else if (at(L"return") || at(L"break") || at(L"continue")) {
        std::wstring_view keyword = t_[pos_++].text;
        std::wstring_view target;
        if (keyword != L"return" && atName())
            target = t_[pos_++].text;
        else if (keyword == L"return" && pos_ < t_.size() && !at(L";") && !at(L"}"))
            expression();
        if (ok() && !blocks_.allows(keyword, target)) return fail();
        simpleEnd();
    } else if (accept(L"throw")) {
        expression();
        simpleEnd();
    } else {
        expression();
        simpleEnd();
    }
}

// "for(init;condition;step)", each part optional; "var" allowed in the first.
void LineParser::forHead() {
    expect(L"(");
    if (!ok()) return;
    if (accept(L"var")) {
        do {
            name();
            if (ok() && accept(L"=")) assignment();
        } while (ok() && accept(L","));
    } else if (!at(L";")) {
        expression();
    }
    expect(L";");
    if (ok() && !at(L";")) expression();
    expect(L";");
    if (ok() && !at(L")")) expression();
    expect(L")");
}

// A statement ends at ";", at the end of the line, or before the "}" that closes its block.
void LineParser::simpleEnd() {
    if (!ok()) return;
    if (pos_ >= t_.size() || accept(L";") || at(L"}")) return;
    fail();
}

void LineParser::expression() {
    do assignment();
    while (ok() && accept(L","));
}

namespace {

bool isAssignment(std::wstring_view op) {
    for (std::wstring_view a : {L"=", L"+=", L"-=", L"*=", L"/=", L"%=", L"&=", L"|=", L"^=",
                                L"<<=", L">>=", L">>>=", L"**="})
        if (op == a) return true;
    return false;
}

int precedence(const Token& token) {
    std::wstring_view op = token.text;
    if (token.kind == Kind::kName) return op == L"instanceof" || op == L"in" ? 7 : 0;
    if (token.kind != Kind::kPunct) return 0;
    struct Level {
        std::wstring_view op;
        int level;
    };
    static constexpr std::array<Level, 21> kLevels = {{
        {L"||", 1},  {L"&&", 2},  {L"|", 3}, {L"^", 4},  {L"&", 5},  {L"==", 6}, {L"!=", 6},
        {L"===", 6}, {L"!==", 6}, {L"<", 7}, {L"<=", 7}, {L">", 7},  {L">=", 7}, {L"<<", 8},
        {L">>", 8},  {L">>>", 8}, {L"+", 9}, {L"-", 9},  {L"*", 10}, {L"/", 10}, {L"%", 10},
    }};
    for (const auto& l : kLevels)
        if (l.op == op) return l.level;
    return op == L"**" ? 11 : 0;
}

} // namespace

LineParser::Value LineParser::assignment() {
    if (!enter()) return Value::kOther;
    Value left = binary(1);
    if (ok() && accept(L"?")) {
        assignment();
        expect(L":");
        if (ok()) assignment();
        left = Value::kOther;
    } else if (ok() && pos_ < t_.size() && t_[pos_].kind == Kind::kPunct &&
               isAssignment(t_[pos_].text)) {
        if (left != Value::kPlace) fail();
        ++pos_;
        if (ok()) assignment();
        left = Value::kOther;
    }
    --depth_;
    return left;
}

LineParser::Value LineParser::binary(int minPrecedence) {
    Value left = unary();
    while (ok() && pos_ < t_.size()) {
        int level = precedence(t_[pos_]);
        if (level == 0 || level < minPrecedence) break;
        ++pos_;
        binary(level == 11 ? level : level + 1);
        left = Value::kOther;
    }
    return left;
}

LineParser::Value LineParser::unary() {
    if (!ok()) return Value::kOther;
    if (pos_ >= t_.size()) {
        fail();
        return Value::kOther;
    }
    const Token& token = t_[pos_];
    bool prefix = token.kind == Kind::kPunct && (token.text == L"!" || token.text == L"~" ||
                                                 token.text == L"+" || token.text == L"-");
    bool word = token.kind == Kind::kName && (token.text == L"typeof" || token.text == L"void" ||
                                              token.text == L"delete" || token.text == L"await");
    bool step = token.kind == Kind::kPunct && (token.text == L"++" || token.text == L"--");
    if (!prefix && !word && !step) return postfix();
    ++pos_;
    if (!enter()) return Value::kOther;
    Value operand = unary();
    --depth_;
    if (step && operand != Value::kPlace) fail();
    return Value::kOther;
}

LineParser::Value LineParser::postfix() {
    Value value = primary();
    while (ok() && pos_ < t_.size()) {
        if (accept(L".")) {
            if (pos_ >= t_.size() || t_[pos_].kind != Kind::kName) fail();
            ++pos_;
            value = Value::kPlace;
        } else if (accept(L"[")) {
            if (!enter()) break;
            expression();
            --depth_;
            expect(L"]");
            value = Value::kPlace;
        } else if (accept(L"(")) {
            list(L")");
            value = Value::kCall;
        } else {
            break;
        }
    }
    if (ok() && (at(L"++") || at(L"--"))) {
        if (value != Value::kPlace) fail();
        ++pos_;
        value = Value::kOther;
    }
    return value;
}

// Arguments or array elements up to the closing bracket.
void LineParser::list(std::wstring_view close) {
    if (!enter()) return;
    while (ok() && !at(close)) {
        assignment();
        if (ok() && !accept(L",")) break;
    }
    --depth_;
    expect(close);
}

LineParser::Value LineParser::primary() {
    if (pos_ >= t_.size()) {
        fail();
        return Value::kOther;
    }
    const Token& token = t_[pos_];
    if (token.kind == Kind::kNumber || token.kind == Kind::kString) {
        ++pos_;
        return Value::kOther;
    }
    if (token.kind == Kind::kName) {
        if (token.text == L"this" || token.text == L"true" || token.text == L"false" ||
            token.text == L"null") {
            ++pos_;
            return Value::kOther;
        }
        if (token.text == L"new") {
            ++pos_;
            name();
            if (ok() && accept(L"(")) list(L")");
            return Value::kOther;
        }
        name();
        return Value::kPlace;
    }
    if (accept(L"(")) {
        if (!enter()) return Value::kOther;
        expression();
        --depth_;
        expect(L")");
        return Value::kOther;
    }
    if (accept(L"[")) {
        list(L"]");
        return Value::kOther;
    }
    fail();
    return Value::kOther;
}

// The braces of a line outside its string literals, in order.
std::wstring bracesOf(std::wstring_view line) {
    std::wstring braces;
    wchar_t quote = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        wchar_t c = line[i];
        if (quote != 0) {
            if (c == L'\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == L'"' || c == L'\'') {
            quote = c;
        } else if (c == L'{' || c == L'}') {
            braces.push_back(c);
        }
    }
    return braces;
}

// Source lines that already have an error.
std::set<int> linesWithErrors(const Diagnostics& diag) {
    std::set<int> lines;
    for (const Diagnostic& record : diag.records())
        if (long long n = record.programLine(); n > 0 && n < (1LL << 30))
            lines.insert(static_cast<int>(n));
    return lines;
}

class ScriptChecker {
public:
    ScriptChecker(std::vector<int>& lineNumbers, Diagnostics& diag)
        : lineNumbers_(lineNumbers), diag_(diag), reported_(linesWithErrors(diag)) {}

    void check(std::vector<std::wstring>& lines) {
        for (size_t i = 0; i < lines.size(); ++i) checkLine(lines[i], lineOf(i));
        // Blocks left open at the end would make the whole script fail: close them.
        std::wstring closing;
        bool unexplained = false;
        while (!blocks_.empty()) {
            OpenBlock block = blocks_.pop();
            if (!block.replaced) unexplained = true;
            closing += closingOf(block);
        }
        if (closing.empty()) return;
        int last = lineOf(lines.size() - 1);
        lines.push_back(closing);
        lineNumbers_.resize(lines.size(), last);
        if (unexplained) report(message::syntaxError(lineOrNone(last), L"end of program"));
    }

private:
    int lineOf(size_t i) const { return i < lineNumbers_.size() ? lineNumbers_[i] : 0; }

    std::vector<Token> tokens_; // of the line being checked

    void checkLine(std::wstring& line, int sourceLine) {
        blocks_.startLine();
        if (excessBraces_ == 0) {
            bool afterIf = afterIf_;
            Lexer(line).run(tokens_);
            LineParser parser(tokens_, blocks_, afterIf_);
            Fault fault = parser.run();
            if (fault == Fault::kNone) {
                afterReplaced_ = blocks_.closedReplaced();
                return;
            }
            blocks_.undoLine();
            afterIf_ = afterIf;
            if (!blocks_.insideReplaced() && !afterReplaced_) {
                if (fault == Fault::kTooDeep)
                    reportTooDeep(sourceLine);
                else
                    report(message::syntaxError(lineOrNone(sourceLine), shortened(parser.near())));
            }
        }
        line = keepBraces(line);
        afterIf_ = false;
    }

    static std::wstring_view shortened(std::wstring_view text) { return text.substr(0, 20); }

    // A do-block must end with its test, or the brace alone breaks the script.
    static std::wstring_view closingOf(const OpenBlock& block) {
        return block.kind == Block::kDo ? L"}while(0);" : L"}";
    }

    // Replaces a line by its braces, applied to the open blocks: "}else{" becomes "}{". A
    // brace that would close nothing is dropped; a block beyond the nesting limit, or
    // directly in a switch, is dropped with everything up to its closing brace.
    std::wstring keepBraces(std::wstring_view line) {
        std::wstring kept;
        afterReplaced_ = false;
        for (wchar_t brace : bracesOf(line)) {
            if (brace == L'{') {
                // A block cannot stand in a switch before a case: it goes with its content.
                if (excessBraces_ > 0 || blocks_.size() >= static_cast<size_t>(kMaxNesting) ||
                    (!blocks_.empty() && blocks_.top().kind == Block::kSwitch &&
                     !blocks_.top().caseSeen)) {
                    ++excessBraces_;
                    continue;
                }
                blocks_.push({Block::kPlain, true, false, {}});
            } else if (excessBraces_ > 0) {
                --excessBraces_;
                continue;
            } else if (!blocks_.empty()) {
                OpenBlock block = blocks_.pop();
                afterReplaced_ = block.replaced;
                kept += closingOf(block);
                continue;
            } else {
                continue;
            }
            kept.push_back(brace);
        }
        return kept;
    }

    // One message per source line; a line the program does not know is named by none.
    static long long lineOrNone(int sourceLine) {
        return sourceLine > 0 ? sourceLine : Diagnostic::kNoLine;
    }

    void report(Diagnostic record) {
        if (record.line > 0 && !reported_.insert(static_cast<int>(record.line)).second) return;
        diag_.error(std::move(record));
    }

    void reportTooDeep(int sourceLine) {
        if (tooDeepReported_) return;
        tooDeepReported_ = true;
        report(message::atLine(lineOrNone(sourceLine), L"nesting too deep"));
    }

    std::vector<int>& lineNumbers_;
    Diagnostics& diag_;
    std::set<int> reported_;
    BlockStack blocks_;
    bool afterIf_ = false;
    bool afterReplaced_ = false; // the last brace closed a replaced block ("}" then "else{")
    size_t excessBraces_ = 0;
    bool tooDeepReported_ = false;
};

} // namespace

void checkScriptLines(std::vector<std::wstring>& lines, std::vector<int>& lineNumbers,
                      Diagnostics& diag) {
    ScriptChecker(lineNumbers, diag).check(lines);
}

} // namespace qc
