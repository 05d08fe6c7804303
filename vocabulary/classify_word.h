#pragma once
// Decides from its characters alone what a word is. Shared by script compaction and the
// statement translator, so it covers both the source dialect ("$FF", "name$", "*p", "a\b")
// and the target language (".5", "1e-5", "a.b.c").
#include <string_view>

namespace qc {

enum WordClass : int {
    kWordNone = 0,
    kWordName = 1,
    kWordStringName = 2, // a name ending in "$"
    kWordString = -2,
    kWordInteger = -1,
    kWordFloat = -3,
};

int classifyWord(std::wstring_view text);

bool containsAny(std::wstring_view text, std::wstring_view set);
bool isHexDigits(std::wstring_view text);
// Every character an ASCII letter, digit, "_" or one of the extra characters (0 = none).
bool hasNameCharacters(std::wstring_view text, wchar_t extra1 = 0, wchar_t extra2 = 0,
                       wchar_t extra3 = 0, wchar_t extra4 = 0);

} // namespace qc
