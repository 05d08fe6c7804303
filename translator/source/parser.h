#pragma once
// The parser: statements and expressions of the dialect, read from the lexer's tokens into a
// syntax tree. Expressions climb the operator table's precedences; blocks are matched here,
// so a stray or missing closer is a parse error with the same words the block check uses.
#include "common/diagnostics.h"
#include "translator/source/program_facts.h"
#include "translator/source/syntax_tree.h"

#include <string>
#include <vector>

namespace qc {

// Reads a statement list as the reader writes it ("°line<N>" markers, then statements) into a
// tree whose text views point into `statements`, which must outlive it.
//
// Reports, with the line of the statement:
//   - "X without Y" for a closer without its block (the closer is dropped) and for a block
//     left open (closed where the program, or the procedure around it, ends; a data section
//     where its data ends); "To" and "Step" outside a For are dropped the same way;
//   - "Procedure inside Procedure": the head ends the procedure before, with the blocks open
//     in it, and that procedure's own EndProcedure later closes nothing, silently;
//   - "syntax error near T" where a statement does not read (a plain statement becomes one
//     kError node; a block keeps its kind, and the blocks around it stay as they are), and
//     for what a bare block word cannot take ("EndIf+1", "Next-i"; the word still counts);
//   - "unknow typ" for a "?label" or a "!" where a value starts and for two values with only
//     a blank between them ("a b"), and "number too large" for an integer beyond 64 bits
//     (the statement still reads);
//   - "not supported: Continue n" for a Continue with a value (dropped).
// After a string left open nothing more of its line is reported, and an "If" or "For" alone
// that is never closed has only the message of the block left open.
//
// Modules: with `facts` (what the language pass learned of them), every name of a module's
// blocks is written "Module__Name", "Module::Name" is the item of that module, and UseModule
// makes what a module declares reachable without its name. Reports "module not found: M",
// a name outside its module that the module does not declare, and module blocks out of
// place ("Module inside a block", "EndModule without Module").
// The tree keeps its own copy of the statements' text: the list can go once it is built, and
// a list handed over goes as soon as that copy is made, before the tree is.
SyntaxTree parseStatements(const std::vector<std::wstring>& statements, Diagnostics& diag,
                           const ProgramFacts* facts = nullptr);
SyntaxTree parseStatements(std::vector<std::wstring>&& statements, Diagnostics& diag,
                           const ProgramFacts* facts = nullptr);

// `text` read as one expression into `tree`, whose nodes then point into `text`; kNoNode
// when it does not read as one, to its end. Nothing is reported: the caller knows what the
// text was meant to be (a constant's value, a compiler condition) and says so.
// With `facts`, "M::Item" reads as the item of module M.
NodeId parseExpression(std::wstring_view text, SyntaxTree& tree,
                       const ProgramFacts* facts = nullptr);

} // namespace qc
