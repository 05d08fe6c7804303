// The front end on whole small programs, as golden files. Every tests/translator/parser/<name>.pb
// is read and parsed, and the tree as text, then the messages, are compared with <name>.tree;
// every tests/translator/printer/<name>.pb is converted through the tree and its script, then
// the messages, are compared with <name>.js. UPDATE_GOLDEN=1 rewrites the expected files
// instead of comparing. And every program of the browser data cases and the examples that
// converts without a message parses without one.
#include "common/diagnostics.h"
#include "common/files.h"
#include "common/text.h"
#include "translator/output/script_printer.h"
#include "translator/semantics/value_types.h"
#include "translator/source/language_pass.h"
#include "translator/source/parser.h"
#include "translator/source/source_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const fs::path kTestDir = fs::path(QUILLCAST_SOURCE_DIR) / "tests" / "translator";

std::string withMessages(std::string text, const qc::Diagnostics& diag) {
    for (const std::wstring& message : diag.errors()) text += "! " + qc::toUtf8(message) + "\n";
    return text;
}

qc::ReadProgram read(const fs::path& source, qc::Diagnostics& diag) {
    auto bytes = qc::readFileBytes(source);
    return qc::readProgram(qc::decodeSourceBytes(bytes ? *bytes : std::string()), nullptr, diag);
}

std::string parsed(const fs::path& source) {
    qc::CollectingSink sink;
    qc::Diagnostics diag(&sink);
    qc::ReadProgram program = read(source, diag); // the tree's names point into it
    qc::SyntaxTree tree = qc::parseStatements(program.statements, diag);
    return withMessages(qc::toUtf8(qc::describeTree(tree)), diag);
}

std::string printed(const fs::path& source) {
    qc::CollectingSink sink;
    qc::Diagnostics diag(&sink);
    qc::ProgramFacts facts;
    auto statements =
        qc::runLanguagePass(std::move(read(source, diag).statements), diag, nullptr, &facts);
    qc::SyntaxTree tree = qc::parseStatements(statements, diag);
    std::string text;
    qc::TypedTree typed = qc::typeTree(tree, nullptr, &diag, &facts);
    for (const std::wstring& line : qc::printProgram(tree, typed, diag).lines())
        text += qc::toUtf8(line) + "\n";
    return withMessages(std::move(text), diag);
}

void compareGoldens(const char* folder, const char* extension,
                    std::string (*produce)(const fs::path&)) {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(kTestDir / folder))
        if (entry.path().extension() == ".pb") cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_FALSE(cases.empty());
    const char* update = std::getenv("UPDATE_GOLDEN");
    for (const fs::path& source : cases) {
        fs::path expected = fs::path(source).replace_extension(extension);
        std::string got = produce(source);
        if (update != nullptr && std::string(update) == "1") {
            std::ofstream(expected, std::ios::binary) << got;
            continue;
        }
        auto want = qc::readFileBytes(expected);
        ASSERT_TRUE(want.has_value()) << expected << " is missing (UPDATE_GOLDEN=1 writes it)";
        EXPECT_EQ(*want, got) << source.filename();
    }
}

TEST(Parser, ProgramsGiveTheirTrees) {
    compareGoldens("parser", ".tree", parsed);
}

TEST(Printer, ProgramsGiveTheirScripts) {
    compareGoldens("printer", ".js", printed);
}

// Programs whose conversion reports nothing must read whole: the grammar knows every form they
// use. Macros and conditional compilation are resolved first, as in a conversion.
TEST(Parser, ProgramsThatConvertCleanlyParseCleanly) {
    const fs::path root(QUILLCAST_SOURCE_DIR);
    int read = 0;
    for (const char* folder : {"tests/programs", "examples"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            if (entry.path().extension() != ".pb") continue;
            std::string text = *qc::readFileBytes(entry.path());
            if (text.find("; expect-log:") != std::string::npos) continue;
            qc::Diagnostics reading;
            qc::ReadProgram program =
                qc::readProgram(qc::decodeSourceBytes(text), nullptr, reading);
            qc::ProgramFacts facts;
            auto statements =
                qc::runLanguagePass(std::move(program.statements), reading, nullptr, &facts);
            qc::CollectingSink sink;
            qc::Diagnostics diag(&sink);
            qc::SyntaxTree tree = qc::parseStatements(statements, diag, &facts);
            ++read;
            for (const std::wstring& message : diag.errors())
                ADD_FAILURE() << entry.path().lexically_relative(root) << ": "
                              << qc::toUtf8(message);
        }
    }
    EXPECT_GT(read, 100);
}

// A node keeps its texts in a narrow form that holds up to 262,142 characters and sends longer
// ones elsewhere: a string, the statement it stands in and a name on either side of that
// length come out of the tree whole, each where it was read.
TEST(Parser, TextsLongerThanANodeHoldsItselfComeThroughWhole) {
    for (size_t length : {0u, 1u, 262140u, 262141u, 262142u, 262143u, 300000u}) {
        std::wstring literal = L"\"" + std::wstring(length, L'x') + L"\"";
        std::wstring name = L"n" + std::wstring(length, L'q') + L"$";
        std::wstring statement = name + L" = " + literal;
        qc::CollectingSink sink;
        qc::Diagnostics diag(&sink);
        qc::SyntaxTree tree = qc::parseStatements({L"a = 1", statement}, diag);
        ASSERT_TRUE(diag.errors().empty()) << length;
        ASSERT_EQ(tree.program.count, 2u) << length;
        const qc::Stmt& assign = tree.stmts[tree.child(tree.program, 1)];
        ASSERT_EQ(assign.kind, qc::StmtKind::kAssign) << length;
        EXPECT_EQ(std::wstring_view(assign.source), statement) << length;
        const qc::Expr& target = tree.expr(assign.exprs, 0);
        const qc::Expr& value = tree.expr(assign.exprs, 1);
        EXPECT_EQ(std::wstring(target.text) + std::wstring(target.suffix), name) << length;
        EXPECT_EQ(std::wstring_view(value.text), literal) << length;
        // Where it was read: the tree's views are of the statement's own characters.
        EXPECT_EQ(value.text.data(), assign.source.data() + name.size() + 3) << length;
    }
}

} // namespace
