#include "tables/command_table.h"
#include "tables/constant_table.h"
#include "tables/target_word_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace qc {
namespace {

TEST(CommandTable, TargetNamesAndSpelling) {
    struct Case {
        const wchar_t* word;
        const wchar_t* name;
        const wchar_t* target;
        bool parens;
    };
    // clang-format off
    const Case cases[] = {
        {L"waitwindowevent", L"WaitWindowEvent", L"", true},
        {L"LOADSPRITE", L"LoadSprite", L"", true},
        {L"spriteheight", L"SpriteHeight", L"", true},
        {L"DisplayTranslucentSprite", L"DisplayTranslucentSprite", L"", true},
        {L"InitSprite", L"InitSprite", L"empty", true},
        {L"acos", L"ACos", L"Math.acos", true}, {L"asin", L"ASin", L"Math.asin", true},
        {L"atan", L"ATan", L"Math.atan", true}, {L"cos", L"Cos", L"Math.cos", true},
        {L"sin", L"Sin", L"Math.sin", true}, {L"tan", L"Tan", L"Math.tan", true},
        {L"log", L"Log", L"Math.log", true}, {L"exp", L"Exp", L"Math.exp", true},
        {L"int", L"Int", L"Math.trunc", true}, {L"abs", L"Abs", L"Math.abs", true},
        {L"sqr", L"Sqr", L"Math.sqrt", true}, {L"pow", L"Pow", L"Math.pow", true},
        {L"roundup", L"RoundUp", L"Math.ceil", true},
        {L"rounddown", L"RoundDown", L"Math.floor", true},
        {L"OpenWindow(", L"OpenWindow", L"", true}, {L"drawtext", L"DrawText", L"", true},
        {L"CASE", L"case", L"", false}, {L"var", L"var", L"", false},
        {L"endprocedure", L"EndProcedure", L"", false}, {L"dimfunc", L"dimfunc", L"", true},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CommandRow* row = commandTable().lookUpCommand(c.word);
        ASSERT_NE(row, nullptr) << c.word;
        EXPECT_EQ(row->name, c.name) << c.word;
        EXPECT_EQ(row->targetName, c.target) << c.word;
        EXPECT_EQ(row->hasParentheses, c.parens) << c.word;
    }
    for (const wchar_t* missing : {L"Sleep", L"Not", L" If", L""})
        EXPECT_EQ(commandTable().lookUpCommand(missing), nullptr) << missing;
}

// Which arguments stand for a whole list or map, read from the signature column: the
// translator passes those as the list itself, every other "l()" as its current element.
TEST(CommandTable, WholeListArgumentsFromTheSignature) {
    struct Case {
        const wchar_t* word;
        std::vector<size_t> lists; // the arguments that are lists, of the first four
    };
    const Case cases[] = {
        {L"AddElement", {0}},         {L"ListJoin", {0}},          {L"MapSize", {0}},
        {L"SortStructuredList", {0}}, {L"CopyList", {0, 1}},       {L"CopyMap", {0, 1}},
        {L"MoveElement", {0}},        {L"SwapElements", {0}},      {L"CopyArray", {}},
        {L"ArraySize", {}},           {L"OpenWindowedScreen", {}}, {L"CustomFilterCallback", {}},
    };
    for (const auto& c : cases) {
        const CommandRow* row = commandTable().lookUpCommand(c.word);
        ASSERT_NE(row, nullptr) << c.word;
        std::vector<size_t> lists;
        for (size_t k = 0; k < 4; ++k)
            if (row->takesListAt(k)) lists.push_back(k);
        EXPECT_EQ(lists, c.lists) << c.word;
        EXPECT_EQ(row->takesList, row->takesListAt(0)) << c.word;
    }
}

TEST(ConstantTable, ValuesFromEachRange) {
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"#PB_Event_CloseWindow", L"1"}, {L"#PB_Event_Gadget", L"2"},
        {L"#PB_EventType_Change", L"5"}, {L"#PB_MOUSEBUTTON_MIDDLE", L"3"}, {L"#PB_KEY_0", L"48"},
        {L"#pb_key_9", L"57"}, {L"#PB_Key_A", L"65"}, {L"#PB_KEY_Z", L"90"},
        {L"#PB_KEY_NUM0", L"96"}, {L"#PB_KEY_NUM9", L"105"}, {L"#PB_KEY_F1", L"112"},
        {L"#PB_KEY_F12", L"123"}, {L"#PB_KEY_ENTER", L"13"}, {L"#PB_KEY_RETURN", L"13"},
        {L"#PB_KEY_CTRL", L"17"}, {L"#PB_KEY_CONTROL", L"17"}, {L"#PB_KEY_LEFTCONTROL", L"17"},
        {L"#PB_KEY_RIGHTCONTROL", L"17"}, {L"#PB_KEY_SUBSTRACT", L"109"},
        {L"#PB_KEY_ESCAPE", L"27"}, {L"#PB_KEY_QUOTE", L"222"}, {L"#Red", L"255"},
        {L"#WHITE", L"16777215"}, {L"#PI", L"Math.PI"}, {L"#CRLF$", L"\"\\n\""},
        {L"#PB_Ignore", L"-1"}, {L"#PB_Key_Subtract", L"109"}, {L"#PB_Key_All", L"256"},
        {L"#Yellow", L"65535"}, {L"#Null", L"0"},
    };
    // clang-format on
    for (const auto& [name, value] : cases) {
        auto v = resolveConstant(name);
        ASSERT_TRUE(v.has_value()) << name;
        EXPECT_EQ(*v, value) << name;
    }
    EXPECT_FALSE(resolveConstant(L"#PB_KEY_SEPARATOR").has_value());
}

TEST(TargetWordTable, LookupAndFunctionFlag) {
    // clang-format off
    const std::tuple<const wchar_t*, bool, bool> cases[] = {
        {L"alert", true, true}, {L"alert(x)", true, true}, {L"DOCUMENT", true, false},
        {L"Image", true, true}, {L"QLCX_AddEvent", true, false}, {L".ondbclick", true, false},
        {L".style.left", true, false}, {L".style", false, false},
        {L".firstChild.nodeValue", true, false}, {L"prompt", false, false},
    };
    // clang-format on
    for (const auto& [word, found, isFunction] : cases) {
        const TargetWord* w = targetWordTable().findTargetWord(word);
        EXPECT_EQ(w != nullptr, found) << word;
        if (w != nullptr) {
            EXPECT_EQ(w->isFunction, isFunction) << word;
        }
    }
}

} // namespace
} // namespace qc
