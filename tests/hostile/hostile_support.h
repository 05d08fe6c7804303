#pragma once
// Runs the real quillcast-cli in a private temporary folder; shared by the hostile and the
// command-line tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace hostile {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1; // 124 when the run had to be stopped: it hung
    std::string log;   // stderr and stdout together
};

inline std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs a shell command with no input; its exit code and everything it printed.
inline CliRun runShell(const std::string& command) {
    CliRun run;
    FILE* pipe = popen((command + " </dev/null 2>&1").c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.log.append(buffer.data(), n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

// Runs `prefix quillcast-cli args`; `timeout` turns a hang into exit code 124. The prefix is
// shell text run before the program in the same shell (for example "ulimit -f 40;").
inline CliRun runCli(const std::string& args, int limitSeconds = 120,
                     const std::string& prefix = "") {
    return runShell(prefix + " timeout " + std::to_string(limitSeconds) + " " +
                    shellQuote(QUILLCAST_CLI) + " " + args);
}

inline std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline bool isValidUtf8(const std::string& bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        size_t extra = lead < 0x80         ? 0
                       : (lead >> 5) == 6  ? 1
                       : (lead >> 4) == 14 ? 2
                       : (lead >> 3) == 30 ? 3
                                           : 9;
        if (extra == 9 || lead == 0xC0 || lead == 0xC1 || lead > 0xF4) return false;
        if (i + extra >= bytes.size()) return false; // a sequence cut off at the end
        unsigned code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (size_t k = 1; k <= extra; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3F);
        }
        static constexpr std::array<unsigned, 4> kSmallest{0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

class HostileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps two builds running these tests at once out of each other's way.
        dir = fs::temp_directory_path() / ("qc-hostile-" + std::to_string(::getpid()) + "-" +
                                           info->test_suite_name() + "-" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }
    fs::path pageOf(const std::string& name) const { return dir / (name + ".html"); }
    // Converts dir/name into dir/name.html; returns the run.
    CliRun convert(const std::string& name, const std::string& extraArgs = "") {
        return runCli(shellQuote((dir / name).string()) + " -o " +
                      shellQuote(pageOf(name).string()) + " " + extraArgs);
    }
    // Names of the files in the folder, sorted (to see that nothing stray was left).
    std::string listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string text;
        for (const auto& name : names) text += name + " ";
        return text;
    }
    fs::path dir;
};

} // namespace hostile
