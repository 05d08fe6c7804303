#include "compaction/split_statements.h"

#include "common/text.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

std::string joined(const StatementList& statements) {
    std::string out;
    for (size_t i = 0; i < statements.size(); ++i)
        out += std::string(statements[i].begin(), statements[i].end()) + "\n";
    return out;
}

TEST(SplitStatements, OneLineAtATime) {
    struct Case {
        const wchar_t* line;
        StatementList statements;
    };
    const Case cases[] = {
        {L"a = b; // c", {L"a=b"}},
        {L"x=\"a;b // c\"; y=1", {L"x=\"a;b // c\"", L"y=1"}},
        {L"for(i=0;i<n;i++){", {L"for(i=0;i<n;i++){"}},
        {L"if(x){ y=1; }", {L"if(x){", L"y=1", L"}"}},
        {L"\t\treturn  total ;\t", {L"return total"}},
        {L"a = b + c * (d - e)", {L"a=b+c*(d-e)"}},
        {L"if (a < b) {", {L"if(a< b){"}},
        {L"x = \"  two  blanks  \"", {L"x=\"  two  blanks  \""}},
        {L"// only a comment", {}},
        {L"   ", {}},
        {L";;;", {}},
        {L"f(a;b); g()", {L"f(a;b)", L"g()"}},
        {L"a = b - -1", {L"a=b- -1"}},
        {L"a = b + +c", {L"a=b+ +c"}},
        {L"x=\"open", {L"x=\"open"}},
        {L"a=1 //x\"y", {L"a=1"}},
        {L"u=\"http://q\"; v=2", {L"u=\"http://q\"", L"v=2"}},
    };
    for (const auto& c : cases) {
        StatementList got;
        std::wstring piece;
        splitLine(c.line, got, piece);
        EXPECT_EQ(joined(got), joined(c.statements)) << toUtf8(c.line);
    }
}

TEST(SplitStatements, LinesAppendInOrder) {
    StatementList got = splitStatements({L"a=1;b=2", L"", L"c=3"});
    EXPECT_EQ(joined(got), "a=1\nb=2\nc=3\n");
}

} // namespace
} // namespace qc
