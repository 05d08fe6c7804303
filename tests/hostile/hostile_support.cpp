#include "hostile_support.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace hostile {

std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliRun runShell(const std::string& command) {
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

CliRun runCli(const std::string& args, int limitSeconds, const std::string& prefix) {
    // `timeout` turns a hang into exit code 124 instead of a test that never ends.
    return runShell(prefix + " timeout " + std::to_string(limitSeconds) + " " +
                    shellQuote(QUILLCAST_CLI) + " " + args);
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isValidUtf8(const std::string& bytes) {
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

void HostileTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps two builds running these tests at once out of each other's way.
    dir = fs::temp_directory_path() / ("qc-hostile-" + std::to_string(::getpid()) + "-" +
                                       info->test_suite_name() + "-" + info->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
}

void HostileTest::TearDown() {
    std::error_code ec;
    fs::remove_all(dir, ec);
}

fs::path HostileTest::write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return dir / name;
}

fs::path HostileTest::pageOf(const std::string& name) const {
    return dir / (name + ".html");
}

CliRun HostileTest::convert(const std::string& name, const std::string& extraArgs) {
    return runCli(shellQuote((dir / name).string()) + " -o " + shellQuote(pageOf(name).string()) +
                  " " + extraArgs);
}

std::string HostileTest::listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const auto& name : names) text += name + " ";
    return text;
}

} // namespace hostile
