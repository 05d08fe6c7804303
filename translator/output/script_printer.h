#pragma once
// The script printer: writes a typed syntax tree as the page's script, one function per kind
// of node, with brackets only where the script binds differently from the dialect. What an
// operator becomes comes from its row of the operator table; where "/" divides integers,
// where a float is rounded into an integer place and where a narrow integer wraps comes from
// the types.
//
// The main program's Repeat loops, and the For and While loops around a wait, are cut into
// the functions INIT and Inf_<level>_<segment>; waits where the program cannot be cut, and
// in procedures, are awaited. What a page cannot do is reported with its line.
#include "common/diagnostics.h"
#include "translator/semantics/value_types.h"
#include "translator/source/syntax_tree.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The printed lines side by side in large blocks of bytes: while the tree they are printed from
// is still held, a long program's lines cost no allocation each, and a character of the
// script (nearly all of them ASCII) one byte; any other is a mark byte and its wchar_t.
class PrintedScript {
public:
    void add(std::wstring_view line, int sourceLine);
    size_t size() const { return sourceLines_.size(); }
    std::vector<std::wstring> lines() const;
    // The program line each script line was written for.
    const std::vector<int>& sourceLines() const { return sourceLines_; }

private:
    struct Block {
        std::string bytes;
        std::vector<std::uint32_t> ends; // of its lines, which follow each other in it
    };
    std::vector<Block> blocks_;
    std::vector<int> sourceLines_;
};

// The statements alone.
PrintedScript printScript(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag);

// The whole program: its page-level variables (the main program's, the globals, the statics),
// each with the empty value of its type or a static's initial value, its procedures, then the
// start-up function INIT with the main program.
PrintedScript printProgram(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag);

} // namespace qc
