#include "vocabulary/classify_word.h"
#include "vocabulary/token.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(classifyWord, EveryRule) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"\"abc\"", kWordString}, {L"\"a\"b\"", kWordNone}, {L"", kWordNone},
        {L"12", kWordInteger},     {L"-12", kWordInteger},   {L"1.5", kWordFloat},
        {L".5", kWordFloat},       {L"1e-5", kWordFloat},    {L"1e5", kWordNone},
        {L"1E5", kWordNone},       {L"e", kWordName},        {L"E", kWordName},
        {L"e5", kWordName},        {L"e1", kWordName},       {L"$1F", kWordInteger},
        {L"$ff", kWordInteger},    {L"$1G", kWordNone},      {L"$", kWordNone},
        {L"-", kWordNone},         {L".", kWordNone},        {L"name$", kWordStringName},
        {L"1a$", kWordNone},       {L"x.y", kWordName},      {L"a\\b", kWordName},
        {L"_tmp", kWordName},      {L"2x", kWordNone},       {L"*p", kWordName},
        {L"*1", kWordNone},        {L"-x", kWordName},       {L".length", kWordNone},
        {L"a b", kWordNone},       {L"0x1f", kWordNone},
    };
    for (const auto& [word, expected] : cases) EXPECT_EQ(classifyWord(word), expected) << word;
}

} // namespace
} // namespace qc
