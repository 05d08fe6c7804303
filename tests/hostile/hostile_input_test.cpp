// Sources no one should write but someone will: huge files, huge lines, absurd nesting,
// every byte value, broken UTF-8. Each conversion must end (a hang is exit code 124), with
// exit code 0 or 1 as the input deserves, and write a page that is valid UTF-8.
#include "hostile_support.h"

#include <ostream>
#include <string>
#include <vector>

using hostile::CliRun;
using hostile::readAll;

namespace {

class HostileInput : public hostile::HostileTest {
protected:
    // Converts the text and checks what every hostile conversion owes: the expected exit
    // code, and a complete page in UTF-8. Returns the page.
    std::string convertText(const std::string& name, const std::string& text, int exitCode,
                            const std::string& extraArgs = "") {
        write(name, text);
        CliRun run = convert(name, extraArgs);
        EXPECT_EQ(run.exitCode, exitCode) << name << "\n" << run.log.substr(0, 2000);
        std::string page = readAll(pageOf(name));
        EXPECT_TRUE(hostile::isValidUtf8(page)) << name;
        EXPECT_NE(page.find("</html>"), std::string::npos) << name << ": page incomplete";
        return page;
    }
};

std::string repeat(const std::string& piece, size_t count) {
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}

TEST_F(HostileInput, FiftyMegabyteSource) {
    // Mostly comments, blank lines and lines of colons, with real statements in between:
    // the reading stage sees every byte, the later stages see a modest program.
    std::string text = "Debug \"first-marker\"\n";
    const std::string block = repeat("; a comment line that only the reader ever sees ....\n", 20) +
                              "\t\t\n:  :  :\n" + "total = total + 1\n";
    text.reserve(50u << 20);
    while (text.size() < (50u << 20)) text += block;
    text += "Debug \"last-marker\"\n";
    for (const char* mode : {"", "--no-compact"}) {
        std::string page = convertText("big.pb", text, 0, mode);
        EXPECT_NE(page.find("first-marker"), std::string::npos) << mode;
        EXPECT_NE(page.find("last-marker"), std::string::npos) << mode;
    }
}

// One huge or deeply nested input per test, so that the test runner can spread them.
struct BigInput {
    const char* name;
    std::string (*make)();
    int exitCode;
    size_t smallestPage; // a literal must arrive whole; a long name may be shortened
};

void PrintTo(const BigInput& input, std::ostream* out) {
    *out << input.name;
}

class HostileBigInput : public HostileInput, public ::testing::WithParamInterface<BigInput> {};

TEST_P(HostileBigInput, EndsWithItsExitCodeAndACompletePage) {
    const BigInput& input = GetParam();
    std::string page = convertText(std::string(input.name) + ".pb", input.make(), input.exitCode);
    EXPECT_GE(page.size(), input.smallestPage);
}

constexpr size_t kTenMb = 10u << 20;
constexpr size_t kIfs = 100000;
constexpr size_t kLoops = 10000;

const BigInput kBigInputs[] = {
    // Lines of 10 MB.
    {"Literal", [] { return "Debug \"" + std::string(kTenMb, 'x') + "\"\n"; }, 0, kTenMb},
    {"UnclosedLiteral", [] { return "Debug \"" + std::string(kTenMb, 'x') + "\n"; }, 1, 0},
    {"OneWord", [] { return "Debug " + std::string(kTenMb, 'x') + "\n"; }, 0, 0},
    // 2 MB of statements on one line: every one of them becomes a line of the script.
    {"StatementsOnOneLine", [] { return repeat("n = n + 1 : ", (2u << 20) / 12) + "\n"; }, 0,
     (2u << 20) / 3},
    // Nesting far beyond any real program, beyond the browser's own limit for blocks and
    // beyond what the translator walks: reported as "nesting too deep", the page still written.
    {"NestedIfs", [] { return repeat("If a = 1\n", kIfs) + "a = 2\n" + repeat("EndIf\n", kIfs); },
     1, 0},
    {"NestedRepeats",
     [] {
         return repeat("Repeat\n", kLoops) + "e = WaitWindowEvent()\n" +
                repeat("Until e = 1\n", kLoops);
     },
     1, 0},
    {"NestedRepeatsInIfs",
     [] {
         return repeat("If a = 1\nRepeat\n", kLoops) + "a = 2\n" +
                repeat("Until a = 2\nEndIf\n", kLoops);
     },
     1, 0},
    {"NestedBrackets", [] { return "a = " + repeat("(", kIfs) + "1" + repeat(")", kIfs) + "\n"; },
     1, 0},
    {"UnclosedIfs", [] { return repeat("If a = 1\n", kIfs); }, 1, 0},
    {"StrayBlockEnds", [] { return repeat("EndIf\nUntil a = 1\nNext\nWend\n", kLoops); }, 1, 0},
    {"UnbalancedBrackets", [] { return "a = " + repeat("(", kIfs) + "1\n" + repeat(")\n", kIfs); },
     1, 0},
};

INSTANTIATE_TEST_SUITE_P(Hostile, HostileBigInput, ::testing::ValuesIn(kBigInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileInput, EveryByteValue) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    std::string inLiterals;
    std::string inNames;
    for (int b = 0; b < 256; ++b) {
        // Appended piece by piece: GCC 12's -Wrestrict misreads "a" + std::string + "b".
        inLiterals.append("Debug \"").append(1, static_cast<char>(b)).append("\"\n");
        inNames.append("a").append(1, static_cast<char>(b)).append("b = 1\n");
    }
    // Bytes 27, 28, 12 and 26 are reported wherever they stand; the rest is read somehow.
    for (const auto& [name, text] : {std::pair{"raw.pb", allBytes},
                                     {"literals.pb", inLiterals},
                                     {"names.pb", inNames},
                                     {"repeated.pb", repeat(allBytes, 4096)}}) {
        write(name, text);
        CliRun run = convert(name);
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_NE(run.log.find("error unknow character($1B)!"), std::string::npos) << name;
        EXPECT_TRUE(hostile::isValidUtf8(readAll(pageOf(name)))) << name;
    }
}

TEST_F(HostileInput, InvalidUtf8IsReadAsSingleBytes) {
    // A file that is not valid UTF-8 is read byte by byte as Windows-1252: the page shows
    // the same characters the user's editor showed, encoded as UTF-8.
    std::string page =
        convertText("latin.pb", "Debug \"caf\xE9 \x80 na\xEFve\"\n", 0, "--no-compact");
    EXPECT_NE(page.find("caf\xC3\xA9 \xE2\x82\xAC na\xC3\xAFve"), std::string::npos);
    const std::string broken[] = {
        "\x80",             // a continuation byte alone
        "\xE2\x82",         // a sequence cut short
        "\xC0\xAF",         // an overlong form of "/"
        "\xED\xA0\x80",     // an encoded surrogate
        "\xF4\x90\x80\x80", // beyond the last code point
        "\xF8\x88\x80\x80\x80",
        "\xFF\xFE",
        "ok\xEF\xBB\xBF", // a byte-order mark in the middle
    };
    int n = 0;
    for (const auto& bytes : broken) {
        std::string name = "broken" + std::to_string(n++) + ".pb";
        convertText(name, "s$ = \"" + bytes + "\"\nDebug s$ + \"" + bytes + "\"\n", 0);
    }
}

TEST_F(HostileInput, DegenerateFiles) {
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"zeros.pb", std::string(1u << 20, '\0')},
        {"carriage-returns.pb", std::string(1u << 20, '\r')},
        {"colons.pb", std::string(1u << 20, ':')},
        {"quotes.pb", std::string(1u << 20, '"')},
        {"semicolons.pb", std::string(1u << 20, ';')},
        {"blanks.pb", std::string(1u << 20, ' ')},
        {"bom-only.pb", "\xEF\xBB\xBF"},
        {"markers.pb", repeat("\xC2\xB0line7\n\xC2\xB0"
                              "cl }\n\xC2\xA7\n",
                              1000)},
    };
    for (const auto& c : cases) {
        write(c.name, c.text);
        CliRun run = convert(c.name);
        EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1) << c.name << "\n"
                                                            << run.log.substr(0, 2000);
        EXPECT_TRUE(hostile::isValidUtf8(readAll(pageOf(c.name)))) << c.name;
    }
}

} // namespace
