#include "translator/source/source_reader.h"

#include "common/text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace qc {
namespace {

using Lines = std::vector<std::wstring>;

std::wstring marker(long long line) {
    return L"\u00B0line" + std::to_wstring(line);
}

// The statements of a result as "N:text", one per statement, for readable table rows.
Lines numberedStatements(const Lines& list) {
    Lines out;
    for (size_t i = 0; i + 1 < list.size(); i += 2)
        out.push_back(list[i].substr(5) + L":" + list[i + 1]);
    return out;
}

struct ReaderCase {
    const char* name;
    std::wstring source;
    Lines statements; // "line:statement"
    Lines errors = {};
};

const ReaderCase kCases[] = {
    {"colons and a comment", L"\n\n\n\n\n\na = 1 : b = 2 ; note", {L"7:a=1", L"7:b=2"}},
    {"a module item is one word, not a label and a statement",
     L"M::Foo(1) : x = M::#Max:Start:\nDebug \"a::b\"",
     {L"1:M::Foo(1)", L"1:x=M::#Max", L"1:Start", L"2:Debug \"a::b\""}},
    {"a string literal protects colon, semicolon and blanks",
     L"Debug \"a : b ; c  d\" : x = 1",
     {L"1:Debug \"a : b ; c  d\"", L"1:x=1"}},
    {"blanks that carry meaning stay",
     L"If a < b\nx = (a + b) * 2\nFoo (1)\ny = a & b . c\n(a) b",
     {L"1:If a < b", L"2:x=(a+b)*2", L"3:Foo(1)", L"4:y=a & b . c", L"5:(a) b"}},
    {"lines without code", L"  : :  :\n; comment\n   \n\t; x", {}},
    {"without files to read, an include stays for the language pass to report (it knows the "
     "branches taken); a name that only begins alike is none",
     L"IncludeFile \"x.pbi\" : a = 1\nXINCLUDEFILE \"y\" + \".pbi\"\nIncludeFiles = 2\nIncludeFile "
     L"x$",
     {L"1:IncludeFile \"x.pbi\"", L"1:a=1", L"2:IncludeFile \"y.pbi\"", L"3:IncludeFiles=2"},
     {L"line 4: not supported: IncludeFile without a file name as text"}},
    {"a line that ends in an operator or a comma goes on; the statement keeps the first number",
     L"x = 1 +\n  2 * ; note\n3\nFoo(a,\nb) : c = 1\nIf a And\nb\nd = 1",
     {L"1:x=1+2*3", L"4:Foo(a,b)", L"4:c=1", L"6:If a And b", L"8:d=1"}},
    {"no continuation after a string, a name, a separator or a lone operator",
     L"a$ = \"x +\"\nb = c\nd = 1 :\n-\ne = 2 -",
     {L"1:a$=\"x +\"", L"2:b=c", L"3:d=1", L"4:-", L"5:e=2-"}},
    {"a dropped line ends a continuation",
     L"x = 1 +\ny\x1B\nz = 2",
     {L"1:x=1+", L"3:z=2"},
     {L"line 2  column 2 error unknow character($1B)!"}},
    {"the compiler's names of the file in code",
     L"Debug #PB_Compiler_Line : f$ = #pb_compiler_file\n",
     {L"1:Debug 1", L"1:f$=\"\""}},
    {"empty text", L"", {}},
    {"every kind of line end counts a line",
     L"a\rb\r\nc\nd\r\re\n",
     {L"1:a", L"2:b", L"3:c", L"4:d", L"6:e"}},
    {"a zero character is no line end but reported",
     std::wstring(L"a\nd") + L'\0' + L"e\nf",
     {L"1:a", L"3:f"},
     {L"line 2  column 2 error unknow character($0)!"}},
    {"tabs indent like blanks, but stay inside strings",
     L"\tIf a\t=\t1\n\t\tDebug \"x\ty\"\t\nRepeat\t",
     {L"1:If a=1", L"2:Debug \"x\ty\"", L"3:Repeat"}},
    {"an unclosed string literal ends with its line",
     L"Debug \"abc : d ; e\nb = 1 : c = 2",
     {L"1:Debug \"abc : d ; e", L"2:b=1", L"2:c=2"}},
    {"the order 27, 28, 12, 26 decides which code is reported",
     L"a = 1\nb\x0C = \x1B 2\n\x1A\x1C\nc = 3",
     {L"1:a=1", L"4:c=3"},
     {L"line 2  column 6 error unknow character($1B)!",
      L"line 3  column 2 error unknow character($1C)!"}},
    {"the column is the first occurrence in the line as read",
     L"   x = \x0C\x0C",
     {},
     {L"line 1  column 8 error unknow character($C)!"}},
    {"marker characters are forbidden in code only",
     L"Debug \"50\u00B0 \u00A7\" ; 3\u00B0\na\u00B0line2 = 1\n\u00A7x = 1",
     {L"1:Debug \"50\u00B0 \u00A7\""},
     {L"line 2  column 2 error unknow character($B0)!",
      L"line 3  column 1 error unknow character($A7)!"}},
};

TEST(ReadSource, Cases) {
    for (const ReaderCase& c : kCases) {
        CollectingSink sink;
        Diagnostics diag(&sink);
        Lines got = readSource(c.source, diag);
        EXPECT_EQ(numberedStatements(got), c.statements) << c.name;
        EXPECT_EQ(diag.errors(), c.errors) << c.name;
        EXPECT_EQ(sink.lines, c.errors) << c.name;
        EXPECT_EQ(diag.errorFlag(), !c.errors.empty()) << c.name;
    }
}

TEST(ReadSource, WithoutLogTheMessageOnlyGoesToTheErrorList) {
    Diagnostics diag(nullptr);
    readSource(L"a\x1B", diag);
    EXPECT_EQ(diag.errors(), Lines{L"line 1  column 2 error unknow character($1B)!"});
}

// Bytes as they come from a file: decoded, then read.
TEST(ReadSource, DecodedFiles) {
    struct Case {
        std::string bytes;
        Lines expected;
        std::vector<long long> strayLines = {};
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF"
         "a = 1",
         {L"1:a=1"}},
        {"Debug \"Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\"", {L"1:Debug \"Gr\u00FC\u00DF\u20AC\""}},
        // Not UTF-8: every byte is a Windows-1252 character, none is lost.
        {"Debug \"Gr\xFC\xDF\x80\"", {L"1:Debug \"Gr\u00FC\u00DF\u20AC\""}},
        // UTF-8 but for one stray byte: the letters stay letters, the stray byte is listed.
        {"a$ = \"\xC3\xA9t\xC3\xA9\"\r\n; \xE9\r\nb = 1",
         {L"1:a$=\"\u00E9t\u00E9\"", L"3:b=1"},
         {2}},
        // UTF-16 in both byte orders, with a character beyond the first plane.
        {std::string("\xFF\xFE"
                     "a\0=\0\"\0\x3D\xD8\x00\xDE\"\0\n\0b\0",
                     18),
         {L"1:a=\"\U0001F600\"", L"2:b"}},
        {std::string("\xFE\xFF\0a\0=\0\"\xD8\x3D\xDE\x00\0\"\0\n\0b", 18),
         {L"1:a=\"\U0001F600\"", L"2:b"}},
    };
    for (const auto& c : cases) {
        Diagnostics diag;
        std::vector<StrayByte> strays;
        EXPECT_EQ(numberedStatements(readSource(decodeSourceBytes(c.bytes, &strays), diag)),
                  c.expected)
            << c.bytes;
        EXPECT_TRUE(diag.errors().empty()) << c.bytes;
        std::vector<long long> strayLines;
        for (const auto& stray : strays) strayLines.push_back(stray.line);
        EXPECT_EQ(strayLines, c.strayLines) << c.bytes;
    }
}

