// Unit tests of the translator stages, driven by hand-built statement lists.
#include "common/diagnostics.h"
#include "common/text.h"
#include "translator/declarations.h"
#include "translator/page_writer.h"
#include "translator/procedures.h"
#include "translator/translate_source.h"
#include "translator/translator_state.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

std::wstring marker(int line) {
    return L"\u00B0line" + std::to_wstring(line);
}

// One statement per line, each behind the marker of its line number.
Lines statementList(const Lines& statements) {
    Lines list;
    for (size_t i = 0; i < statements.size(); ++i) {
        list.push_back(marker(static_cast<int>(i) + 1));
        list.push_back(statements[i]);
    }
    return list;
}

Lines withoutMarkers(const Lines& list) {
    Lines out;
    for (const auto& element : list)
        if (!qc::startsWith(element, L"\u00B0line")) out.push_back(element);
    return out;
}

std::string show(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) text += qc::toUtf8(line) + "\n";
    return text;
}

// The program part of the script: after the runtime library, without _qlcxi.
Lines programOf(const Lines& statements, qc::Diagnostics& diag) {
    qc::TranslationResult page = qc::translateStatements(statementList(statements), diag);
    Lines script(page.scriptLines.begin() + static_cast<long>(qc::runtimeLibraryLines().size()),
                 page.scriptLines.end() - 5);
    return script;
}

TEST(DeclarationPass, RewritesDeclarationsInSourceOrder) {
    struct Row {
        Lines in;
        Lines out;
    };
    const Row rows[] = {
        {{L"Dim a(10)"}, {L"a=dimfunc(initint,10,-1,-1)"}},
        {{L"Dim m.f(3,4)"}, {L"m=dimfunc(initfloat,3,4,-1)"}},
        {{L"Global Dim g.s(5)"}, {L"global g=dimfunc(initstring,5,-1,-1)"}},
        {{L"Dim a$(10)"}, {L"a$=dimfunc(initstring,10,-1,-1)"}},
        {{L"Dim a(Len(s$),f(1,2))"}, {L"a=dimfunc(initint,Len(s$),f(1,2),-1)"}},
        {{L"NewList l$()"}, {L"l$=NewList(initstring)"}},
        {{L"Global NewList l.d()"}, {L"l=NewList(initfloat)"}},
        {{L"Structure Point", L"x.i", L"EndStructure", L"NewList k.Point()"},
         {L"k=NewList(initpoint)"}},
        {{L"ForEach l()"}, {L"ResetList(l())", L"While NextElement(l())"}},
        {{L"Dim empty(2)"}, {L"empty=dimfunc(initint,2,-1,-1)"}},
    };
    for (const auto& row : rows) {
        qc::TranslatorState state;
        qc::Diagnostics diag;
        Lines out = withoutMarkers(qc::runDeclarationPass(statementList(row.in), state, diag));
        EXPECT_EQ(show(row.out), show(out)) << show(row.in);
        EXPECT_TRUE(diag.errors().empty()) << show(diag.errors());
    }
}

TEST(DeclarationPass, ReportsWhatItCannotDeclare) {
    struct Row {
        std::wstring in;
        std::wstring message;
    };
    const Row rows[] = {
        {L"Dim a(1,2,3,4)", L"line 1: not supported: Dim a(1,2,3,4)"},
        {L"Dim a", L"line 1 () error!"},
        {L"Dim a(3", L"line 1 () error!"},
        {L"Structure Float", L"line 1: Structure without EndStructure"},
        // A structure must be declared before its first use.
        {L"NewList l.Point()", L"line 1  column 9 ERROR unknow typ \"l.Point\""},
        {L"Global NewMap m.s(), NewList k.Nope()",
         L"line 1  column 30 ERROR unknow typ \"k.Nope\""},
    };
    for (const auto& row : rows) {
        qc::TranslatorState state;
        qc::Diagnostics diag;
        qc::runDeclarationPass(statementList({row.in}), state, diag);
        EXPECT_EQ(show({row.message}), show(diag.errors())) << qc::toUtf8(row.in);
    }
}

