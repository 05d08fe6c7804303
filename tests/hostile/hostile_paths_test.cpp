// Paths a user (or a script) can throw at the converter: sources that are devices, pipes or
// broken links, pages that cannot be written, and outputs that are the source in disguise.
// Each run ends with its message and exit code 2, leaves no stray file, and never damages
// a page or a source that was already there.
#include "hostile_support.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using hostile::CliRun;
using hostile::readAll;
using hostile::shellQuote;

namespace {

// The address sanitizer reserves terabytes of address space up front, more than a limit on it
// allows. GCC names it with a macro; clang 14 answers only __has_feature.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

class HostilePaths : public hostile::HostileTest {};

TEST_F(HostilePaths, SourcesThatAreNotRegularFilesAreRefusedAtOnce) {
    ASSERT_EQ(::mkfifo((dir / "pipe.pb").c_str(), 0600), 0);
    fs::create_symlink(dir / "loop-b.pb", dir / "loop-a.pb");
    fs::create_symlink(dir / "loop-a.pb", dir / "loop-b.pb");
    fs::create_symlink(dir / "nowhere.pb", dir / "dangling.pb");
    // Reading any of these would block forever (a pipe with no writer), never end
    // (/dev/zero) or read nothing real: the converter must not even open them.
    const std::string sources[] = {"/dev/zero",
                                   "/dev/null",
                                   "/dev/urandom",
                                   (dir / "pipe.pb").string(),
                                   (dir / "loop-a.pb").string(),
                                   (dir / "dangling.pb").string(),
                                   dir.string()};
    const std::string before = listing();
    for (const auto& source : sources) {
        CliRun run = hostile::runCli(
            shellQuote(source) + " -o " + shellQuote((dir / "page.html").string()), 20);
        EXPECT_EQ(run.exitCode, 2) << source << "\n" << run.log;
        EXPECT_NE(run.log.find("file not found!"), std::string::npos) << source << "\n" << run.log;
        EXPECT_EQ(listing(), before) << source;
    }
}

TEST_F(HostilePaths, PageThatCannotBeCreatedLeavesNothingBehind) {
    write("game.pb", "Debug \"hello\"\n");
    write("plain-file", "not a folder");
    std::vector<fs::path> outputs = {
        dir / "missing" / "deeper" / "game.html", // folder does not exist
        dir / "plain-file" / "game.html",         // "folder" is a file
        "/proc/self/game.html",                   // read-only even for root
        dir,                                      // the output is a folder
    };
    if (::geteuid() != 0) {
        fs::create_directory(dir / "locked");
        fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        outputs.push_back(dir / "locked" / "game.html");
    }
    const std::string before = listing();
    for (const auto& output : outputs) {
        CliRun run = hostile::runCli(shellQuote((dir / "game.pb").string()) + " -o " +
                                     shellQuote(output.string()));
        EXPECT_EQ(run.exitCode, 2) << output << "\n" << run.log;
        EXPECT_NE(run.log.find("cannot write \"" + output.string() + "\""), std::string::npos)
            << run.log;
        EXPECT_EQ(listing(), before) << output;
    }
    if (fs::exists(dir / "locked")) {
        fs::permissions(dir / "locked", fs::perms::owner_all);
        EXPECT_TRUE(fs::is_empty(dir / "locked"));
    }
}

// The disk fills up (here: a file size limit) in the middle of writing the page. The page
// from the last good conversion must survive untouched, and the partial file must go.
TEST_F(HostilePaths, WriteThatFailsHalfwayKeepsTheGoodPage) {
    write("game.pb", "Debug \"first\"\n");
    CliRun first = convert("game.pb");
    ASSERT_EQ(first.exitCode, 0) << first.log;
    const std::string goodPage = readAll(pageOf("game.pb"));
    ASSERT_GT(goodPage.size(), 1024u) << "the limit below must cut the page short";

    write("game.pb", "Debug \"second\"\n");
    // A file size limit of two blocks of 512 bytes (the style block alone is longer); the
    // signal is ignored so the write fails with "file too large" instead of killing the
    // program.
    CliRun second = hostile::runCli(shellQuote((dir / "game.pb").string()) + " -o " +
                                        shellQuote(pageOf("game.pb").string()),
                                    120, "trap '' XFSZ; ulimit -f 2;");
    EXPECT_EQ(second.exitCode, 2) << second.log;
    EXPECT_NE(second.log.find("cannot write"), std::string::npos) << second.log;
    EXPECT_EQ(readAll(pageOf("game.pb")), goodPage);
    EXPECT_EQ(listing(), "game.pb game.pb.html ");
}

TEST_F(HostilePaths, SourceUnderAnotherNameIsNeverOverwritten) {
    const std::string text = "Debug \"keep me\"\n";
    write("src.pb", text);
    fs::create_directory(dir / "sub");
    fs::create_hard_link(dir / "src.pb", dir / "hard.html");
    fs::create_symlink(dir / "src.pb", dir / "soft.html");
    const std::string aliases[] = {(dir / "hard.html").string(), (dir / "soft.html").string(),
                                   (dir / "." / "src.pb").string(),
                                   (dir / "sub" / ".." / "src.pb").string()};
    for (const auto& alias : aliases) {
        CliRun run =
            hostile::runCli(shellQuote((dir / "src.pb").string()) + " -o " + shellQuote(alias));
        EXPECT_EQ(run.exitCode, 2) << alias << "\n" << run.log;
        EXPECT_NE(run.log.find("cannot write"), std::string::npos) << alias << "\n" << run.log;
        EXPECT_EQ(readAll(dir / "src.pb"), text) << alias;
    }
    EXPECT_TRUE(fs::is_symlink(dir / "soft.html"));
    EXPECT_EQ(listing(), "hard.html soft.html src.pb sub ");
}

} // namespace

