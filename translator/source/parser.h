#pragma once
// The parser: statements and expressions of the dialect, read from the lexer's tokens into a
// syntax tree. Expressions climb the operator table's precedences; blocks are matched here,
// so a stray or missing closer is a parse error with the same words the block check uses.
#include "common/diagnostics.h"
#include "translator/source/syntax_tree.h"

#include <string>
#include <vector>

namespace qc {

// Reads a statement list as the reader writes it ("°line<N>" markers, then statements) into a
// tree whose text views point into `statements`, which must outlive it.
//
// Reports, with the line of the statement:
//   - "X without Y" for a closer without its block (the closer is dropped) and for a block
//     left open (closed where the program, or the procedure around it, ends);
//   - "Procedure inside Procedure";
//   - "syntax error near T" where a statement does not read (it becomes one kError node,
//     and the blocks around it stay as they are).
SyntaxTree parseStatements(const std::vector<std::wstring>& statements, Diagnostics& diag);

} // namespace qc
