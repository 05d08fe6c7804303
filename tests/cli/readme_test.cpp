// The README's language reference is generated from the tables; this keeps it from drifting.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(Readme, LanguageReferenceMatchesTheTables) {
    std::string cmd = std::string(QUILLCAST_CLI) + " --language-reference";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string generated;
    std::array<char, 4096> buf{};
    for (size_t n; (n = fread(buf.data(), 1, buf.size(), p)) > 0;) generated.append(buf.data(), n);
    ASSERT_EQ(pclose(p), 0);

    std::ifstream in(std::string(QUILLCAST_SOURCE_DIR) + "/README.md");
    std::stringstream ss;
    ss << in.rdbuf();
    std::string readme = ss.str();
    const std::string begin = "<!-- language-reference:begin -->\n";
    size_t b = readme.find(begin);
    size_t e = readme.find("<!-- language-reference:end -->");
    ASSERT_NE(b, std::string::npos);
    ASSERT_NE(e, std::string::npos);
    std::string inReadme = readme.substr(b + begin.size(), e - b - begin.size());
    while (!generated.empty() && generated.back() == '\n') generated.pop_back();
    EXPECT_EQ(inReadme, generated + "\n") << "run scripts/update-readme";
}

} // namespace
