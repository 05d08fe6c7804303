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
