// The reader's messages as the headless tool shows them: on stderr, one per bad line, with
// exit code 1 and the page still written.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::vector<std::string> stderrLines;
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CliRun runCli(const fs::path& source, const fs::path& output, const fs::path& errors) {
    std::string command = std::string("\"") + QUILLCAST_CLI + "\" \"" + source.string() +
                          "\" -o \"" + output.string() + "\" 2> \"" + errors.string() + "\"";
    int status = std::system(command.c_str());
    CliRun run;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    std::istringstream lines(readAll(errors));
    for (std::string line; std::getline(lines, line);) run.stderrLines.push_back(line);
    return run;
}

class CliReader : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qc-cli-reader-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& bytes) {
        fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

bool contains(const std::vector<std::string>& lines, const std::string& wanted) {
    for (const auto& l : lines)
        if (l == wanted) return true;
    return false;
}

TEST_F(CliReader, ForbiddenCharactersAreReportedAndThePageIsStillWritten) {
    fs::path source = write("bad.pb", "a = 1\r\nb = \x1B"
                                      "2\r\nc = 3\r\n\x0C\x0C\r\n");
    fs::path page = dir_ / "bad.html";
    CliRun run = runCli(source, page, dir_ / "stderr.txt");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.stderrLines, "line 2  column 5 error unknow character($1B)!"));
    EXPECT_TRUE(contains(run.stderrLines, "line 4  column 1 error unknow character($C)!"));
    int messages = 0;
    for (const auto& l : run.stderrLines) messages += l.find("unknow character") != l.npos;
    EXPECT_EQ(messages, 2);
    ASSERT_TRUE(fs::exists(page));
    EXPECT_NE(readAll(page).find("<script"), std::string::npos);
}

} // namespace
