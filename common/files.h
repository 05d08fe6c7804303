#pragma once
// File system access at the edge of the core.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qc {

// Size of a file: -1 when nothing is there, -2 for a folder (or anything that is not a
// regular file, such as a device: it never counts as an existing source).
std::int64_t fileSize(const std::filesystem::path& path);

// Whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// The page line (from 1) on which writePageText puts the script's first line: the line after
// the first page line that starts "<script"; 0 when there is none.
int scriptFirstPageLine(const std::vector<std::wstring>& pageLines);

// Writes the page: the page lines, with the compacted script and the style block inserted
// after the first line beginning with "<script" (see writePageText). The text goes to a
// temporary file beside the target, which is then renamed over it, so a failed write never
// destroys a good page. Returns false when the page could not be written.
bool writePageFile(const std::filesystem::path& path, const std::vector<std::wstring>& pageLines,
                   const std::vector<std::wstring>& scriptLines,
                   const std::vector<std::wstring>& styleLines);

// The bytes of the page file: UTF-8 without byte-order mark, every line ended by CR LF.
std::string writePageText(const std::vector<std::wstring>& pageLines,
                          const std::vector<std::wstring>& scriptLines,
                          const std::vector<std::wstring>& styleLines);

// A script line made safe to stand inside the page's script element, which ends at the first
// "</script" and is confused by "<!--" and "<script", in any letter case, wherever they
// stand. Inside a string literal they are escaped ("<\/", "\x3C!--", "\x3Cscript"), which
// keeps the string's text; elsewhere a blank is put after the "<" (the syntax check has
// already reported the first two outside literals; "a<script" is a comparison).
std::wstring guardScriptLine(std::wstring_view line);

// True when both paths name the same existing file (so a page never replaces its source).
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace qc
