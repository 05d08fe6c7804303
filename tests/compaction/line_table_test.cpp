// The line table behind compaction: joining the statements of one source line, the table's
// text, and the page's own decoder (page-runtime/90-faults.js, run in node) reading it back.
#include "common/files.h"
#include "common/line_table.h"
#include "common/text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::wstring>;

std::string show(const Lines& lines, const std::vector<int>& sources) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += std::to_string(i < sources.size() ? sources[i] : -1) + " " + qc::toUtf8(lines[i]) +
                "\n";
    return text;
}

TEST(LineTable, JoinsTheStatementsOfOneSourceLineWhereNothingCanContinue) {
    struct Row {
        Lines lines;
        std::vector<int> sources;
        Lines joined;
        std::vector<int> joinedSources;
    };
    const Row rows[] = {
        {{L"a=1;", L"b=2;", L"c=3;"}, {4, 4, 5}, {L"a=1;b=2;", L"c=3;"}, {4, 5}},
        {{L"if(a){", L"b=1;", L"}", L"c=2;"}, {3, 3, 3, 3}, {L"if(a){b=1}", L"c=2;"}, {3, 3}},
        // Declarations in a row are one; the ";" of an empty body stays.
        {{L"function f(){", L"var a=0;", L"var b=\"\";", L"var c=0;", L"if(a);", L"}"},
         {2, 2, 2, 2, 2, 2},
         {L"function f(){var a=0,b=\"\",c=0;if(a);}"},
         {2}},
        {{L"var a=0;", L"var f=function(){", L"};", L"var b=0;", L"}"},
         {1, 1, 1, 1, 1},
         {L"var a=0,f=function(){};var b=0}"},
         {1}},
        {{L"var a=0;", L"var b=0;", L"var c=0;"},
         {1, 1, 2},
         {L"var a=0,b=0;", L"var c=0;"},
         {1, 2}},
        // A line ending in "}" may end a function expression that only the line end closes.
        {{L"var f=function(){", L"}", L"g();"},
         {0, 0, 0},
         {L"var f=function(){}", L"g();"},
         {0, 0}},
        {{L"a=1;", L"b=2;"}, {1, 2}, {L"a=1;", L"b=2;"}, {1, 2}},
        {{}, {}, {}, {}},
    };
    for (const Row& row : rows) {
        Lines lines;
        std::vector<int> sources;
        qc::SourceLineReader reader(lines, sources);
        for (size_t i = 0; i < row.lines.size(); ++i) reader.add(row.lines[i], row.sources[i]);
        EXPECT_EQ(show(row.joined, row.joinedSources), show(lines, sources));
    }
}

// Marker lines give their number to the lines after them and are taken out; a line before
// any marker has none, and a marker's number ends at its first character that is no digit.
TEST(LineTable, MarkerLinesNumberTheLinesAfterThem) {
    struct Row {
        Lines lines;
        Lines read;
        std::vector<int> sources;
    };
    const Row rows[] = {
        {{L"a=1;", L"\"qlcx-line 4\";", L"b=2;", L"c=3;", L"\"qlcx-line 0\";", L"}"},
         {L"a=1;", L"b=2;c=3;", L"}"},
         {0, 4, 0}},
        {{L"\"qlcx-line 7\";", L"\"qlcx-line 9\";", L"f(){", L"\"qlcx-line 12x\";", L"g();"},
         {L"f(){", L"g();"},
         {9, 12}},
        {{L"\"qlcx-line\";", L"x=\"qlcx-line 3\";"}, {L"\"qlcx-line\";x=\"qlcx-line 3\";"}, {0}},
    };
    for (const Row& row : rows) {
        Lines lines;
        std::vector<int> sources;
        qc::SourceLineReader reader(lines, sources);
        for (const std::wstring& line : row.lines) reader.add(line);
        EXPECT_EQ(show(row.read, row.sources), show(lines, sources));
    }
}

TEST(LineTable, RunsOfConsecutiveLinesAreOneNumber) {
    struct Row {
        std::vector<int> sources;
        int firstPageLine;
        const wchar_t* table;
    };
    const Row rows[] = {
        {{}, 6, L"window.QLCXLines=\"\";"},
        {{0, 0, 0}, 6, L"window.QLCXLines=\"\";"},
        {{0, 1, 2, 3, 4}, 6, L"window.QLCXLines=\"OCH\";"},          // 7 1 -3
        {{5, 5, 6, 2, 3, 0}, 1, L"window.QLCXLines=\"CKECCJDCH\";"}, // 1 5 2 1 1 -4 -1 1 -3
        {{1, 1, 1, 9}, 10, L"window.QLCXLines=\"UCGQ\";"},           // 10 1 3 8
        {{100, 37}, 1, L"window.QLCXLines=\"CoGC/D\";"},             // 1 100 1 -63
    };
    for (const Row& row : rows)
        EXPECT_EQ(qc::toUtf8(row.table),
                  qc::toUtf8(qc::lineTableScript(row.sources, row.firstPageLine)));
}

// The page's decoder, taken from the runtime file, asked for every page line of random
// tables: each answer must be the source line the table was written from.
TEST(LineTable, ThePagesDecoderReadsBackEveryLine) {
    auto runtime =
        qc::readFileBytes(fs::path(QUILLCAST_SOURCE_DIR) / "page-runtime" / "90-faults.js");
    ASSERT_TRUE(runtime);
    size_t start = runtime->find("var QLCX_LineDigits");
    size_t end = runtime->find("\n}\n", runtime->find("function QLCX_SourceLine(", start));
    ASSERT_NE(start, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    std::mt19937 random(7);
    std::ostringstream script;
    script << "var window = {};\n" << runtime->substr(start, end + 3 - start);
    std::string expected;
    const int firstPageLine = 6;
    for (int table = 0; table < 40; ++table) {
        std::vector<int> sources;
        int source = 0;
        int lines = static_cast<int>(random() % 60);
        for (int i = 0; i < lines; ++i) {
            int step = static_cast<int>(random() % 10);
            // mostly one line further, as a program reads; sometimes back, same, or to 0
            if (step < 6)
                source += 1;
            else if (step == 6)
                source = 0;
            else if (step == 7)
                source = std::max(0, source - static_cast<int>(random() % 5));
            else if (step == 8)
                source += static_cast<int>(random() % 20);
            sources.push_back(source);
        }
        std::wstring text = qc::lineTableScript(sources, firstPageLine);
        script << qc::toUtf8(text.substr(0, text.size() - 1)) << "\nvar out = [];\n"
               << "for (var p = 0; p <= " << firstPageLine + lines + 1 << "; p++) {"
               << " out.push(QLCX_SourceLine(p)); }\nconsole.log(out.join(' '));\n";
        std::string line;
        for (int p = 0; p <= firstPageLine + lines + 1; ++p) {
            int at = p - firstPageLine;
            int want = 0;
            if (p > 0 && at >= 0 && lines > 0)
                want = sources[static_cast<size_t>(std::min(at, lines - 1))];
            if (p > 0 && at < 0) want = 0;
            line += (p == 0 ? "" : " ") + std::to_string(want);
        }
        expected += line + "\n";
    }
    fs::path file = fs::temp_directory_path() / "quillcast-line-table-test.js";
    std::ofstream(file, std::ios::binary) << script.str();
    std::string command = "/usr/bin/node '" + file.string() + "' 2>&1";
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    fs::remove(file);
    EXPECT_EQ(expected, output);
}

} // namespace
