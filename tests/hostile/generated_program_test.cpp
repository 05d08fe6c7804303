// The benchmark's generated programs use the whole language at once: procedures with
// recursion, structures, lists, arrays, every block statement and nested event loops. They
// are valid, so they must convert without a single error message, and both the compacted and
// the uncompacted script must parse as JavaScript.
#include "hostile_support.h"

#include <cstdlib>
#include <string>

using hostile::CliRun;
using hostile::readAll;
using hostile::shellQuote;

namespace {

class GeneratedProgram : public hostile::HostileTest {};

bool haveCommand(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The script between the script tags, for `node --check`.
std::string scriptOf(const std::string& page) {
    size_t open = page.find("<script");
    size_t start = page.find('>', open);
    size_t end = page.find("</script>");
    if (open == std::string::npos || start == std::string::npos || end == std::string::npos)
        return {};
    return page.substr(start + 1, end - start - 1);
}

TEST_F(GeneratedProgram, ConvertsWithoutErrorsIntoValidScripts) {
    if (!haveCommand("python3")) GTEST_SKIP() << "python3 is needed to generate the program";
    const std::string generator = std::string(QUILLCAST_SOURCE_DIR) + "/bench/gen-program.py";
    for (int seed : {11, 12}) {
        const std::string name = "generated-" + std::to_string(seed) + ".pb";
        CliRun generate =
            hostile::runShell("python3 " + shellQuote(generator) + " 3000 --seed " +
                              std::to_string(seed) + " -o " + shellQuote((dir / name).string()));
        ASSERT_EQ(generate.exitCode, 0) << generate.log;
        for (const char* mode : {"", "--no-compact"}) {
            CliRun run = convert(name, mode);
            ASSERT_EQ(run.exitCode, 0) << name << " " << mode << "\n" << run.log.substr(0, 3000);
            if (!haveCommand("node")) continue;
            const auto script = dir / (name + ".js");
            std::string text = scriptOf(readAll(pageOf(name)));
            ASSERT_FALSE(text.empty());
            write(script.filename().string(), text);
            CliRun check = hostile::runShell("node --check " + shellQuote(script.string()));
            EXPECT_EQ(check.exitCode, 0) << name << " " << mode << "\n" << check.log;
        }
    }
}

} // namespace
