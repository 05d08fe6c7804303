#pragma once
// The table that lets a page name the source line of a run-time fault. The browser reports a
// fault by the page line it happened on; the table, written into the page as its script's last
// line, gives the source line of every page line of the program. Compaction moves and drops
// lines, so the source lines travel through it as marker statements, one before each run of
// lines from the same source line, and are taken out again behind it.
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The marker line that goes before each script line whose source line differs from the line
// before (0: no source line). Compaction writes them as it reads the script, so the script is
// never copied to carry them.
void appendLineMarker(std::wstring& text, int sourceLine);

// Reads compacted lines as they are made, into the page's lines and the source line of each:
// a marker line is taken out and gives its number to the lines after it (0 where none), and
// the statements of one source line go on one page line, as far as that is safe: behind a line
// that ends in ";" or "{". Fewer lines end in fewer line ends and a shorter table, and a fault
// is still named by its page line. On a page line, declarations in a row become one
// ("var a=0,b=0;"), and a block's last statement loses its ";".
class SourceLineReader {
public:
    SourceLineReader(std::vector<std::wstring>& lines, std::vector<int>& sourceLines)
        : lines_(lines), sourceLines_(sourceLines) {}
    void add(std::wstring_view line);
    // A line that is no marker, of source line `source`.
    void add(std::wstring_view line, int source);

private:
    std::vector<std::wstring>& lines_;
    std::vector<int>& sourceLines_;
    int current_ = 0;
    // What the last statement on the last page line is: a whole declaration that the next
    // one can continue, or a statement whose ";" may be an empty body.
    bool lastDeclares_ = false;
    bool lastControls_ = false;
};

// The script line that assigns the table: window.QLCXLines="...", pairs of (page lines since
// the previous change, change of the source line), where a negative number -k stands for k
// pairs (1, 1), the usual run of one page line per source line, each number written as
// base-64 digits. firstPageLine is the page line (from 1) of the script's first line.
std::wstring lineTableScript(const std::vector<int>& sourceLines, int firstPageLine);

} // namespace qc
