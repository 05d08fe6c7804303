// Generated block structures through the block check and the loop pass. Well-formed
// programs must pass the check silently and come out as balanced functions that keep every
// statement; programs without While, For and Select are also run twice, once as written and
// once as the timer runs the generated functions, and must do the same things in the same
// order, and their translated scripts must parse. Broken programs must be reported and must
// still give whole functions.
#include "common/text.h"
#include "loops/block_check.h"
#include "loops/restructure_loops.h"
#include "translator/page_writer.h"
#include "translator/translate_source.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace qc {
namespace {

using Lines = std::vector<std::wstring>;
const std::wstring kCl = L"\u00B0cl ";

struct Node {
    enum Kind { kStatement, kIf, kRepeat, kBreak, kContinue, kWhile, kFor, kSelect };
    Node(Kind k, std::wstring t = {}) : kind(k), text(std::move(t)) {}
    Kind kind;
    std::wstring text; // a statement, or the condition of If and Until
    std::vector<Node> body;
    std::vector<Node> elseBody;
    bool hasElse = false;
    bool forever = false;
};

class ProgramGenerator {
public:
    // Without innerBlocks: only If and Repeat blocks. With breaksAnywhere, a Break or
    // Continue may end any block directly in a loop, which can leave code that never runs;
    // otherwise only the If branch of an If without Else, which keeps every statement live.
    ProgramGenerator(unsigned seed, bool innerBlocks, bool breaksAnywhere)
        : random_(seed), innerBlocks_(innerBlocks), breaksAnywhere_(breaksAnywhere) {}

    std::vector<Node> program() { return block(0, false, false, false); }

    // A procedure body: every nesting is allowed there and it is never restructured.
    std::vector<Node> procedureBody() { return block(1, false, false, false); }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    std::wstring fresh(const wchar_t* prefix) { return prefix + std::to_wstring(++counter_); }

    // inLoop: directly in a restructured Repeat; inInner: inside While, For or Select;
    // mayLeave: a Break or Continue may end this block.
    std::vector<Node> block(int depth, bool inLoop, bool inInner, bool mayLeave) {
        std::vector<Node> nodes;
        int count = pick(5);
        for (int i = 0; i < count; ++i) {
            int choice = depth >= 4 ? 0 : pick(innerBlocks_ ? 9 : 6);
            if (choice == 5 && inLoop && !inInner && (mayLeave || breaksAnywhere_)) {
                // leaves the block: nothing may follow
                nodes.emplace_back(pick(2) == 0 ? Node::kBreak : Node::kContinue);
                break;
            }
            nodes.push_back(node(choice, depth, inLoop, inInner));
        }
        return nodes;
    }

    Node node(int choice, int depth, bool inLoop, bool inInner) {
        switch (choice) {
        case 1:
        case 2: {
            Node n{Node::kIf, fresh(L"c")};
            n.hasElse = pick(2) == 0;
            n.body = block(depth + 1, inLoop, inInner, !n.hasElse);
            if (n.hasElse) n.elseBody = block(depth + 1, inLoop, inInner, false);
            return n;
        }
        case 3:
        case 4:
            if (!inInner) {
                Node n{Node::kRepeat, fresh(L"u")};
                n.body = block(depth + 1, true, false, false);
                n.forever = pick(4) == 0;
                return n;
            }
            break;
        case 6:
        case 7:
        case 8: {
            Node::Kind kinds[] = {Node::kWhile, Node::kFor, Node::kSelect};
            Node n{kinds[choice - 6], fresh(L"w")};
            n.body = block(depth + 1, inLoop, true, false);
            return n;
        }
        default:
            break;
        }
        std::wstring name = fresh(L"s");
        return {Node::kStatement, name + L" = " + name.substr(1)};
    }