namespace {

// Outputs that are not pages: replacing a device, a pipe or the script itself would destroy
// it. Each is refused with exit 2 and stays as it was; a page that is replaced keeps its
// permission bits.
TEST_F(HostilePaths, OnlyRegularPagesAreReplacedAndKeepTheirPermissions) {
    write("game.pb", "Debug \"hello\"\n");
    write("init.js", "function INIT(){}\n");
    ASSERT_EQ(::mkfifo((dir / "pipe.html").c_str(), 0600), 0);
    const std::string game = shellQuote((dir / "game.pb").string());
    const std::pair<std::string, std::string> runs[] = {
        {game + " -o /dev/null", "/dev/null"},
        {game + " -o " + shellQuote((dir / "pipe.html").string()), (dir / "pipe.html").string()},
        {"--page-from-js " + shellQuote((dir / "init.js").string()) + " -o " +
             shellQuote((dir / "init.js").string()),
         (dir / "init.js").string()},
    };
    for (const auto& [args, output] : runs) {
        CliRun run = hostile::runCli(args, 20);
        EXPECT_EQ(run.exitCode, 2) << args << "\n" << run.log;
        EXPECT_NE(run.log.find("cannot write \"" + output + "\""), std::string::npos) << run.log;
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.html"));
    EXPECT_EQ(readAll(dir / "init.js"), "function INIT(){}\n");

    write("game.pb.html", "old page");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir / "game.pb.html", mode);
    ASSERT_EQ(convert("game.pb").exitCode, 0);
    EXPECT_EQ(fs::status(dir / "game.pb.html").permissions(), mode);
    EXPECT_EQ(listing(), "game.pb game.pb.html init.js pipe.html ");
}

// Stopped by a signal while the page is being written (a test hook holds the write half
// way): the temporary file goes with the process, and the old page stays.
TEST_F(HostilePaths, ConversionStoppedDuringTheWriteLeavesNoTemporaryFile) {
    write("game.pb", "Debug \"hello\"\n");
    write("game.pb.html", "old page");
    const std::string tmpGlob = shellQuote((dir / "game.pb.html").string()) + ".tmp*";
    CliRun run = hostile::runShell(
        "QUILLCAST_TEST_WRITE_PAUSE_MS=20000 " + shellQuote(QUILLCAST_CLI) + " " +
        shellQuote((dir / "game.pb").string()) + " & pid=$!; for i in $(seq 200); do " + "ls " +
        tmpGlob + " >/dev/null 2>&1 && break; sleep 0.05; done; kill -TERM $pid; " +
        "wait $pid; echo exit=$?");
    EXPECT_NE(run.log.find("exit=143"), std::string::npos) << run.log;
    EXPECT_EQ(listing(), "game.pb game.pb.html ");
    EXPECT_EQ(readAll(dir / "game.pb.html"), "old page");
}

// Memory runs out (an address space limit): a message and exit code 2, not an abort.
TEST_F(HostilePaths, OutOfMemoryIsReported) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "the sanitizer reserves more address space than the limit allows";
    }
    std::string text;
    while (text.size() < (8u << 20)) text += "a = 1 : b = 2 : c$ = \"xx\" + d$\n";
    write("big.pb", text);
    CliRun run = hostile::runCli(shellQuote((dir / "big.pb").string()), 120, "ulimit -v 400000;");
    EXPECT_EQ(run.exitCode, 2) << run.log.substr(0, 2000);
    EXPECT_NE(run.log.find("out of memory"), std::string::npos);
}

} // namespace