TEST(DeclarationPass, StructureFieldsGiveConstructorFactoryAndListCode) {
    qc::TranslatorState state;
    qc::Diagnostics diag;
    Lines list = statementList({L"Structure Node", L"x.i", L"name.s", L"*next.Node",
                                L"List kids.Node()", L"List items.i()", L"EndStructure"});
    Lines out = qc::runDeclarationPass(list, state, diag);
    EXPECT_EQ(show({}), show(withoutMarkers(out)));
    EXPECT_EQ(7u, out.size()) << "every line marker stays";
    const qc::TypeRecord* node = state.types.find(L"structnode");
    ASSERT_NE(nullptr, node);
    EXPECT_EQ(show({L"x=0;", L"name=\"\";", L"next=0;", L"kids=0;", L"items=0;"}),
              show(node->fields));
    EXPECT_EQ(show({L"kids=NewList(initnode);", L"items=NewList(initint);"}),
              show(node->listFields));
    EXPECT_TRUE(state.isListField(L"kids"));
    EXPECT_TRUE(state.types.contains(L"initnode"));
}

TEST(ProcedureCollection, MovesProceduresWithTheirLineMarkers) {
    qc::TranslatorState state;
    qc::Diagnostics diag;
    Lines list =
        statementList({L"a=1", L"Procedure.i Twice(x)", L"ProcedureReturn x*2", L"EndProcedure",
                       L"b=Twice(a)", L"EndProcedure", L"Procedure Open()", L"c=1"});
    qc::CollectedProgram program = qc::collectProcedures(list, state, diag);
    EXPECT_EQ(show({marker(2), L"Procedure Twice(x)", marker(3), L"ProcedureReturn x*2", marker(4),
                    L"EndProcedure", marker(6), marker(7), L"Procedure Open()", marker(8), L"c=1",
                    L"EndProcedure"}),
              show(program.procedures));
    EXPECT_EQ(show({marker(1), L"a=1", marker(5), L"b=Twice(a)"}), show(program.mainProgram));
    EXPECT_EQ(L"Twice", *state.procedures.find(L"twice"));
    EXPECT_TRUE(state.procedures.contains(L"open"));
}

// Statements through every stage; the main program runs inside INIT.
TEST(StatementTranslation, WritesTheProgramLines) {
    struct Row {
        Lines in;
        Lines out;
    };
    const Row rows[] = {
        {{L"If a=1 And b=2", L"EndIf"}, {L"if(a==1&&b==2){"}},
        {{L"If a-b > 0", L"EndIf"}, {L"if(a-b > 0){"}},
        {{L"a+1"}, {L"a+=1;"}},
        {{L"a+=1"}, {L"a+=1;"}},
        {{L"dx=-dx"}, {L"dx=-dx;"}},
        {{L"For i=10 To 1 Step-1", L"Next i"}, {L"for(i=10;i>=1;i+=-1){"}},
        {{L"For i=1 To 10", L"Next"}, {L"for(i=1;i<=10;i++){"}},
        {{L"If Not(x)", L"EndIf"}, {L"if(!(x)){"}},
        {{L"If InitSprite()", L"EndIf"}, {L"if(empty()){"}},
        {{L"Debug Len(Str(123))"}, {L"Debug(Len(Str(123)));"}},
        {{L"x=ImageID(1)"}, {L"x=(1);"}},
        {{L"s$=\"a\\b\""}, {L"s$=\"a\\\\b\";"}},
        {{L"x=$1F"}, {L"x=31;"}},
        {{L"x.q=1"}, {L"x=1;"}},
        {{L"Global a.i, b.i"}, {L"a;"}},
        {{L"End"}, {L"end();ChangeLoop(0);return;"}},
    };
    for (const auto& row : rows) {
        qc::Diagnostics diag;
        Lines program = programOf(row.in, diag);
        Lines body;
        for (const auto& line : program)
            if (line.rfind(L"var ", 0) != 0 && line != L"function INIT(){" && line != L"}")
                body.push_back(line);
        EXPECT_EQ(show(row.out), show(body)) << show(row.in);
        EXPECT_TRUE(diag.errors().empty()) << show(diag.errors());
    }
}

