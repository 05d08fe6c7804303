#include "compaction/name_generator.h"

#include "common/text.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qc {
namespace {

TEST(NameGenerator, Sequence) {
    // The position of a name in the sequence (counting from 1) and the name.
    const std::map<int, std::string> expected = {
        {1, "a"},    {26, "z"},   {27, "A"},   {52, "Z"},   {53, "aa"},  {78, "az"},
        {79, "aA"},  {105, "a_"}, {106, "a0"}, {115, "a9"}, {116, "ba"}, {255, "dn"},
        {256, "dp"}, {560, "ig"}, {561, "ih"}, {567, "io"}, {568, "ip"}, {3320, "aaa"},
    };
    NameGenerator generator;
    for (int n = 1; n <= expected.rbegin()->first; ++n) {
        std::string name = toUtf8(generator.next());
        auto it = expected.find(n);
        if (it != expected.end()) {
            EXPECT_EQ(name, it->second) << "name " << n;
        }
    }
    EXPECT_EQ(generator.count(), 3320);
}

TEST(NameGenerator, NeverBreaksAPage) {
    NameGenerator generator;
    std::set<std::wstring> seen;
    for (int n = 0; n < 250000; ++n) { // all names of up to three characters
        std::wstring name = generator.next();
        ASSERT_FALSE(name.empty());
        ASSERT_TRUE((name[0] >= L'a' && name[0] <= L'z') || (name[0] >= L'A' && name[0] <= L'Z'))
            << toUtf8(name);
        ASSERT_FALSE(isSkippedShortName(name)) << toUtf8(name);
        ASSERT_TRUE(seen.insert(name).second) << toUtf8(name);
    }
    for (const wchar_t* word : {L"do",   L"if",   L"in",   L"for",  L"new",  L"var",  L"try",
                                L"let",  L"NaN",  L"top",  L"case", L"else", L"enum", L"eval",
                                L"null", L"this", L"true", L"void", L"with", L"name", L"self"})
        EXPECT_EQ(seen.count(word), 0u) << toUtf8(word);
}

TEST(NameGenerator, SkipsTargetWordsInAnyCase) {
    for (const wchar_t* word : {L"Math", L"math", L"Date", L"DATE", L"Image", L"image", L"Array",
                                L"alert", L"document", L"QLCX_AddEvent"})
        EXPECT_TRUE(isSkippedShortName(word)) << toUtf8(word);
    for (const wchar_t* word : {L"id", L"Dp", L"dp", L"length2", L"x"})
        EXPECT_FALSE(isSkippedShortName(word)) << toUtf8(word);
}

TEST(NameGenerator, GoesOnPastFourCharacters) {
    // Resume just before the last four-character name "Z999".
    const int z = 53, nine = 64;
    NameGenerator generator({nine - 1, nine, nine, z});
    EXPECT_EQ(toUtf8(generator.next()), "Z999");
    EXPECT_EQ(toUtf8(generator.next()), "aaaaa");
    EXPECT_EQ(toUtf8(generator.next()), "aaaab");
}

} // namespace
} // namespace qc