// The page's byte counts come from utf8Size, which must agree with the bytes written, also
// for characters that have no UTF-8 form of their own.
TEST(Utf8, SizeMatchesEncoding) {
    for (std::wstring text : {std::wstring(L"aü€"), std::wstring(1, wchar_t(0x1F600)),
                              std::wstring(1, wchar_t(0xD800)), std::wstring(1, wchar_t(0x110000))})
        EXPECT_EQ(utf8Size(text), toUtf8(text).size());
    EXPECT_EQ(toUtf8(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(ReadSource, LargeInputs) {
    std::wstring manyLines;
    for (int i = 0; i < 100000; ++i) manyLines += L"x" + std::to_wstring(i) + L" = 1\r\n";
    Diagnostics diag;
    Lines got = readSource(manyLines, diag);
    ASSERT_EQ(got.size(), 200000u);
    EXPECT_EQ(got[199998], marker(100000));
    EXPECT_EQ(got[199999], L"x99999=1");

    std::wstring longLine(1 << 20, L'a');
    longLine[1000] = L':';
    longLine[500000] = L'"';
    got = readSource(longLine, diag);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[1].size(), 1000u);
    EXPECT_EQ(got[3].size(), longLine.size() - 1001);
}

// Whatever the bytes, the result alternates markers and statements; a statement is never
// empty, has no blank or tab at either end, holds no line end and is never a comment.
TEST(ReadSource, AnyBytesGiveAWellFormedList) {
    std::mt19937 random(20240611);
    const std::string alphabet = std::string("ab :;\"\t\r\n\x1B\x0C(),=+-") + '\0' + "\xB0\xC3";
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i)
            bytes.push_back(round % 2 == 0 ? alphabet[random() % alphabet.size()]
                                           : static_cast<char>(random() % 256));
        Diagnostics diag;
        Lines got = readSource(decodeSourceBytes(bytes), diag);
        ASSERT_EQ(got.size() % 2, 0u);
        long long previousLine = 0;
        for (size_t i = 0; i < got.size(); i += 2) {
            ASSERT_TRUE(startsWith(got[i], L"\u00B0line"));
            long long line = parseDecimal(std::wstring_view(got[i]).substr(5));
            EXPECT_GE(line, previousLine);
            previousLine = line;
            const std::wstring& s = got[i + 1];
            ASSERT_FALSE(s.empty());
            EXPECT_EQ(trim(s, L" \t").size(), s.size());
            EXPECT_EQ(s.find_first_of(std::wstring_view(L"\r\n\0", 3)), std::wstring::npos);
            EXPECT_NE(s.front(), L';');
        }
    }
}

} // namespace
} // namespace qc