TEST(StatementTranslation, DeclaresEveryVariableOnceWithItsType) {
    qc::Diagnostics diag;
    Lines program = programOf({L"Structure Point", L"x.i", L"EndStructure", L"v=1", L"v.f=2",
                               L"v.s=\"x\"", L"q.q=1", L"p.Point\\x=1", L"s$=\"\"", L"p\\x=2"},
                              diag);
    for (const std::wstring expected :
         {L"var v=0.0", L"var q=0", L"var p=initpoint()", L"var s$=\"\""})
        EXPECT_EQ(1, std::count(program.begin(), program.end(), expected)) << qc::toUtf8(expected);
}

TEST(StatementTranslation, ReportsEachMessageWithTheLineOfItsStatement) {
    qc::CollectingSink sink;
    qc::Diagnostics diag(&sink);
    programOf(
        {L"a=1", L"Procedure P()", L"Wait(1)", L"EndProcedure", L"x=#Nope", L"y=(1", L"z=a b"},
        diag);
    EXPECT_EQ(show({L"line 3: function Not found: Wait()", L"line 5 const Not found: #Nope",
                    L"line 6 () error!", L"line 7  column 3 ERROR unknow typ \"a b\""}),
              show(diag.errors()));
    EXPECT_EQ(diag.errors(), sink.lines);
    EXPECT_TRUE(diag.errorFlag());
}

// Bad input must end in a page, never in a crash or a hang.
TEST(StatementTranslation, SurvivesHostileInput) {
    std::wstring longStatement = L"x=";
    for (int i = 0; i < 25000; ++i) longStatement += L"(a+";
    std::mt19937 random(12345);
    std::wstring noise;
    for (int i = 0; i < 20000; ++i) noise += static_cast<wchar_t>(random() % 200 + 1);
    const std::wstring inputs[] = {
        longStatement,
        std::wstring(100000, L'a'),
        noise,
        L"\"\n'\n(\n)\n))((\n#\n$\n-\n\\\n*\n,\n=\n<>\nProcedure\nProcedure (\nEndProcedure",
        L"Structure\nStructure \nEndStructure\nDim\nDim (\nNewList\nForEach\nFor\nNext\nTo",
        L"Case\nDefault\nSelect\nEndSelect\nIf\nElse\nEndIf\nRepeat\nUntil\nForEver\nWend",
        L"l()\\x=1\na(i)\\x=2\n\\\\\\\nNot\nStep -\nFor i=1 To 2 Step\nDebug\nEnd",
    };
    for (const auto& input : inputs) {
        qc::Diagnostics diag;
        qc::TranslationResult page = qc::translateText(input, diag);
        EXPECT_FALSE(page.pageLines.empty());
        EXPECT_EQ(L"}", page.scriptLines.back());
    }
}

TEST(PageWriter, WithoutAProgramWritesTheLibraryAndTheStartFunctionOnly) {
    qc::TranslationResult page = qc::buildPage(nullptr, {});
    const Lines& library = qc::runtimeLibraryLines();
    ASSERT_LT(library.size() + 4, page.scriptLines.size());
    EXPECT_TRUE(std::equal(library.begin(), library.end(), page.scriptLines.begin()));
    EXPECT_EQ(L"function _qlcxi(){", page.scriptLines[library.size()]);
    EXPECT_EQ(L"QLCXInit(\"QLCXcanvas\");", page.scriptLines[library.size() + 1]);
    EXPECT_EQ(show({L"INIT();", L"}"}),
              show(Lines(page.scriptLines.end() - 2, page.scriptLines.end())));
    for (const auto& line : page.scriptLines) EXPECT_EQ(std::wstring::npos, line.find(L"//EOF"));
}

} // namespace
