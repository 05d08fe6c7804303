#include "common/diagnostics.h"
#include "vocabulary/statement_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qc {
namespace {

Diagnostic inFile(Diagnostic record, std::wstring file) {
    record.file = std::move(file);
    return record;
}

// Every kind of record shows the words the log has always shown, byte for byte, and keeps
// the fields a stage reads instead of the words.
TEST(Messages, RecordsShowTheirFixedWords) {
    struct Row {
        Diagnostic record;
        std::wstring shown;
    };
    const Row rows[] = {
        {message::functionNotFound(3, L"Foo"), L"line 3: function Not found: Foo()"},
        {message::unknownType(4, 7, L"a.Nope"), L"line 4  column 7 ERROR unknow typ \"a.Nope\""},
        {message::constNotFound(5, L"#X"), L"line 5 const Not found: #X"},
        {message::bracketError(6), L"line 6 () error!"},
        {message::notSupported(7, L"pointer *a.i"), L"line 7: not supported: pointer *a.i"},
        {message::reservedName(8, L"procedure", L"INIT"), L"line 8: reserved procedure name: INIT"},
        {message::withoutEnd(9, L"EndIf", L"If"), L"line 9: EndIf without If"},
        {message::syntaxError(10, L"}"), L"line 10: syntax error near }"},
        {message::syntaxError(Diagnostic::kNoLine, L"x"), L"syntax error near x"},
        {message::atLine(-1, L"Procedure inside Procedure"),
         L"line -1: Procedure inside Procedure"},
        {message::unknownCharacter(2, 5, L"1B"), L"line 2  column 5 error unknow character($1B)!"},
        {plainMessage(L"file not found!"), L"file not found!"},
        {inFile(message::atLine(4, L"stray byte"), L"lib/x.pbi"), L"lib/x.pbi line 4: stray byte"},
    };
    for (const Row& row : rows) {
        CollectingSink sink;
        Diagnostics diag(&sink);
        diag.error(row.record);
        EXPECT_EQ(sink.lines, std::vector<std::wstring>{row.shown});
        EXPECT_EQ(diag.errors(), std::vector<std::wstring>{row.shown});
        EXPECT_TRUE(diag.hasReported(row.record));
    }
    EXPECT_EQ(message::unknownType(4, 7, L"a.Nope").subject, L"a.Nope");
    EXPECT_EQ(message::functionNotFound(3, L"Foo").programLine(), 3);
    EXPECT_EQ(plainMessage(L"x").programLine(), 0);
}

// While a map is set, a program line inside an include file is shown as that file's line;
// a line before the program's first, or a message without a line, is shown as it is.
TEST(Messages, LinesOfIncludeFilesNameTheFile) {
    SourceMap map;
    map.addFile(L"main.pb");
    int include = map.addFile(L"lib/x.pbi");
    map.startRun(1, 0, 1);
    map.startRun(2, include, 1);
    map.startRun(5, 0, 2);
    CollectingSink sink;
    Diagnostics diag(&sink);
    diag.setSourceMap(&map);
    diag.error(message::functionNotFound(3, L"Foo"));
    diag.error(message::unknownType(5, 2, L"b.Gone"));
    diag.error(message::atLine(-1, L"x"));
    diag.error(plainMessage(L"cannot write \"a\""));
    diag.setSourceMap(nullptr);
    diag.error(message::bracketError(3));
    EXPECT_EQ(sink.lines, (std::vector<std::wstring>{
                              L"lib/x.pbi line 2: function Not found: Foo()",
                              L"line 2  column 2 ERROR unknow typ \"b.Gone\"",
                              L"line -1: x",
                              L"cannot write \"a\"",
                              L"line 3 () error!",
                          }));
    EXPECT_EQ(diag.records()[0].line, 3);
}

} // namespace
} // namespace qc
