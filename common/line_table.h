#pragma once
// The table that lets a page name the source line of a run-time fault. The browser reports a
// fault by the page line it happened on; the table, written into the page as its script's last
// line, gives the source line of every page line of the program. Compaction moves and drops
// lines, so the source lines travel through it as marker statements, one before each run of
// lines from the same source line, and are taken out again behind it.
#include <string>
#include <vector>

namespace qc {

// The script with a marker line before each line whose source line differs from the line
// before (sourceLines[i] belongs to lines[i]; 0 or less: no source line).
std::vector<std::wstring> withLineMarkers(const std::vector<std::wstring>& lines,
                                          const std::vector<int>& sourceLines);

// Removes the marker lines; returns the source line of each remaining line (0 where none).
std::vector<int> takeLineMarkers(std::vector<std::wstring>& lines);

// The script line that assigns the table: window.QLCXLines=[...], pairs of (page lines since
// the previous change, change of the source line). firstPageLine is the page line (from 1) of
// the script's first line.
std::wstring lineTableScript(const std::vector<int>& sourceLines, int firstPageLine);

} // namespace qc
