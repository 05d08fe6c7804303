// The parser on whole small programs: every tests/translator/parser/<name>.pb is read and
// parsed, and the tree as text, then the messages, are compared with <name>.tree.
// UPDATE_GOLDEN=1 rewrites the expected files instead of comparing.
#include "common/diagnostics.h"
#include "common/files.h"
#include "common/text.h"
#include "translator/source/parser.h"
#include "translator/source/source_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const fs::path kCaseDir = fs::path(QUILLCAST_SOURCE_DIR) / "tests" / "translator" / "parser";

std::string parsed(const fs::path& source) {
    auto bytes = qc::readFileBytes(source);
    qc::CollectingSink sink;
    qc::Diagnostics diag(&sink);
    qc::ReadProgram program =
        qc::readProgram(qc::decodeSourceBytes(bytes ? *bytes : std::string()), nullptr, diag);
    qc::SyntaxTree tree = qc::parseStatements(program.statements, diag);
    std::string text = qc::toUtf8(qc::describeTree(tree));
    for (const std::wstring& message : diag.errors()) text += "! " + qc::toUtf8(message) + "\n";
    return text;
}

TEST(Parser, ProgramsGiveTheirTrees) {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(kCaseDir))
        if (entry.path().extension() == ".pb") cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_FALSE(cases.empty());
    const char* update = std::getenv("UPDATE_GOLDEN");
    for (const fs::path& source : cases) {
        fs::path expected = fs::path(source).replace_extension(".tree");
        std::string got = parsed(source);
        if (update != nullptr && std::string(update) == "1") {
            std::ofstream(expected, std::ios::binary) << got;
            continue;
        }
        auto want = qc::readFileBytes(expected);
        ASSERT_TRUE(want.has_value()) << expected << " is missing (UPDATE_GOLDEN=1 writes it)";
        EXPECT_EQ(*want, got) << source.filename();
    }
}

} // namespace
