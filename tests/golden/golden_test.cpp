// Golden tests: every tests/golden/<area>-<feature>.bas is translated and the script lines
// after the runtime library are compared with <name>.js; the error messages with
// <name>.log (which exists exactly when the translation reports errors). A translation
// without errors must be a script that parses: the whole script goes through node --check.
// UPDATE_GOLDEN=1 rewrites the expected files instead of comparing.
#include "common/diagnostics.h"
#include "common/files.h"
#include "common/text.h"
#include "translator/output/page_writer.h"
#include "translator/translate_source.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kGoldenDir = fs::path(QUILLCAST_SOURCE_DIR) / "tests" / "golden";

std::vector<std::string> goldenNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGoldenDir))
        if (entry.path().extension() == ".bas") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string joinLines(const std::vector<std::wstring>& lines) {
    std::string text;
    for (const auto& line : lines) text += qc::toUtf8(line) + "\n";
    return text;
}

std::string readText(const fs::path& path) {
    auto bytes = qc::readFileBytes(path);
    return bytes ? *bytes : std::string();
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

bool updating() {
    const char* flag = std::getenv("UPDATE_GOLDEN");
    return flag != nullptr && std::string(flag) == "1";
}

// The exit code of node --check on the script; the script goes to a temporary file.
int nodeCheck(const std::vector<std::wstring>& script, const std::string& name) {
    // The process id keeps two checkouts tested at once from writing the same file.
    fs::path file = fs::temp_directory_path() /
                    ("quillcast-golden-" + std::to_string(getpid()) + "-" + name + ".js");
    writeText(file, joinLines(script));
    std::string command = "/usr/bin/node --check '" + file.string() + "' 2>&1";
    int status = std::system(command.c_str());
    fs::remove(file);
    return status;
}

struct Translated {
    std::vector<std::wstring> programLines; // the script after the runtime library
    std::vector<std::wstring> scriptLines;
    std::vector<std::wstring> errors;
};

Translated translate(const fs::path& source) {
    qc::CollectingSink sink;
    qc::Diagnostics diag(&sink);
    qc::TranslationResult page = qc::translateText(qc::decodeSourceBytes(readText(source)), diag);
    Translated out;
    out.scriptLines = page.scriptLines;
    size_t runtime = qc::runtimeLibraryLineCount();
    if (page.scriptLines.size() >= runtime)
        out.programLines.assign(page.scriptLines.begin() + static_cast<long>(runtime),
                                page.scriptLines.end());
    out.errors = diag.errors();
    return out;
}

class Golden : public testing::TestWithParam<std::string> {};

TEST_P(Golden, MatchesExpectedScriptAndLog) {
    const std::string name = GetParam();
    Translated result = translate(kGoldenDir / (name + ".bas"));
    fs::path expectedScript = kGoldenDir / (name + ".js");
    fs::path expectedLog = kGoldenDir / (name + ".log");
    std::string script = joinLines(result.programLines);
    std::string log = joinLines(result.errors);
    if (updating()) {
        writeText(expectedScript, script);
        if (result.errors.empty())
            fs::remove(expectedLog);
        else
            writeText(expectedLog, log);
        return;
    }
    EXPECT_EQ(readText(expectedScript), script) << "script of " << name << ".bas";
    if (result.errors.empty()) {
        EXPECT_FALSE(fs::exists(expectedLog)) << name << ".log expects errors, none came";
        EXPECT_EQ(0, nodeCheck(result.scriptLines, name)) << name << ": script does not parse";
    } else {
        EXPECT_EQ(readText(expectedLog), log) << "messages of " << name << ".bas";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Golden, testing::ValuesIn(goldenNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string id = info.param;
                             for (char& c : id)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return id;
                         });

// The example programs are real programs too: each translates without errors into a script
// that parses.
TEST(Examples, TranslateIntoScriptsThatParse) {
    fs::path examples = fs::path(QUILLCAST_SOURCE_DIR) / "examples";
    if (!fs::exists(examples)) GTEST_SKIP() << "no examples folder";
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(examples)) {
        if (entry.path().extension() != ".pb") continue;
        Translated result = translate(entry.path());
        EXPECT_TRUE(result.errors.empty()) << entry.path() << ": " << joinLines(result.errors);
        EXPECT_EQ(0, nodeCheck(result.scriptLines, entry.path().stem().string()))
            << entry.path() << ": script does not parse";
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

} // namespace
