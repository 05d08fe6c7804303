#pragma once
#include <string>

namespace qc {

// The language reference in Markdown, generated from the tables themselves so the README
// never drifts from what the translator accepts.
std::string languageReferenceMarkdown();

// The command and target-word tables as tab-separated lines ("command", signature, target
// name; "target", registered word), for tools that check the page runtime against them.
std::string tableDump();

} // namespace qc
