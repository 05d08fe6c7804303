#pragma once
// The conversion and run actions of the window program: validating the paths when they
// change, reading and translating the source, the conversion request (overwrite question,
// compaction, writing the page) and opening the written page. They run on the window's
// thread, called by the event loop, and reach the window only through ShellWindow.
#include "app/shell_state.h"
#include "app/shell_window.h"
#include "convert/conversion.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace qc::shell {

// The text after the last "/" or "\", without a leading double quote and ending before the
// next one: `"C:\games\pong.pb"` gives `pong.pb`.
std::wstring fileNamePart(std::wstring_view path);
// Not empty, no control character and none of " \ / : * ? < > |.
bool isValidFileName(std::wstring_view name);
std::filesystem::path toFsPath(std::wstring_view path);

// Handles a change of the source path, the output path or both (pendingAction): clears the
// log, derives the output path unless the user chose one, colours the path fields, reads
// the source, and enables "convert" once there is something to convert.
void processPathChange(ShellState& state, ShellWindow& window,
                       const ConversionStages& stages = coreStages());

// Reads and translates the source; the translation waits in the state for the next
// conversion request. A missing or unreadable source is reported and sets the error flag.
void loadSourceIntoWindow(ShellState& state, ShellWindow& window,
                          const ConversionStages& stages = coreStages());

// Handles the "convert" button or "/c": asks before replacing an existing page (unless
// "/R"), compacts and writes, then opens the page when "/r" was given and no error was
// reported by the translation being written or by the compaction; with "/q" as well the
// program then ends.
void processConvertRequest(ShellState& state, ShellWindow& window,
                           const ConversionStages& stages = coreStages());

// Opens the page written last in this run, if any.
void openLastPage(const ShellState& state, ShellWindow& window);

} // namespace qc::shell
