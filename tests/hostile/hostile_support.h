#pragma once
// Runs the real quillcast-cli on hostile input in a private temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace hostile {

struct CliRun {
    int exitCode = -1; // 124 when the run had to be stopped: it hung
    std::string log;   // stderr and stdout together
};

std::string shellQuote(const std::string& text);

// Runs a shell command with no input; its exit code and everything it printed.
CliRun runShell(const std::string& command);

// Runs `prefix quillcast-cli args`, stopped after `limitSeconds`. The prefix is shell text
// run before the program in the same shell (for example "ulimit -f 40;").
CliRun runCli(const std::string& args, int limitSeconds = 120, const std::string& prefix = "");

std::string readAll(const std::filesystem::path& path);
bool isValidUtf8(const std::string& bytes);

class HostileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path write(const std::string& name, const std::string& bytes);
    // Converts dir/name into dir/name.html; returns the run.
    CliRun convert(const std::string& name, const std::string& extraArgs = "");
    std::filesystem::path pageOf(const std::string& name) const;
    // Names of the files in the folder, sorted (to see that nothing stray was left).
    std::string listing() const;
    std::filesystem::path dir;
};

} // namespace hostile