    std::mt19937 random_;
    bool innerBlocks_;
    bool breaksAnywhere_;
    int counter_ = 0;
};

void flatten(const std::vector<Node>& nodes, Lines& out, int& line) {
    auto put = [&](const std::wstring& text) {
        out.push_back(L"\u00B0line" + std::to_wstring(++line));
        out.push_back(text);
    };
    for (const Node& n : nodes) {
        switch (n.kind) {
        case Node::kStatement:
            put(n.text);
            break;
        case Node::kBreak:
            put(L"Break");
            break;
        case Node::kContinue:
            put(L"Continue");
            break;
        case Node::kIf:
            put(L"If " + n.text);
            flatten(n.body, out, line);
            if (n.hasElse) put(L"Else");
            flatten(n.elseBody, out, line);
            put(L"EndIf");
            break;
        case Node::kRepeat:
            put(L"Repeat");
            flatten(n.body, out, line);
            put(n.forever ? L"ForEver" : L"Until " + n.text);
            break;
        case Node::kWhile:
        case Node::kFor:
        case Node::kSelect: {
            const wchar_t* heads[] = {L"While ", L"For i=1 To ", L"Select "};
            const wchar_t* ends[] = {L"Wend", L"Next", L"EndSelect"};
            int k = n.kind - Node::kWhile;
            put(heads[k] + n.text);
            if (n.kind == Node::kSelect) put(L"Case 1");
            flatten(n.body, out, line);
            put(ends[k]);
            break;
        }
        }
    }
}

// Conditions answer from a fixed pseudo-random sequence per condition name, so two runs
// that evaluate the same conditions in the same order see the same answers. Every
// evaluation and every statement goes into the trace.
class World {
public:
    explicit World(unsigned seed) : seed_(seed) {}

    bool condition(const std::wstring& name) {
        unsigned h = seed_ ^ (counts_[name]++ * 2654435761u);
        for (wchar_t c : name) h = (h ^ static_cast<unsigned>(c)) * 16777619u;
        bool value = name[0] == L'u' ? h % 3 == 0 : h % 2 == 0;
        trace.push_back(L"?" + name + (value ? L"=1" : L"=0"));
        return value;
    }
    void run(const std::wstring& statement) { trace.push_back(statement); }
    // Counts one step; true once the run has gone on long enough to compare.
    bool exhausted() { return ++steps_ > kMaxSteps || trace.size() >= kMaxTrace; }
    bool stopped() const { return steps_ > kMaxSteps || trace.size() >= kMaxTrace; }

