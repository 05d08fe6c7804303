#pragma once
// The table that lets a page name the source line of a run-time fault. The browser reports a
// fault by the page line it happened on; the table, written into the page as its script's last
// line, gives the source line of every page line of the program. Compaction moves and drops
// lines, so the source lines travel through it as marker statements, one before each run of
// lines from the same source line, and are taken out again behind it.
#include <string>
#include <vector>

namespace qc {

// The marker line that goes before each script line whose source line differs from the line
// before (0: no source line). Compaction writes them as it reads the script, so the script is
// never copied to carry them.
void appendLineMarker(std::wstring& text, int sourceLine);

// Removes the marker lines; returns the source line of each remaining line (0 where none).
std::vector<int> takeLineMarkers(std::vector<std::wstring>& lines);

// Puts the statements of one source line on one page line, as far as that is safe: behind a
// line that ends in ";" or "{". Fewer lines end in fewer line ends and a shorter table, and a
// fault is still named by its page line. Both vectors have one element per line.
void joinLinesOfOneSource(std::vector<std::wstring>& lines, std::vector<int>& sourceLines);

// The script line that assigns the table: window.QLCXLines=[...], pairs of (page lines since
// the previous change, change of the source line), where a negative number -k stands for k
// pairs (1, 1), the usual run of one page line per source line. firstPageLine is the page
// line (from 1) of the script's first line.
std::wstring lineTableScript(const std::vector<int>& sourceLines, int firstPageLine);

} // namespace qc
