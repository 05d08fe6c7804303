// Which files a conversion puts into the page, and how they are written there.
#include "../hostile/hostile_support.h"
#include "common/text.h"
#include "convert/embedded_files.h"

#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Embedding : public hostile::HostileTest {
protected:
    std::vector<std::wstring> names(const std::vector<std::wstring>& lines, size_t limit,
                                    qc::CollectingSink& sink) {
        qc::Diagnostics diag(&sink);
        std::vector<std::wstring> found;
        for (const auto& f :
             qc::collectEmbeddedFiles(lines, dir / "src", dir / "src/page.html", diag, limit))
            found.push_back(f.name);
        return found;
    }
};

TEST(EmbeddingScan, CallsThatNameTheirFileAtRunTime) {
    struct Case {
        const wchar_t* line;
        bool atRunTime;
    };
    // clang-format off
    const Case cases[] = {
        {L"LoadImage(1,\"a.png\");", false},
        {L"LoadImage(1, f$);", true},
        {L"if(ReadFile(0,\"dir/\"+n$)){", true},
        {L"x=ReadFile(0,\"a\\\"b.txt\");", false},
        {L"Debug(\"ReadFile(0,x$)\");", false},
        {L"LoadFont(0,name$,12);", false},
        {L"ExamineDirectory(0,\"\",\"*.*\");", true},
        {L"OpenPreferences(p$);", true},
        {L"MyReadFile(0,x$);", false},
        {L"a.ReadFile(0,x$);", false},
        {L"ReadFile(0,Name(\"a\"),1);", true},
        {L"FileSize(\"a.txt\")+FileSize(\"b,c.txt\");", false},
        {L"CopyFile(s$,\"b.txt\");", true},
        {L"OpenFile(id,\"x\" );", false},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(qc::namesFilesAtRunTime(std::vector<std::wstring>{c.line}), c.atRunTime)
            << qc::toUtf8(c.line);
}

TEST(EmbeddingScan, LiteralsWithTheirEscapes) {
    std::vector<std::wstring> got = qc::scriptStringLiterals(
        std::vector<std::wstring>{L"a=\"x\\\\y\"+\"q\\\"t\";", L"b=\"\";Debug(\"n\\n\")"});
    std::vector<std::wstring> want = {L"x\\y", L"q\"t", L"", L"n\n"};
    EXPECT_EQ(got, want);
}

TEST_F(Embedding, OnlyFilesInsideTheFolderAndUnderTheLimit) {
    fs::create_directories(dir / "src/img");
    fs::create_directories(dir / "src/.hidden");
    write("src/a.txt", "alpha");
    write("src/empty.txt", "");
    write("src/img/b.png", std::string("\0\xff\x10", 3));
    write("src/.hidden/c.txt", "hidden");
    write("src/page.html", "an earlier page");
    write("outside.txt", "not the program's");
    fs::create_symlink(dir / "outside.txt", dir / "src/link.txt");
    struct Case {
        std::vector<std::wstring> lines;
        size_t limit;
        std::vector<std::wstring> names;
    };
    const size_t big = qc::kEmbeddedBytesLimit;
    // clang-format off
    const Case cases[] = {
        {{L"x=\"a.txt\";y=\"a.txt\";"}, big, {L"a.txt"}},
        {{L"x=\"empty.txt\";"}, big, {L"empty.txt"}},
        {{L"LoadImage(0,\"img\\\\b.png\");"}, big, {L"img/b.png"}},
        {{L"LoadImage(0,\"./img/../img/b.png\");"}, big, {L"img/b.png"}},
        {{L"LoadImage(0,\"IMG\\\\B.PNG\");"}, big, {L"img/b.png"}},
        {{L"LoadImage(0,\"IMG\\\\C.PNG\");"}, big, {}},
        {{L"x=\"IMG/B.PNG\";y=\"Img/b.Png\";z=\"A.TXT\";w=\"img/C.png\";"}, big,
         {L"img/b.png", L"a.txt"}},
        {{L"ReadFile(0,\"../outside.txt\");"}, big, {}},
        {{L"ReadFile(0,\"link.txt\");"}, big, {}},
        {{L"ReadFile(0,\"" + qc::fromUtf8((dir / "src/a.txt").string()) + L"\");"}, big, {}},
        {{L"ReadFile(0,\"img\");ReadFile(0,\"page.html\");ReadFile(0,\".hidden/c.txt\")"}, big,
         {L".hidden/c.txt"}},
        {{L"LoadImage(0,\"img/b.png\");", L"ReadFile(0,n$);"}, big, {L"img/b.png", L"a.txt"}},
        {{L"x=\"img/b.png\";y=\"a.txt\";"}, 4, {L"img/b.png"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        qc::CollectingSink sink;
        EXPECT_EQ(names(c.lines, c.limit, sink), c.names) << qc::toUtf8(c.lines[0]);
        EXPECT_EQ(sink.lines.empty(), c.limit == big) << qc::toUtf8(c.lines[0]);
    }
    qc::CollectingSink sink;
    names({L"a=\"a.txt\";ReadFile(0,n$);"}, 2, sink);
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0],
              L"file \"a.txt\" and 1 more not embedded: the files in the page would pass 0 MB");
}

TEST(EmbeddingBlock, DataBlockAfterTheBodyTag) {
    std::vector<std::wstring> page = {L"<html>", L"<script>", L"</script>", L"<body id=\"x\">",
                                      L"</body>"};
    std::vector<std::wstring> out = qc::withEmbeddedFiles(
        page, {{L"a<b\u00e9.bin", std::string("\0\xff\x10", 3)}, {L"t.txt", "Man"}});
    ASSERT_EQ(out.size(), page.size() + 1);
    EXPECT_EQ(out[4], L"<script type=\"application/json\" id=\"QLCXfiles\">"
                      L"[[\"a\\u003cb\\u00e9.bin\",\"AP8Q\"],[\"t.txt\",\"TWFu\"]]</script>");
    EXPECT_EQ(out[5], L"</body>");
    EXPECT_EQ(qc::withEmbeddedFiles(page, {}), page);
}

} // namespace