    Lines trace;

private:
    static constexpr long kMaxSteps = 20000;
    static constexpr size_t kMaxTrace = 300;
    unsigned seed_;
    long steps_ = 0;
    std::map<std::wstring, unsigned> counts_;
};

enum class Flow { kNormal, kBreak, kContinue, kStop };

// The program as written.
Flow runSource(const std::vector<Node>& nodes, World& world) {
    for (const Node& n : nodes) {
        if (world.exhausted()) return Flow::kStop;
        if (n.kind == Node::kStatement) world.run(n.text);
        if (n.kind == Node::kBreak) return Flow::kBreak;
        if (n.kind == Node::kContinue) return Flow::kContinue;
        if (n.kind == Node::kIf) {
            Flow f = runSource(world.condition(n.text) ? n.body : n.elseBody, world);
            if (f != Flow::kNormal) return f;
        }
        if (n.kind == Node::kRepeat) {
            while (!world.exhausted()) {
                Flow f = runSource(n.body, world);
                if (f == Flow::kStop) return f;
                if (f == Flow::kBreak) break;
                if (n.forever) continue; // Continue too goes to the Until test

                if (world.condition(n.text)) break;
            }
            if (world.stopped()) return Flow::kStop;
        }
    }
    return Flow::kNormal;
}

std::map<std::wstring, Lines> functionsOf(const Lines& emitted) {
    std::map<std::wstring, Lines> functions;
    std::wstring current;
    for (const auto& l : emitted) {
        if (startsWith(l, kCl + L"function ")) {
            current = l.substr(kCl.size() + 9, l.size() - kCl.size() - 9 - 3);
            functions[current]; // an empty function exists too
        } else if (l == kCl + L"}") {
            current.clear();
        } else {
            functions[current].push_back(l);
        }
    }
    return functions;
}

std::wstring conditionOf(const std::wstring& ifLine) {
    return std::wstring(trim(std::wstring_view(ifLine).substr(2)));
}

// Skips from an If or Else at `i` to the matching Else or EndIf (`stopAtElse`) or EndIf.
size_t skipBranch(const Lines& lines, size_t i, bool stopAtElse) {
    int depth = 0;
    for (++i; i < lines.size(); ++i) {
        if (startsWithIgnoreCase(lines[i], L"if ")) ++depth;
        if (depth == 0 && (lines[i] == L"EndIf" || (stopAtElse && lines[i] == L"Else"))) return i;
        if (lines[i] == L"EndIf") --depth;
    }
    return i;
}

// The generated functions as the page's timer runs them: INIT once, then whatever
// function ChangeLoop names last, again and again, until ChangeLoop(0).
void runFunctions(const std::map<std::wstring, Lines>& functions, World& world) {
    std::wstring current = L"INIT";
    bool first = true;
    while (!current.empty() && !world.exhausted()) {
        auto found = functions.find(current);
        ASSERT_NE(found, functions.end()) << "ChangeLoop to a missing function " << toUtf8(current);
        if (first) current.clear(), first = false;
        const Lines& lines = found->second;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::wstring& l = lines[i];
            if (startsWith(l, kCl + L"ChangeLoop(")) {
                current = l.substr(kCl.size() + 11, l.size() - kCl.size() - 12);
                if (current == L"0") current.clear();
            } else if (l == kCl + L"return 0") {
                break;
            } else if (startsWithIgnoreCase(l, L"if ")) {
                if (!world.condition(conditionOf(l))) i = skipBranch(lines, i, true);
            } else if (l == L"Else") {
                i = skipBranch(lines, i, false);
            } else if (startsWith(l, L"s")) {
                world.run(l);
            }
        }
    }
}

// Each function opens and closes its blocks in order; no head inside a function.
void expectBalanced(const Lines& emitted, const std::string& context) {
    const std::map<std::wstring, std::wstring> closers = {
        {L"If", L"EndIf"}, {L"While", L"Wend"}, {L"For", L"Next"}, {L"Select", L"EndSelect"}};
    Lines open;
    bool inFunction = false;
    for (const auto& l : emitted) {
        if (startsWith(l, kCl + L"function ")) {
            ASSERT_FALSE(inFunction) << context;
            inFunction = true;
        } else if (l == kCl + L"}") {
            ASSERT_TRUE(inFunction && open.empty()) << context;
            inFunction = false;
        } else {
            ASSERT_TRUE(inFunction) << context;
            std::wstring word = l.substr(0, l.find(L' '));
            if (closers.count(word)) open.push_back(closers.at(word));
            if (word == L"Else") {
                ASSERT_TRUE(!open.empty() && open.back() == L"EndIf") << context;
            }
            if (word == L"EndIf" || word == L"Wend" || word == L"Next" || word == L"EndSelect") {
                ASSERT_TRUE(!open.empty() && open.back() == word) << context;
                open.pop_back();
            }
        }
    }
    EXPECT_FALSE(inFunction) << context;
}

std::string narrow(const Lines& lines) {
    std::string out;
    for (const auto& l : lines) out += toUtf8(l) + "\n";
    return out;
}

std::wstring sourceTextOf(const Lines& statements) {
    std::wstring text;
    for (const auto& s : statements)
        if (!startsWith(s, L"\u00B0line")) text += s + L"\n";
    return text;
}

