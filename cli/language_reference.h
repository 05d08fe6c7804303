#pragma once
#include <string>

namespace qc {

// The language reference in Markdown, generated from the tables themselves so the README
// never drifts from what the translator accepts.
std::string languageReferenceMarkdown();

} // namespace qc
