#pragma once
// Embedding: the files a program loads travel inside its page, so that the page still works
// when it alone is copied elsewhere, and images it draws stay readable (a browser refuses a
// page opened from disk the pixels of files beside it).
//   LoadImage(1,"img/ship.png")   -> img/ship.png goes into the page
//   ReadFile(0,name$)             -> the name is known only at run time: every file of the
//                                    source's folder goes in, as far as the limit allows
// The string literals are taken from the translated script, where constants are already
// replaced by their text. Only files inside the source's folder are read: no ".." out of it,
// no symbolic links.
#include "common/diagnostics.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace qc {

struct EmbeddedFile {
    std::wstring name; // relative to the source's folder, "/" between parts: "img/ship.png"
    std::string bytes;
};

// What all embedded files together may weigh; a page holds them as base64, a third more.
constexpr std::size_t kEmbeddedBytesLimit = 20u * 1024 * 1024;

// The text of each JavaScript string literal in the lines, escapes decoded, in order.
std::vector<std::wstring> scriptStringLiterals(std::span<const std::wstring> lines);

// Whether the lines call a command that takes a file name with a name that is not one string
// literal, or list a directory.
bool namesFilesAtRunTime(std::span<const std::wstring> lines);

// The files to embed for a program's script lines (without the runtime library): first those
// its literals name, then, when it names files at run time, the rest of the folder in name
// order. `skipped` (the page being written) is never embedded. Files that would pass `limit`
// stay out, with one line in the log.
std::vector<EmbeddedFile> collectEmbeddedFiles(std::span<const std::wstring> programLines,
                                               const std::filesystem::path& sourceFolder,
                                               const std::filesystem::path& skipped,
                                               Diagnostics& diag,
                                               std::size_t limit = kEmbeddedBytesLimit);

// The page with the files as a data block right after its body tag:
//   <script type="application/json" id="QLCXfiles">[["img/ship.png","iVBORw0..."]]</script>
// The page's runtime reads it on its first file command.
std::vector<std::wstring> withEmbeddedFiles(const std::vector<std::wstring>& pageLines,
                                            const std::vector<EmbeddedFile>& files);

} // namespace qc