// The translated script of a program without the runtime library, which every page has.
Lines programScript(const std::wstring& source, Diagnostics& diag) {
    Lines script = translateText(source, diag).scriptLines;
    const Lines& library = runtimeLibraryLines();
    size_t skip = script.size() >= library.size() &&
                          std::equal(library.begin(), library.end(), script.begin())
                      ? library.size()
                      : 0;
    return Lines(script.begin() + static_cast<long>(skip), script.end());
}

// The program as source for the tree's translation, with what it does made visible: a
// statement is a Debug of its own text, a condition a call of Probe, which the test's script
// answers as World does.
std::wstring observableSource(const std::vector<Node>& nodes, int depth = 0) {
    std::wstring text;
    std::wstring indent(static_cast<size_t>(depth) * 2, L' ');
    auto probe = [](const std::wstring& name) { return L"Probe(\"" + name + L"\")"; };
    for (const Node& n : nodes) {
        switch (n.kind) {
        case Node::kStatement:
            text += indent + L"Debug \"" + n.text + L"\"\n";
            break;
        case Node::kBreak:
            text += indent + L"Break\n";
            break;
        case Node::kContinue:
            text += indent + L"Continue\n";
            break;
        case Node::kIf:
            text += indent + L"If " + probe(n.text) + L"\n" + observableSource(n.body, depth + 1);
            if (n.hasElse) text += indent + L"Else\n" + observableSource(n.elseBody, depth + 1);
            text += indent + L"EndIf\n";
            break;
        case Node::kRepeat:
            text += indent + L"Repeat\n" + observableSource(n.body, depth + 1) + indent +
                    (n.forever ? L"ForEver" : L"Until " + probe(n.text)) + L"\n";
            break;
        default:
            break; // not generated for these programs
        }
    }
    return text;
}

// The scripts run in node as the page's timer runs them: INIT once, then the function
// ChangeLoop names, until ChangeLoop(0) or the run is long enough to compare. Returns each
// program's trace and whether it ended of itself.
struct NodeRun {
    Lines trace;
    bool ended = false;
};

std::map<unsigned, NodeRun> runInNode(const std::vector<std::pair<unsigned, Lines>>& scripts) {
    std::map<unsigned, NodeRun> runs;
    std::filesystem::path dir = std::filesystem::temp_directory_path();
    std::string stem = "qc-tree-loops-" + std::to_string(getpid());
    std::filesystem::path file = dir / (stem + ".js"), result = dir / (stem + ".out");
    {
        std::ofstream out(file, std::ios::binary);
        out << "const out = [];\n";
        for (const auto& [seed, lines] : scripts) {
            out << "(function(){\nconst trace = [], counts = {};\nlet current = null;\n";
            for (const auto& l : lines) out << toUtf8(l) << "\n";
            out << "function ChangeLoop(f){ current = f; }\n"
                << "function Debug(x){ trace.push(x); }\n"
                << "function Probe(name){\n"
                << "  const n = counts[name] = (counts[name] || 0) + 1;\n"
                << "  let h = (" << seed << " ^ Math.imul(n - 1, 2654435761)) >>> 0;\n"
                << "  for (const c of name) h = Math.imul(h ^ c.charCodeAt(0), 16777619) >>> 0;\n"
                << "  const v = name[0] === 'u' ? h % 3 === 0 : h % 2 === 0;\n"
                << "  trace.push('?' + name + (v ? '=1' : '=0'));\n"
                << "  return v ? 1 : 0;\n}\n"
                << "INIT();\nlet steps = 0;\n"
                << "while (current && steps++ < 20000 && trace.length < 300) current();\n"
                << "for (const t of trace) out.push('" << seed << "\\t' + t);\n"
                << "out.push('" << seed << "\\t' + (current ? 'STOPPED' : 'ENDED'));\n"
                << "})();\n";
        }
        out << "require('fs').writeFileSync('" << result.string()
            << "', out.join('\\n') + '\\n');\n";
    }
    std::string command = "node \"" + file.string() + "\"";
    int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << "see " << file;
    std::ifstream in(result);
    std::string line;
    while (std::getline(in, line)) {
        size_t tab = line.find('\t');
        unsigned seed = static_cast<unsigned>(std::stoul(line.substr(0, tab)));
        std::string entry = line.substr(tab + 1);
        if (entry == "ENDED" || entry == "STOPPED")
            runs[seed].ended = entry == "ENDED";
        else
            runs[seed].trace.push_back(fromUtf8(entry));
    }
    if (status == 0) {
        std::filesystem::remove(file);
        std::filesystem::remove(result);
    }
    return runs;
}

