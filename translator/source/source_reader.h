#pragma once
// Reads decoded source text into the statement list: every statement preceded by its line
// marker "°line" + number. A program may span several files: include files are read in
// place, and the lines of the whole program are numbered one after another.
#include "common/diagnostics.h"
#include "common/source_map.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// How include files are found and read.
struct IncludeLoader {
    std::filesystem::path mainSource; // relative include names are looked up from its folder
    // The decoded text of one file, or nullopt when it cannot be read; `name` is how messages
    // name that file (reading reports its own faults, such as stray bytes, with it).
    std::function<std::optional<std::wstring>(const std::filesystem::path& file,
                                              std::wstring_view name, Diagnostics&)>
        read;
};

struct ReadProgram {
    std::vector<std::wstring> statements; // "°line<N>", statement, "°line<N>", statement, ...
    SourceMap map;                        // program line N -> file and line
};

// Splits the text into physical lines (CR, LF and CR LF each end one), drops lines that carry
// no code (empty, comment), strips comments and blanks that carry no meaning outside string
// literals, and cuts each line into statements at colons.
//
// A line whose last token is a comma or a binary operator goes on on the next line
// ("x = 1 +" then "2"); the statement takes the first line's number.
//
// "IncludeFile NAME" reads that file's program in place; "XIncludeFile NAME" does so only the
// first time a file is named; "IncludePath DIR" names the folder searched first. A relative
// name is looked up there, then beside the main source, then beside the including file.
// NAME is a string, or strings and #PB_Compiler_FilePath joined with "+". Without a loader,
// or when no file is found, the statement `IncludeFile "NAME"` (the name as found) stays in
// the program, and the language pass reports "line N: include file not found: "NAME"" unless
// it lies in a CompilerIf branch that is not taken; a file that includes itself, directly or
// not, is reported and not read again.
//
// In code, #PB_Compiler_File and #PB_Compiler_FilePath are the file being read and its
// folder, relative to the main source's folder (the page's files sit at the same places),
// and #PB_Compiler_Line is the line's number in its file.
//
// A line holding a forbidden control character (codes 27, 28, 12, 26, 0), or a marker
// character "°" or "§" outside string literals and comments, is reported as
// "line N  column C error unknow character($HEX)!" and dropped; reading goes on.
//
// Runs in time linear in the length of the text.
inline constexpr std::wstring_view kMissingInclude = L"IncludeFile";
// "IncludeBinary NAME" of a file that is not found: a marker no source can spell.
inline constexpr std::wstring_view kMissingBinary = L"\u00A7IncludeBinary";
ReadProgram readProgram(std::wstring_view mainText, const IncludeLoader* includes,
                        Diagnostics& diag);

// The statements of a program of one file, without include files.
std::vector<std::wstring> readSource(std::wstring_view sourceText, Diagnostics& diag);

// The steps of reading one line, for the program reader: the character check (false: the
// line is dropped and was reported), and cutting a line of code into statements.
bool passesCharacterCheck(std::wstring_view rawLine, long long programLine, Diagnostics& diag);
void splitStatements(std::wstring_view line, long long programLine, std::vector<std::wstring>& out);

} // namespace qc
