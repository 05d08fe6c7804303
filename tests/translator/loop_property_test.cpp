// Generated programs of If, Repeat, Break and Continue, converted and run twice: once as
// written (a small interpreter of the generated structure) and once in node as the page's
// timer runs the functions the main program is cut into. Both must do the same things in the
// same order.
#include "common/text.h"
#include "translator/output/page_writer.h"
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

std::string narrow(const Lines& lines) {
    std::string out;
    for (const auto& l : lines) out += toUtf8(l) + "\n";
    return out;
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

// Generated programs of If, Repeat, Break and Continue: the printer lays the main program out
// in functions chained by ChangeLoop, and the page's script, run as the timer runs it, does
// what the program as written does.
TEST(LoopProperty, ProgramsCutIntoFunctionsBehaveAsWritten) {
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
        script.erase(script.begin(), script.begin() + static_cast<long>(runtimeLibraryLineCount()));
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

} // namespace
} // namespace qc
