// Random typed expressions, each computed twice: by a small evaluator written from the
// dialect's rules (its own binding ladder, exact 64-bit integers that wrap, integer division,
// "%" with the sign of the left operand, wrapping into narrow types, rounding a float into an
// integer place) and by Node running the script the translator writes for a program that
// prints them. The evaluator does not read the operator table, so a wrong row shows up as a
// different line; its operands reach far beyond 2^53, so a fast path that loses digits does.
#include "common/text.h"
#include "translator/output/page_writer.h"
#include "translator/output/script_printer.h"
#include "translator/source/parser.h"
#include "translator/source/source_reader.h"
#include "translator/translate_source.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace qc {
namespace {

// The program's variables and their values.
// s and u sit on the bounds of the script's small-integer paths, so a sum or a product just
// past them must still come out exact.
constexpr std::array<std::pair<const char*, long long>, 11> kIntegers = {
    {{"a", 7},
     {"b", -3},
     {"c", 12},
     {"z", 0},
     {"h", 4611686018427387904LL},
     {"m", -9223372036854775807LL},
     {"k", 1103515245},
     {"p", 3037000499LL},
     {"q", 9007199254740993LL},
     {"s", 1073741823},
     {"u", -67108864}}};
// Literals the script's numbers do not hold exactly, or whose products leave that range.
constexpr std::array<const char*, 4> kWideLiterals = {"4294967296", "9007199254740993",
                                                      "2147483648", "6364136223846793005"};
constexpr std::array<std::pair<const char*, double>, 2> kFloats = {{{"f", 2.5}, {"g", -0.75}}};

struct Expr {
    std::string op; // "" for a leaf; "neg", "~", "not" for prefix operators
    std::string text;
    std::unique_ptr<Expr> left, right;
    bool bracket = false; // written in brackets of its own
};

// How tightly the dialect binds each operator; a comparison, Not and the logical words only
// appear inside Bool(), where the value is a truth value.
int bindingOf(const std::string& op) {
    if (op == "and" || op == "or" || op == "xor") return 1;
    if (op == "not") return 2;
    if (op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=") return 3;
    if (op == "+" || op == "-") return 4;
    if (op == "*" || op == "/") return 5;
    if (op == "|" || op == "&") return 6;
    if (op == "<<" || op == ">>" || op == "%" || op == "!") return 7;
    return 9; // leaves and the other prefix operators
}

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    // An integer expression, or with floats one of + - * / over floats and integers.
    std::unique_ptr<Expr> number(int depth, bool floats) {
        int choice = depth <= 0 ? 0 : pick(floats ? 6 : 12);
        if (choice == 0) return leaf(floats);
        if (choice == 1)
            return prefix(pick(3) == 0 && !floats ? "~" : "neg", number(depth - 1, floats));
        if (choice == 2 && !floats) return truth(depth - 1);
        static const std::array<const char*, 4> kFloatOps = {"+", "-", "*", "/"};
        static const std::array<const char*, 11> kIntOps = {"+", "-", "*",  "/",  "%", "|",
                                                            "&", "!", "<<", ">>", "+"};
        std::string op = floats ? kFloatOps[pick(4)] : kIntOps[pick(11)];
        bool shift = op == "<<" || op == ">>";
        auto right = shift ? literal(pick(3) == 0 ? pick(64) : pick(5)) : number(depth - 1, floats);
        return binary(op, number(depth - 1, floats), std::move(right));
    }

private:
    int pick(size_t n) { return static_cast<int>(random_() % n); }

    static std::unique_ptr<Expr> literal(long long v) {
        auto e = std::make_unique<Expr>();
        e->text = std::to_string(v);
        return e;
    }

    std::unique_ptr<Expr> leaf(bool floats) {
        if (floats && pick(2) == 0) {
            auto e = std::make_unique<Expr>();
            e->text = pick(2) == 0 ? kFloats[static_cast<size_t>(pick(2))].first : "1.5";
            return e;
        }
        if (pick(2) == 0) return literal(pick(20));
        auto e = std::make_unique<Expr>();
        if (pick(5) == 0)
            e->text = kWideLiterals[static_cast<size_t>(pick(kWideLiterals.size()))];
        else
            e->text = kIntegers[static_cast<size_t>(pick(kIntegers.size()))].first;
        return e;
    }

    static std::unique_ptr<Expr> prefix(const std::string& op, std::unique_ptr<Expr> operand) {
        auto e = std::make_unique<Expr>();
        e->op = op;
        e->left = std::move(operand);
        return e;
    }

    std::unique_ptr<Expr> binary(const std::string& op, std::unique_ptr<Expr> l,
                                 std::unique_ptr<Expr> r) {
        auto e = std::make_unique<Expr>();
        e->op = op;
        e->left = std::move(l);
        e->right = std::move(r);
        e->bracket = pick(6) == 0;
        return e;
    }

    // "Bool(...)" around comparisons joined by And, Or, XOr and Not.
    std::unique_ptr<Expr> truth(int depth) {
        auto call = std::make_unique<Expr>();
        call->op = "bool";
        call->left = condition(depth);
        return call;
    }

    std::unique_ptr<Expr> condition(int depth) {
        int choice = depth <= 0 ? 0 : pick(4);
        if (choice == 1) return prefix("not", comparison(depth - 1));
        if (choice == 2) {
            static const std::array<const char*, 3> kWords = {"and", "or", "xor"};
            return binary(kWords[static_cast<size_t>(pick(3))], condition(depth - 1),
                          condition(depth - 1));
        }
        return comparison(depth);
    }

    std::unique_ptr<Expr> comparison(int depth) {
        static const std::array<const char*, 6> kCompare = {"=", "<>", "<", ">", "<=", ">="};
        if (pick(5) == 0) return number(depth, false); // a number as a truth value
        return binary(kCompare[static_cast<size_t>(pick(6))], number(depth - 1, false),
                      number(depth - 1, false));
    }

    std::mt19937 random_;
};

// The dialect's text, with brackets only where its binding needs them (and the generator's).
std::string write(const Expr& e) {
    std::string text;
    if (e.op.empty()) return e.text;
    if (e.op == "bool") return "Bool(" + write(*e.left) + ")";
    if (e.op == "neg" || e.op == "~" || e.op == "not") {
        const Expr& o = *e.left;
        bool tight =
            o.op.empty() || o.bracket || o.op == "bool" || (e.op == "not" && bindingOf(o.op) >= 3);
        std::string inner = tight ? write(o) : "(" + write(o) + ")";
        text = e.op == "neg" ? "-" + inner : e.op == "~" ? "~" + inner : "Not " + inner;
    } else {
        int p = bindingOf(e.op);
        auto side = [&](const Expr& s, bool right) {
            int q = s.op == "neg" || s.op == "~" ? 9 : bindingOf(s.op);
            bool need = !s.bracket && (q < p || (q == p && right));
            return need ? "(" + write(s) + ")" : write(s);
        };
        std::string word = e.op == "and"   ? "And"
                           : e.op == "or"  ? "Or"
                           : e.op == "xor" ? "XOr"
                                           : e.op;
        text = side(*e.left, false) + " " + word + " " + side(*e.right, true);
    }
    return e.bracket ? "(" + text + ")" : text;
}

bool hasFloat(const Expr& e) {
    if (e.op.empty()) return e.text == "f" || e.text == "g" || e.text == "1.5";
    return hasFloat(*e.left) || (e.right && hasFloat(*e.right));
}

// The reference values; nullopt for a zero divisor. Integers are computed on 64 bits and
// wrap, as natively; an expression that holds a float is computed in floats throughout, and
// dropped when its value is too wide to round into an integer place.
long long wrapped(unsigned long long v) {
    return static_cast<long long>(v);
}

unsigned long long bitsOf(long long v) {
    return static_cast<unsigned long long>(v);
}

std::optional<long long> leafInteger(const std::string& text) {
    for (const auto& [name, v] : kIntegers)
        if (text == name) return v;
    return std::stoll(text);
}

std::optional<long long> integer(const Expr& e);

std::optional<long long> integerBinary(const std::string& op, long long x, long long y) {
    unsigned long long u = bitsOf(x);
    unsigned long long w = bitsOf(y);
    if (op == "+") return wrapped(u + w);
    if (op == "-") return wrapped(u - w);
    if (op == "*") return wrapped(u * w);
    if (op == "/" || op == "%") {
        if (y == 0) return std::nullopt;
        if (y == -1) return op == "/" ? wrapped(0 - u) : 0;
        return op == "/" ? x / y : x % y;
    }
    if (op == "|") return x | y;
    if (op == "&") return x & y;
    if (op == "!") return x ^ y;
    if (op == "<<") return wrapped(u << (y & 63));
    if (op == ">>") return x >> (y & 63);
    if (op == "=") return x == y;
    if (op == "<>") return x != y;
    if (op == "<") return x < y;
    if (op == ">") return x > y;
    if (op == "<=") return x <= y;
    if (op == ">=") return x >= y;
    if (op == "and") return x != 0 && y != 0;
    if (op == "or") return x != 0 || y != 0;
    return (x != 0) != (y != 0); // xor
}

std::optional<long long> integer(const Expr& e) {
    if (e.op.empty()) return leafInteger(e.text);
    auto a = integer(*e.left);
    if (!a) return std::nullopt;
    if (e.op == "bool") return *a != 0 ? 1 : 0;
    if (e.op == "neg") return wrapped(0 - bitsOf(*a));
    if (e.op == "~") return ~*a;
    if (e.op == "not") return *a == 0 ? 1 : 0;
    auto b = integer(*e.right);
    if (!b) return std::nullopt;
    return integerBinary(e.op, *a, *b);
}

std::optional<double> real(const Expr& e) {
    if (e.op.empty()) {
        for (const auto& [name, v] : kFloats)
            if (e.text == name) return v;
        if (e.text == "1.5") return 1.5;
        return static_cast<double>(*leafInteger(e.text));
    }
    auto a = real(*e.left);
    if (!a) return std::nullopt;
    if (e.op == "neg") return -*a;
    auto b = real(*e.right);
    if (!b) return std::nullopt;
    if (e.op == "+") return *a + *b;
    if (e.op == "-") return *a - *b;
    if (e.op == "*") return *a * *b;
    if (*b == 0) return std::nullopt; // "/", the only other operator among floats
    return *a / *b;
}

// A float on its way into an integer place: the nearest integer, a tie to the even one.
long long roundToEven(double v) {
    return static_cast<long long>(std::nearbyint(v));
}

// Wraps as the place's type does.
long long wrapInto(char type, long long v) {
    switch (type) {
    case 'b':
        return static_cast<signed char>(v);
    case 'a':
        return static_cast<unsigned char>(v);
    case 'w':
        return static_cast<short>(v);
    case 'u':
        return static_cast<unsigned short>(v);
    case 'l':
        return static_cast<int>(v);
    default:
        return v;
    }
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

constexpr size_t kExpressions = 3000;

// The generated program, its lines ("r3.w = a * -b"), and the value each line must print.
struct Case {
    std::string program;
    std::vector<std::string> written;
    std::vector<long long> expected;
};

Case generateCase() {
    Case c;
    Generator generator(20261209);
    for (const auto& [name, v] : kIntegers)
        c.program += std::string(name) + " = " + std::to_string(v) + "\n";
    for (const auto& [name, v] : kFloats) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", v);
        c.program += std::string(name) + ".f = " + text + "\n";
    }
    static const std::string kTypes = "iiqqlwbau";
    for (size_t n = 0; c.written.size() < kExpressions && n < 10 * kExpressions; ++n) {
        bool floats = n % 4 == 3;
        auto e = generator.number(4, floats);
        floats = hasFloat(*e);
        std::optional<long long> v;
        if (floats) {
            std::optional<double> r = real(*e);
            if (r && std::fabs(*r) <= 1e15) v = roundToEven(*r);
        } else {
            v = integer(*e);
        }
        if (!v) continue;
        char type = kTypes[n % kTypes.size()];
        std::string place = "r" + std::to_string(c.written.size()) + "." + type;
        c.written.push_back(place + " = " + write(*e));
        c.program += c.written.back() + "\nDebug r" + std::to_string(c.written.size() - 1) + "\n";
        c.expected.push_back(wrapInto(type, *v));
    }
    return c;
}

// Runs the script lines (an INIT function's) in Node with the page's arithmetic, Debug
// printing and the rest of the runtime left out, and compares what each line prints.
void expectDialectValues(const Case& c, const std::vector<std::wstring>& script,
                         const std::string& name) {
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 ("qc-operators-" + name + "-" + std::to_string(getpid()) + ".js");
    {
        std::ofstream out(file, std::ios::binary);
        out << "var window=globalThis;var QLCXOut=[];function Debug(m){QLCXOut.push(''+m);}\n"
               "function Bool(x){return x?1:0;}function ChangeLoop(f){}\n"
            << readFile(std::filesystem::path(QUILLCAST_SOURCE_DIR) / "page-runtime" /
                        "45-arithmetic.js")
            << "\n";
        for (const std::wstring& line : script) out << toUtf8(line) << "\n";
        out << "INIT();console.log(QLCXOut.join('\\n'));\n";
    }
    std::string command = "node \"" + file.string() + "\" 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string output;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, n);
    std::istringstream lines(output);
    std::string line;
    int wrong = 0;
    for (size_t k = 0; k < c.written.size(); ++k) {
        if (!std::getline(lines, line)) line = "(no line)";
        if (line != std::to_string(c.expected[k]) && ++wrong <= 10)
            ADD_FAILURE() << c.written[k] << "\n  gives " << line << ", the dialect gives "
                          << c.expected[k];
    }
    if (wrong == 0)
        std::filesystem::remove(file);
    else
        ADD_FAILURE() << wrong << " wrong; the script is " << file;
}

TEST(OperatorDifferential, RandomExpressionsPrintWhatTheDialectComputes) {
    if (std::system("node --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no node";
    Case c = generateCase();
    ASSERT_GE(c.written.size(), kExpressions);
    Diagnostics diag;
    std::vector<std::wstring> script = translateText(toWide(c.program), diag).scriptLines;
    ASSERT_TRUE(diag.errors().empty()) << toUtf8(diag.errors().front());
    const size_t library = runtimeLibraryLineCount();
    size_t skip = script.size() >= library ? library : 0;
    expectDialectValues(
        c, std::vector<std::wstring>(script.begin() + static_cast<long>(skip), script.end()),
        "statements");
}

// The same expressions through the syntax tree: parsed, typed and printed.
TEST(OperatorDifferential, TheTreePrinterComputesTheSame) {
    if (std::system("node --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no node";
    Case c = generateCase();
    Diagnostics diag;
    ReadProgram program = readProgram(toWide(c.program), nullptr, diag);
    SyntaxTree tree = parseStatements(program.statements, diag);
    PrintedScript printed = printScript(tree, typeTree(tree), diag);
    ASSERT_TRUE(diag.errors().empty()) << toUtf8(diag.errors().front());
    std::vector<std::wstring> script{L"function INIT(){"};
    for (const std::wstring& line : printed.lines()) script.push_back(line);
    script.push_back(L"}");
    expectDialectValues(c, script, "tree");
}

} // namespace
} // namespace qc
