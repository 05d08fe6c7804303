// What a page carries: the start-up function wires in, and the style sheet holds, only the
// features that the program's commands reach; the base style block stays first and whole.
#include "common/text.h"
#include "translator/output/page_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

std::string show(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) text += qc::toUtf8(line) + "\n";
    return text;
}

// The statements between QLCXInit and INIT in the start-up function, the last script lines.
Lines wiring(const qc::TranslationResult& page) {
    auto start = std::find(page.scriptLines.begin(), page.scriptLines.end(),
                           std::wstring(L"function _qlcxi(){"));
    if (page.scriptLines.end() - start < 4) return {L"(no start-up function)"};
    return Lines(start + 2, page.scriptLines.end() - 2);
}

bool hasRule(const Lines& style, const std::wstring& selector) {
    return std::any_of(style.begin(), style.end(),
                       [&](const std::wstring& line) { return qc::startsWith(line, selector); });
}

// The sheet as written for a page that may use everything: every line but the marks and the
// comments of feature parts.
Lines baseBlock() {
    Lines base;
    for (const auto& line : qc::styleBlockLines()) {
        if (qc::startsWith(line, L"/* feature: ")) break;
        base.push_back(line);
    }
    return base;
}

TEST(PageFeatures, TheProgramsCommandsChooseWiringAndStyleParts) {
    struct Row {
        Lines program;
        Lines wiring;
        std::vector<std::wstring> rules;   // style rules the page must have
        std::vector<std::wstring> missing; // and must not have
    };
    const std::wstring console = L".console {", menus = L".menubar {", toolkit = L".listicon table",
                       pressed = L".body input.pressed", status = L".statusbar {",
                       window = L".window .minimize", fault = L".fault {";
    const Row rows[] = {
        {{L"function INIT(){", L"Debug(1);", L"}"},
         {},
         {fault},
         {console, menus, toolkit, pressed, status, window}},
        {{L"PrintN(\"a\");"}, {L"QLCX_StartConsole();"}, {console, fault}, {window, menus}},
        // Letter case does not matter; a command word in a string or inside a longer word, or
        // a name not followed by "(", is no use of the command.
        {{L"openconsole();"}, {L"QLCX_StartConsole();"}, {console}, {}},
        {{L"x=\"PrintN(1)\";", L"myPrintN(1);", L"y=PrintN;"}, {}, {}, {console}},
        {{L"OpenWindow(0,1,1,9,9,\"t\");"}, {L"draginit();"}, {window}, {console, pressed}},
        {{L"ButtonGadget(1,0,0,9,9,\"b\",1);"}, {L"draginit();"}, {pressed}, {toolkit}},
        {{L"x=CheckBoxGadget(1,0,0,9,9,\"c\");"},
         {L"draginit();", L"QLCX_StartToolkit();"},
         {pressed, toolkit},
         {menus}},
        {{L"CreateMenu(0,WindowID(0));", L"MenuItem(1,\"a\");"},
         {L"draginit();", L"QLCX_StartMenus();", L"InitKeyboard();"},
         {menus},
         {toolkit, status}},
        {{L"AddWindowTimer(0,1,100);"}, {L"draginit();", L"QLCX_StartTimers();"}, {status}, {}},
        {{L"BindEvent(16,f);"}, {L"draginit();", L"QLCX_StartBoundEvents();"}, {}, {menus}},
        // Key flags only for the programs that read them; a mouse command brings them too.
        {{L"if(KeyboardPushed(32)){", L"}"}, {L"InitKeyboard();"}, {fault}, {window}},
        {{L"x=MouseX();"}, {L"InitKeyboard();"}, {}, {window}},
        // A target name counts as its command: a program that waits for a typed line.
        {{L"a$=await QLCX_ReadLine();"}, {L"QLCX_StartConsole();"}, {console}, {}},
    };
    for (const Row& row : rows) {
        qc::TranslationResult page = qc::buildPage(row.program);
        std::string context = show(row.program);
        EXPECT_EQ(show(row.wiring), show(wiring(page))) << context;
        for (const auto& rule : row.rules)
            EXPECT_TRUE(hasRule(page.styleLines, rule)) << context << qc::toUtf8(rule);
        for (const auto& rule : row.missing)
            EXPECT_FALSE(hasRule(page.styleLines, rule)) << context << qc::toUtf8(rule);
        Lines base = baseBlock();
        ASSERT_LT(base.size(), page.styleLines.size());
        EXPECT_TRUE(std::equal(base.begin(), base.end(), page.styleLines.begin())) << context;
        EXPECT_EQ(L"</style>", page.styleLines.back());
    }
}

// A hand-written script gets every feature: each part
// of the sheet, so a part whose mark names no known feature would be missing here.
TEST(PageFeatures, AHandWrittenScriptGetsTheWholeSheet) {
    qc::TranslationResult page = qc::buildPage({L"function INIT(){", L"}"}, nullptr, true);
    Lines expected = baseBlock();
    bool inFeature = false;
    for (const auto& line : qc::styleBlockLines()) {
        if (qc::startsWith(line, L"/* feature: "))
            inFeature = true;
        else if (inFeature && !qc::startsWith(line, L"/*"))
            expected.push_back(line);
    }
    EXPECT_EQ(show(expected), show(page.styleLines));
    EXPECT_EQ(std::count(page.styleLines.begin(), page.styleLines.end(), L"</style>"), 1);
    EXPECT_EQ(show({L"QLCX_StartConsole();", L"draginit();", L"QLCX_StartToolkit();",
                    L"QLCX_StartMenus();", L"QLCX_StartTimers();", L"QLCX_StartBoundEvents();",
                    L"InitKeyboard();"}),
              show(wiring(page)));
}

} // namespace
