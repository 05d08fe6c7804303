#include "compaction/dead_functions.h"
#include "compaction/tokenize_script.h"

#include "common/text.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

// "KIND:text" for every token, the kind tag without its padding; "#END#" alone.
std::string dump(const TokenSequence& tokens) {
    std::wstring out;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!out.empty()) out += L' ';
        std::wstring_view tag = trim(kindTag(tokens.kind(i)));
        out.append(tag);
        if (tokens.kind(i) != kEnd) out += L":" + std::wstring(tokens.text(i));
    }
    return toUtf8(out);
}

std::string tokenize(const StatementList& statements, Diagnostics& diag) {
    return dump(tokenizeStatements(statements, diag).tokens);
}

// A token keeps a character of its own, a name, or a text in the pool, in one word beside its
// kind: each comes back as appended, one token after another of every sort, and a change of
// kind leaves the rest as it was.
TEST(TokenizeScript, TheSequenceGivesBackEveryTokenAsAppended) {
    struct Row {
        int kind;
        std::wstring text;
        wchar_t single; // expected
        bool named;
    };
    const std::vector<Row> rows = {
        {kOp, L"(", L'(', false},
        {kVar, L"a", L'\0', true},
        {kOp, L"\U0001F600", L'\0', false},
        {kText, L"\"x\"", L'\0', false},
        {kEnd, L"\u00A7", L'\u00A7', false},
        {kProc, L".Event", L'\0', true},
        {kVar, L"-Event", L'\0', true},
        {kVar, L".", L'\0', false},
        {kCommand, L"x", L'x', false},
        {kOp, L"\uFFFF", L'\uFFFF', false},
        {kNumber, L"12", L'\0', false},
        {kOp, L" ", L' ', false},
    };
    TokenSequence tokens;
    for (const Row& row : rows) tokens.append(row.kind, row.text);
    ASSERT_EQ(tokens.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(tokens.kind(i), rows[i].kind) << i;
        EXPECT_EQ(tokens.text(i), rows[i].text) << i;
        EXPECT_EQ(tokens.single(i), rows[i].single) << i;
        EXPECT_EQ(tokens.nameId(i) != TokenSequence::kNoName, rows[i].named) << i;
    }
    // ".Event" and "-Event" are one name; "a" another.
    EXPECT_EQ(tokens.nameId(5), tokens.nameId(6));
    EXPECT_NE(tokens.nameId(1), tokens.nameId(5));
    EXPECT_EQ(tokens.nameCount(), 2u);
    EXPECT_EQ(tokens.name(tokens.nameId(5)), L"Event");
    for (size_t i = 0; i < rows.size(); ++i) {
        tokens.setKind(i, kEmpty);
        EXPECT_EQ(tokens.kind(i), kEmpty) << i;
        EXPECT_EQ(tokens.text(i), rows[i].text) << i;
        EXPECT_EQ(tokens.nameId(i) != TokenSequence::kNoName, rows[i].named) << i;
    }
    tokens.setKind(1, kProc);
    EXPECT_EQ(tokens.kind(1), kProc);
    EXPECT_EQ(tokens.name(tokens.nameId(1)), L"a");
}