// Asks node whether the scripts parse. Each goes into a function of its own in one file, so
// one run checks them all.
void expectScriptsParse(const std::vector<std::pair<unsigned, Lines>>& scripts) {
    if (std::system("node --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no node";
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("qc-loops-" + std::to_string(getpid()) + ".js");
    {
        std::ofstream out(file, std::ios::binary);
        for (const auto& [seed, lines] : scripts) {
            out << "function qcProgram" << seed << "(){\n";
            for (const auto& l : lines) out << toUtf8(l) << "\n";
            out << "}\n";
        }
    }
    std::string command = "node --check \"" + file.string() + "\"";
    int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << "see " << file;
    if (status == 0) std::filesystem::remove(file);
}

TEST(RestructureProperty, WellFormedProgramsKeepEveryStatementAndBehaveAlike) {
    std::vector<std::pair<unsigned, Lines>> scripts;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        bool innerBlocks = seed % 3 == 0;
        bool breaksAnywhere = seed % 2 == 0;
        ProgramGenerator generator(seed, innerBlocks, breaksAnywhere);
        std::vector<Node> program = generator.program();
        Lines main;
        int line = 0;
        flatten(program, main, line);
        Lines whole = main;
        Lines procedure = {L"\u00B0line0", L"Procedure p()"};
        flatten(generator.procedureBody(), procedure, line);
        procedure.insert(procedure.end(), {L"\u00B0line0", L"EndProcedure"});
        whole.insert(whole.begin() + static_cast<long>(main.size() / 4 & ~1u), procedure.begin(),
                     procedure.end());

        Diagnostics diag;
        checkBlockStructure(whole, diag);
        Lines emitted = restructureLoops(main, diag);
        std::string context = "seed " + std::to_string(seed) + "\n" + narrow(main);
        ASSERT_TRUE(diag.errors().empty()) << context << narrow(diag.errors());
        expectBalanced(emitted, context);

        std::set<std::wstring> placed(emitted.begin(), emitted.end());
        for (const auto& statement : main) {
            bool dropped = statement == L"Repeat" || statement == L"ForEver" ||
                           startsWith(statement, L"Until ") || statement == L"Break" ||
                           statement == L"Continue" || startsWith(statement, L"\u00B0line");
            if (!dropped && !breaksAnywhere) {
                ASSERT_TRUE(placed.count(statement)) << toUtf8(statement) << context;
            }
        }

        if (seed % 8 == 0) {
            Diagnostics translation;
            scripts.emplace_back(seed, programScript(sourceTextOf(whole), translation));
            ASSERT_TRUE(translation.errors().empty()) << context << narrow(translation.errors());
        }

        if (innerBlocks) continue;
        World asWritten(seed), asCut(seed);
        runSource(program, asWritten);
        runFunctions(functionsOf(emitted), asCut);
        size_t common = std::min(asWritten.trace.size(), asCut.trace.size());
        ASSERT_EQ(narrow(Lines(asWritten.trace.begin(), asWritten.trace.begin() + common)),
                  narrow(Lines(asCut.trace.begin(), asCut.trace.begin() + common)))
            << context << narrow(emitted);
        if (!asWritten.stopped() || !asCut.stopped()) {
            EXPECT_EQ(asWritten.trace.size(), asCut.trace.size()) << context;
        }
    }
    expectScriptsParse(scripts);
}

// The same programs through the syntax tree: its printer lays the main program out in the
// same functions, and the page's script, run as the timer runs it, does what the program as
// written does.
TEST(RestructureProperty, TreeTranslationsBehaveAsWritten) {
    if (std::system("node --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no node";
    std::vector<std::pair<unsigned, Lines>> scripts;
    std::map<unsigned, std::vector<Node>> programs;
    const std::wstring probe = L"Procedure Probe(name.s)\n  ProcedureReturn 0\nEndProcedure\n";
    for (unsigned seed = 1; seed <= 600; ++seed) {
        ProgramGenerator generator(seed, false, seed % 2 == 0);
        std::vector<Node> program = generator.program();
        std::wstring source = probe + observableSource(program);
        Diagnostics diag;
        Lines script = translateSource(source, nullptr, diag, nullptr).scriptLines;
        ASSERT_TRUE(diag.errors().empty()) << toUtf8(source) << narrow(diag.errors());
        const Lines& library = runtimeLibraryLines();
        script.erase(script.begin(), script.begin() + static_cast<long>(library.size()));
        scripts.emplace_back(seed, std::move(script));
        programs[seed] = std::move(program);
    }
    std::map<unsigned, NodeRun> runs = runInNode(scripts);
    for (const auto& [seed, program] : programs) {
        World asWritten(seed);
        runSource(program, asWritten);
        const NodeRun& run = runs[seed];
        size_t common = std::min(asWritten.trace.size(), run.trace.size());
        std::string context =
            "seed " + std::to_string(seed) + "\n" + toUtf8(observableSource(program));
        ASSERT_EQ(narrow(Lines(asWritten.trace.begin(), asWritten.trace.begin() + common)),
                  narrow(Lines(run.trace.begin(), run.trace.begin() + common)))
            << context;
        if (!asWritten.stopped() && run.ended) {
            EXPECT_EQ(asWritten.trace.size(), run.trace.size()) << context;
        }
    }
}

// Dropping one block line (other than an Else) from a well-formed program breaks it; the
// check must say so, and the loop pass must still write whole functions whose switches all
// name a written function.
TEST(RestructureProperty, BrokenProgramsAreReportedAndStillCut) {
    std::mt19937 random(7);
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        ProgramGenerator generator(seed, true, true);
        Lines main;
        int line = 0;
        flatten(generator.program(), main, line);
        std::vector<size_t> blockLines;
        for (size_t i = 1; i < main.size(); i += 2) {
            std::wstring word = main[i].substr(0, main[i].find(L' '));
            if (word != L"Else" && word != L"Case" && !startsWith(word, L"s") && word != L"Break" &&
                word != L"Continue")
                blockLines.push_back(i);
        }
        if (blockLines.empty()) continue;
        main.erase(main.begin() + static_cast<long>(blockLines[random() % blockLines.size()]));

        Diagnostics diag;
        std::string context = "seed " + std::to_string(seed) + "\n" + narrow(main);
        checkBlockStructure(main, diag);
        EXPECT_FALSE(diag.errors().empty()) << context;
        // The check repaired what it reported: the loop pass finds nothing more.
        size_t reported = diag.errors().size();
        Lines emitted = restructureLoops(main, diag);
        EXPECT_EQ(diag.errors().size(), reported) << context << narrow(diag.errors());
        int heads = 0, ends = 0;
        for (const auto& l : emitted) {
            heads += startsWith(l, kCl + L"function ");
            ends += l == kCl + L"}";
            ASSERT_TRUE(ends == heads || ends + 1 == heads) << context;
        }
        EXPECT_EQ(heads, ends) << context;
        auto functions = functionsOf(emitted);
        for (const auto& l : emitted)
            if (startsWith(l, kCl + L"ChangeLoop(Inf_")) {
                std::wstring target = l.substr(kCl.size() + 11, l.size() - kCl.size() - 12);
                EXPECT_TRUE(functions.count(target)) << context;
            }
    }
}

} // namespace
} // namespace qc
