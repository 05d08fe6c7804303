#pragma once
// Literals of the dialect as the script writes them: numbers in decimal, strings with the
// script's escapes. The statement translation and the tree's printer both write them here.
#include <string>
#include <string_view>

namespace qc {

// "$FF" -> "255"; "-$10" -> "-16". Wraps around beyond 64 bits instead of failing.
std::wstring hexToDecimal(std::wstring_view word);
// "1010" (the digits after "%") -> "10". Wraps around beyond 64 bits, as hexadecimal does.
std::wstring binaryToDecimal(std::wstring_view digits);
// Whether an integer literal ("123", "-9", "$FF", "-$10") lies outside the dialect's 64-bit
// integers. Hexadecimal takes all 64 bits ("$FFFFFFFFFFFFFFFF" is -1).
bool beyond64Bits(std::wstring_view word);
// "010" is ten in the dialect but eight (or an error) to the script.
std::wstring withoutLeadingZeros(std::wstring word);

// What follows a value stored into an integer place of that type letter so that it wraps as
// the type does: ")<<24>>24" for .b (after an opening bracket before the value), ")&255" for
// .a, ")|0" for .l; empty for .i and .q, which need none.
std::wstring_view wrapSuffix(wchar_t width);
// Whether a decimal integer literal keeps its value in a place of that type letter: "5" in .u
// does, "-5" does not (it is 65531).
bool literalFitsWidth(std::wstring_view decimal, wchar_t width);
// An integer literal's decimal text as the script writes it: wrapped to 64 bits as the
// dialect reads it ("18446744073709551615" of $FFFFFFFFFFFFFFFF is -1), and beyond 2^53,
// where the script's numbers are not exact, as a wide integer ("QLCX_Big(\"...\")"). Any
// other text (a float) is returned as it is.
std::wstring scriptInteger(std::wstring decimal);

// A number with an exponent as the script's tokenizer reads it: with a point in its digits and
// no "+" ("1e10" and "1e+10" are "1.0e10"); any other number is left as it is.
std::wstring withPointedExponent(std::wstring number);
// Whether a decimal number of the script ("0", "0.5", "-3") is the same in single precision.
bool singleHoldsExactly(std::wstring_view decimal);

// A string literal with its quotes, "text" or ~"escapes\n", as the script reads it: a plain
// literal's backslash stays a backslash, the escapes of a "~" literal become the script's,
// and "</" cannot end the page's script element early.
std::wstring scriptString(std::wstring_view literal);

} // namespace qc