TEST(TokenizeScript, KindsOfWords) {
    struct Case {
        const wchar_t* statement;
        const char* tokens;
    };
    const Case cases[] = {
        {L"c=0xff", "VAR:c OP:= NUMB:255 #END#"},
        {L"x=\"ab\"+y", "VAR:x OP:= TEXT:\"ab\" OP:+ VAR:y #END#"},
        {L"x=\"\"", "VAR:x OP:= TEXT:\"\" #END#"},
        {L"a==b", "VAR:a OP:== VAR:b #END#"},
        {L"x=-1", "VAR:x OP:= NUMB:-1 #END#"},
        {L"a-1", "VAR:a OP:- NUMB:1 #END#"},
        {L"x=-y", "VAR:x OP:= VAR:-y #END#"},
        {L"Math.floor(v)", "COMND:Math.floor OP:( VAR:v OP:) #END#"},
        {L"canvas.width=2.5", "VAR:canvas COMND:.width OP:= FLOAT:2.5 #END#"},
        {L"n=a[i].length", "VAR:n OP:= VAR:a OP:[ VAR:i OP:] COMND:.length #END#"},
        {L"o.Event=Event", "VAR:o VAR:.Event OP:= VAR:Event #END#"},
        {L"e.style.left=e.style.cursor",
         "VAR:e COMND:.style.left OP:= VAR:e VAR:.style VAR:.cursor #END#"},
        {L"return x", "COMND:return OP:  VAR:x #END#"},
        {L"if(a < b){", "COMND:if OP:( VAR:a OP:< VAR:b OP:) OP:{ #END#"},
        {L"i=new Image()", "VAR:i OP:= COMND:new OP:  COMND:Image OP:( OP:) #END#"},
        {L"image=alert", "VAR:image OP:= VAR:alert #END#"},
        {L"DOCUMENT.x=Window.y", "COMND:DOCUMENT.x OP:= COMND:Window.y #END#"},
        {L"a=b!=c&&!d", "VAR:a OP:= VAR:b OP:! OP:= VAR:c OP:& OP:& OP:! VAR:d #END#"},
        {L"q=a?b:c", "VAR:q OP:= VAR:a OP:? VAR:b OP:: VAR:c #END#"},
        {L"r=a- -1", "VAR:r OP:= VAR:a OP:- OP:  NUMB:-1 #END#"},
        {L"s=\"a\"", "VAR:s OP:= TEXT:\"a\" #END#"},
        {L"f(\"a\",\"b\")", "VAR:f OP:( TEXT:\"a\" OP:, TEXT:\"b\" OP:) #END#"},
        {L"x=$ff", "VAR:x OP:= NUMB:$ff #END#"},
        {L"}", "OP:} #END#"},
        {L"a[1]", "VAR:a OP:[ NUMB:1 OP:] #END#"},
        {L"t=\"a\u00A7b\"", "VAR:t OP:= TEXT:\"a\u00A7b\" #END#"},
        {L"y=-(x)", "VAR:y OP:= OP:- OP:( VAR:x OP:) #END#"},
        {L"z=-Math.PI*-p.q", "VAR:z OP:= COMND:-Math.PI OP:* OP:- VAR:p VAR:.q #END#"},
    };
    for (const auto& c : cases) {
        Diagnostics diag;
        EXPECT_EQ(tokenize({c.statement}, diag), c.tokens) << toUtf8(c.statement);
        EXPECT_FALSE(diag.errorFlag()) << toUtf8(c.statement);
    }
}

TEST(TokenizeScript, FunctionsAndTheirUse) {
    Diagnostics diag;
    ScanResult scan = tokenizeStatements({L"g()", L"function f(a){", L"return a", L"}",
                                          L"function g(){", L"g()", L"}", L"function Used(){", L"}",
                                          L"x=used", L"var h=function(b){", L"}"},
                                         diag);
    EXPECT_EQ(
        dump(scan.tokens).rfind("PROC:g OP:( OP:) #END# COMND:function OP:  PROC:f OP:( VAR:a", 0),
        0u);
    EXPECT_EQ(scan.functions.size(), 3u); // the anonymous function has no name to enter
    // A use before the declaration and one in another letter case are function names too.
    EXPECT_NE(dump(scan.tokens).find("PROC:g OP:( OP:) #END# OP:}"), std::string::npos);
    EXPECT_NE(dump(scan.tokens).find("PROC:used #END#"), std::string::npos);
    EXPECT_NE(dump(scan.tokens).find("VAR:b"), std::string::npos);
    markReachableCode(scan.tokens, scan.declarations, scan.functions);
    EXPECT_EQ(scan.functions.at(L"f"), 0);
    EXPECT_EQ(scan.functions.at(L"g"), 1);
    EXPECT_EQ(scan.functions.at(L"used"), 1); // the table ignores letter case
}

TEST(TokenizeScript, HexadecimalRewriting) {
    // clang-format off
    const std::pair<const wchar_t*, const char*> cases[] = {
        {L"0xff", "255"}, {L"0X1F", "31"}, {L"0x7fffffffffffffff", "9223372036854775807"},
        {L"0xffffffffffffffff", "-1"}, {L"0x1ffffffffffffffff", "-1"}, {L"0x", nullptr},
        {L"0xg1", nullptr}, {L"0x1.5", nullptr}, {L"10", nullptr}, {L"x0ff", nullptr},
    };
    // clang-format on
    for (const auto& [word, expected] : cases) {
        std::optional<std::wstring> got = hexadecimalToDecimal(word);
        if (expected == nullptr) {
            EXPECT_FALSE(got.has_value()) << toUtf8(word);
        } else {
            EXPECT_EQ(toUtf8(got.value_or(L"?")), expected) << toUtf8(word);
        }
    }
}

