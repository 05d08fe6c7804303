#pragma once
// First step of compaction: the script lines become statements. Comments, Tab characters and
// the blanks that no word needs are dropped; strings keep everything.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// Statements side by side in one text, so a long script costs no allocation per statement.
class StatementList {
public:
    StatementList() = default;
    StatementList(std::initializer_list<std::wstring_view> statements) {
        for (auto s : statements) add(s);
    }
    void add(std::wstring_view statement) {
        text_.append(statement);
        ends_.push_back(text_.size());
    }
    size_t size() const { return ends_.size(); }
    std::wstring_view operator[](size_t i) const {
        size_t start = i == 0 ? 0 : ends_[i - 1];
        return std::wstring_view(text_).substr(start, ends_[i] - start);
    }
    size_t characterCount() const { return text_.size(); }
    void clear() {
        text_.clear();
        ends_.clear();
    }
    void reserve(size_t statementCount, size_t characterCount) {
        ends_.reserve(statementCount);
        text_.reserve(characterCount);
    }

private:
    std::wstring text_;
    std::vector<size_t> ends_;
};

// The text without the blanks around it. Asked for every statement twice, so it looks at the
// characters itself rather than searching a set.
inline std::wstring_view trimBlanks(std::wstring_view text) {
    size_t start = 0;
    size_t end = text.size();
    while (start < end && text[start] == L' ') ++start;
    while (end > start && text[end - 1] == L' ') --end;
    return text.substr(start, end - start);
}

// One statement per element, in script order. A ";" splits only outside strings and
// parentheses (so "for(i=0;i<n;i++){" stays whole), a blank after "{" splits too (so
// "if(x){ y=1; }" gives "if(x){", "y=1" and "}"), "//" outside strings ends the line.
StatementList splitStatements(const std::vector<std::wstring>& scriptLines);

// Appends the statements of one line; piece is a working buffer kept between calls.
void splitLine(std::wstring_view rawLine, StatementList& statements, std::wstring& piece);

// Whether a blank between two characters carries meaning. It does not next to an operator
// ("a = b" is "a=b"), except between two equal signs: "a - -1" must not become the decrement
// "a--1". The set before the blank differs between the splitter and the tokenizer.
bool blankIsKept(wchar_t before, wchar_t after, std::wstring_view dropAfter);

} // namespace qc
