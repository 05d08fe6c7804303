#pragma once
// Reads decoded source text into the statement list: every statement preceded by its line
// marker "°line" + number.
#include "common/diagnostics.h"

#include <string>
#include <string_view>
#include <vector>

namespace qc {

// Splits the text into physical lines (CR, LF and CR LF each end one;
// line numbers count every physical line, from 1), drops lines that carry no code (empty,
// comment, EnableExplicit, IncludeFile and XIncludeFile lines: no other file is opened),
// strips comments and blanks that carry no meaning outside string literals, and cuts each
// line into statements at colons. Returns "°line<N>", statement, "°line<N>", statement, ...
//
// A line holding a forbidden control character (codes 27, 28, 12, 26, 0), or a marker
// character "°" or "§" outside string literals and comments, is reported as
// "line N  column C error unknow character($HEX)!" and dropped; reading goes on.
//
// Runs in time linear in the length of the text.
std::vector<std::wstring> readSource(std::wstring_view sourceText, Diagnostics& diag);

} // namespace qc