TEST(TokenizeScript, UnknownWordsAreReportedAndPassedThrough) {
    struct Case {
        const wchar_t* statement;
        const char* tokens;
        const char* report;
    };
    const Case cases[] = {
        {L"x='a'", "VAR:x OP:= UNKNW:'a' #END#", "JSL unknow 'a'\u00A7 4 check 'a'"},
        {L"y=a#b;", "VAR:y OP:= UNKNW:a#b OP:; #END#", "JSL unknow a#b; 4 check a#b"},
        {L"z=\"open(", "VAR:z OP:= UNKNW:\"open( #END#",
         "JSL unknow \"open(\u00A7 7 check \"open("},
        {L"w=0xzz", "VAR:w OP:= UNKNW:0xzz #END#", "JSL unknow 0xzz\u00A7 5 check 0xzz"},
    };
    for (const auto& c : cases) {
        CollectingSink sink;
        Diagnostics diag(&sink);
        EXPECT_EQ(tokenize({c.statement}, diag), c.tokens) << toUtf8(c.statement);
        ASSERT_EQ(sink.lines.size(), 1u) << toUtf8(c.statement);
        EXPECT_EQ(toUtf8(sink.lines[0]), c.report);
        EXPECT_TRUE(diag.errorFlag());
    }
}

TEST(TokenizeScript, WithoutLogTheErrorFlagIsStillSet) {
    Diagnostics diag(nullptr);
    tokenize({L"x='a'", L"y=1"}, diag);
    EXPECT_TRUE(diag.errorFlag());
    EXPECT_EQ(diag.errors().size(), 1u);
}

TEST(TokenizeScript, EmptyWordsAreNotUnknown) {
    Diagnostics diag;
    EXPECT_EQ(tokenize({L"for(;;){"}, diag), "COMND:for OP:( OP:; OP:; OP:) OP:{ #END#");
    EXPECT_FALSE(diag.errorFlag());
}

// Lines read one at a time with their source lines give the tokens of the whole script cut
// into statements with a marker before each change of source line (none for line 0, none
// again for a repeated line, line 0 past the end of the numbers).
TEST(TokenizeScript, LinesWithSourceLinesCarryMarkers) {
    struct Case {
        std::vector<std::wstring> lines;
        std::vector<int> sourceLines;
        std::vector<std::wstring_view> statements;
    };
    const Case cases[] = {
        {{L"a=1;b=2", L"c=3"}, {4, 4}, {L"\"qlcx-line 4\"", L"a=1", L"b=2", L"c=3"}},
        {{L"a=1", L"b=2", L"c=3"},
         {0, 7, 0},
         {L"a=1", L"\"qlcx-line 7\"", L"b=2", L"\"qlcx-line 0\"", L"c=3"}},
        {{L"if(x){ y=1; }", L"z=2"},
         {3},
         {L"\"qlcx-line 3\"", L"if(x){", L"y=1", L"}", L"\"qlcx-line 0\"", L"z=2"}},
        {{L"\tf( a , b );// note", L""}, {2, 2}, {L"\"qlcx-line 2\"", L"f(a,b)"}},
    };
    for (const Case& c : cases) {
        Diagnostics byLines, byStatements;
        StatementList statements;
        for (std::wstring_view s : c.statements) statements.add(s);
        EXPECT_EQ(dump(tokenizeLines(c.lines, &c.sourceLines, byLines).tokens),
                  tokenize(statements, byStatements))
            << toUtf8(c.lines[0]);
    }
    Diagnostics diag;
    EXPECT_EQ(dump(tokenizeLines({L"a=1;b=2"}, nullptr, diag).tokens),
              "VAR:a OP:= NUMB:1 #END# VAR:b OP:= NUMB:2 #END#");
}

} // namespace
} // namespace qc
