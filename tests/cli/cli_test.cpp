// The headless converter as a user runs it: exit codes, messages and the page file.
#include "../hostile/hostile_support.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using hostile::CliRun;
using hostile::readAll;
using hostile::runCli;
using hostile::shellQuote;

namespace {

class Cli : public hostile::HostileTest {};

// Sources and outputs that are folders, missing folders and read-only places are in
// hostile/hostile_paths_test.cpp.
TEST_F(Cli, FailuresGiveTheirMessageAndExitCode) {
    fs::path src = write("ok.pb", "x = 1\n");
    struct Case {
        std::string args;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {shellQuote((dir / "missing.pb").string()), 2, "file not found!"},
        {shellQuote(src.string()) + " -o " + shellQuote(src.string()), 2, "cannot write \""},
        {"", 2, "usage:"},
        {"--bogus", 2, "usage:"},
    };
    for (const auto& c : cases) {
        CliRun r = runCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args << "\n" << r.log;
        EXPECT_NE(r.log.find(c.message), std::string::npos) << c.args << "\n" << r.log;
    }
    EXPECT_EQ(readAll(src), "x = 1\n") << "the source must never be overwritten";
}

TEST_F(Cli, QuietAndHelp) {
    fs::path src = write("q.pb", "");
    CliRun quiet = runCli(shellQuote(src.string()) + " --quiet");
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.log, "");
    EXPECT_TRUE(fs::exists(dir / "q.pb.html"));
    // Errors still come, in source-line order (the procedure's is found after the main
    // program's otherwise), with their count last.
    fs::path bad = write("bad.pb", "x = #Nope1\nProcedure P()\ny = #Nope2\nEndProcedure\n");
    CliRun errors = runCli(shellQuote(bad.string()) + " --quiet");
    EXPECT_EQ(errors.exitCode, 1);
    EXPECT_EQ(errors.log.substr(0, 7), "line 1 ") << errors.log;
    EXPECT_NE(errors.log.find("line 3 "), std::string::npos) << errors.log;
    EXPECT_NE(errors.log.find("\n2 errors\n"), std::string::npos) << errors.log;
    CliRun help = runCli("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.log.find("--no-compact"), std::string::npos);
}

TEST_F(Cli, LogLinesOfAConversion) {
    fs::path src = write("game.pb", "a = 1\n");
    CliRun r = runCli(shellQuote(src.string()));
    ASSERT_EQ(r.exitCode, 0) << r.log;
    std::string size = std::to_string(fs::file_size(dir / "game.pb.html"));
    EXPECT_EQ(r.log, "read \"game.pb\" 6 bytes...\nfinished!\n\nconvert...\nfinished! " + size +
                         " bytes\n");
}

TEST_F(Cli, ExistingPageIsReplacedAndNoTemporaryFileStays) {
    fs::path src = write("r.pb", "");
    write("r.pb.html", "old page");
    CliRun r = runCli(shellQuote(src.string()));
    EXPECT_EQ(r.exitCode, 0) << r.log;
    EXPECT_NE(readAll(dir / "r.pb.html"), "old page");
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++files;
    EXPECT_EQ(files, 2) << "only the source and the page";
}

// A compacted page carries the debug pane only when written with the switch; a page of one
// Debug line stays small (the pane, keyboard, sound and most of the runtime's globals are
// out of it).
TEST_F(Cli, APageOfOneDebugLineCarriesOnlyWhatItUses) {
    fs::path src = write("d.pb", "Debug \"hi\"\n");
    for (const char* mode : {"", " --debug-pane"}) {
        CliRun r = runCli(shellQuote(src.string()) + " --quiet" + mode);
        ASSERT_EQ(r.exitCode, 0) << r.log;
        std::string page = readAll(dir / "d.pb.html");
        bool pane = *mode != '\0';
        EXPECT_EQ(page.find("\"QLCXdebug\"") != std::string::npos, pane) << mode;
        EXPECT_NE(page.find("alert(\"Debug: \""), std::string::npos) << mode;
        if (!pane) {
            EXPECT_LE(page.size(), 10000u);
        }
    }
}

// A page for an empty source is the bare skeleton: head lines, the script, the closing
// script tag, the style block byte for byte, then the body; CR LF everywhere, no BOM.
TEST_F(Cli, EmptySourceGivesTheSkeleton) {
    fs::path src = write("empty.pb", "");
    for (const char* mode : {"", " --no-compact"}) {
        CliRun r = runCli(shellQuote(src.string()) + mode);
        ASSERT_EQ(r.exitCode, 0) << r.log;
        std::string page = readAll(dir / "empty.pb.html");
        ASSERT_GE(page.size(), 3u);
        EXPECT_NE(page.substr(0, 3), "\xEF\xBB\xBF");
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t crlf; (crlf = page.find("\r\n", start)) != std::string::npos; start = crlf + 2)
            lines.push_back(page.substr(start, crlf - start));
        EXPECT_EQ(start, page.size()) << "the last line ends with CR LF too";
        for (const auto& l : lines) EXPECT_EQ(l.find('\n'), std::string::npos);
        const std::vector<std::string> head = {
            "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"  "
            "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">",
            "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">",
            "<head><title>-</title>",
            "<meta http-equiv=\"content-type\" content=\"text/html;charset=utf-8\"/>",
            "<script type=\"text/javascript\">"};
        const std::vector<std::string> tail = {
            "</head>",
            "<body id=\"winout\" onLoad=\"_qlcxi();\">",
            "<canvas id=\"QLCXcanvas\" width=\"1\" height=\"1\">",
            "This text is displayed if your browser does not support HTML5 Canvas!",
            "</canvas>",
            "</body>",
            "</html>"};
        ASSERT_GT(lines.size(), head.size() + tail.size());
        for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]);
        for (size_t i = 0; i < tail.size(); ++i)
            EXPECT_EQ(lines[lines.size() - tail.size() + i], tail[i]);
        // The style block sits between the script and the head's end.
        size_t close = std::find(lines.begin(), lines.end(), "</script>") - lines.begin();
        ASSERT_LT(close + 2, lines.size() - tail.size());
        EXPECT_EQ(lines[close + 1], "<style>");
        EXPECT_EQ(lines[lines.size() - tail.size() - 1], "</style>");
        EXPECT_EQ(lines[close - 1], "window.QLCXLines=\"\";") << "the line table ends the script";
        // The start-up function ends the program (compacted, its statements share one line).
        EXPECT_EQ(lines[close - 2].back(), '}');
        auto startUp = std::find_if(
            lines.begin(), lines.begin() + static_cast<long>(close),
            [](const std::string& l) { return l.rfind("function _qlcxi(){", 0) == 0; });
        EXPECT_GE(startUp - lines.begin(), static_cast<long>(close) - 8) << mode;
        EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("</script>")), 1);
    }
}

} // namespace
