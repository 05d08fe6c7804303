// One-line typos and worse (tests/hostile/data/malformed-lines.txt, one program per line):
// whatever the converter makes of them, compacted and plain, the page's script must parse,
// so a typo can never silently stop the whole program; and both pages report the same.
#include "convert/conversion.h"
#include "hostile_support.h"

#include <string>
#include <vector>

namespace fs = std::filesystem;
using hostile::readAll;
using hostile::shellQuote;

namespace {

class MalformedSources : public hostile::HostileTest {};

std::string repeat(const std::string& piece, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}

TEST_F(MalformedSources, EveryPageParsesAndBothPagesReportAlike) {
    std::vector<std::string> sources;
    std::istringstream data(
        readAll(std::string(QUILLCAST_SOURCE_DIR) + "/tests/hostile/data/malformed-lines.txt"));
    for (std::string line; std::getline(data, line);)
        if (!line.empty() && line[0] != ';') sources.push_back(line);
    ASSERT_GT(sources.size(), 100u);
    // Nesting the browser would give up on.
    const size_t deepSources = 2;
    sources.push_back(repeat("If a = 1\n", 2000) + "a = 2\n" + repeat("EndIf\n", 2000));
    sources.push_back("a = " + repeat("(", 3000) + "1" + repeat(")", 3000));

    std::string pages;
    for (size_t i = 0; i < sources.size(); ++i) {
        const std::string& text = sources[i];
        fs::path source = write("case" + std::to_string(i) + ".pb", text + "\n");
        std::vector<std::wstring> logs[2];
        for (int compact = 0; compact < 2; ++compact) {
            fs::path page =
                dir / ("case" + std::to_string(i) + "-" + std::to_string(compact) + ".html");
            qc::Diagnostics diag(nullptr);
            qc::RenameState names;
            qc::ConversionOptions options;
            options.compact = compact == 1;
            qc::LoadedSource loaded;
            ASSERT_EQ(qc::loadSource(source, diag, loaded, nullptr, qc::coreStages(), page),
                      qc::ConversionStatus::kWritten);
            ASSERT_EQ(qc::writeConvertedPage(loaded, page, options, names, diag),
                      qc::ConversionStatus::kWritten);
            logs[compact] = diag.errors();
            pages += ' '; // appended apart: GCC 12 sees a false overlap in " " + text
            pages += shellQuote(page.string());
        }
        EXPECT_EQ(logs[0], logs[1]) << text;
        if (i >= sources.size() - deepSources) {
            ASSERT_FALSE(logs[0].empty());
            EXPECT_NE(logs[0].back().find(L"nesting too deep"), std::wstring::npos);
        }
    }
    hostile::CliRun check = hostile::runShell(
        "node " + shellQuote(std::string(QUILLCAST_SOURCE_DIR) + "/tests/hostile/parse-pages.mjs") +
        pages);
    EXPECT_EQ(check.exitCode, 0) << check.log;
}

} // namespace
