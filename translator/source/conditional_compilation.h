#pragma once
// Conditional compilation: CompilerIf / CompilerElseIf / CompilerElse / CompilerEndIf and
// CompilerSelect / CompilerCase / CompilerDefault / CompilerEndSelect choose at conversion
// time which statements the program has. Conditions are constant expressions with
// comparisons, And, Or, Not, Defined(name, #PB_kind) and the sizes of types.
#include "common/diagnostics.h"
#include "translator/source/constant_folder.h"
#include "translator/source/lexer.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// What Defined() asks about a name: (name without "#" in lower case, kind word after "#PB_"
// in lower case, e.g. "constant", "procedure", "structure").
using DefinedLookup = std::function<bool(const std::wstring& name, const std::wstring& kind)>;

class ConditionalCompilation {
public:
    // `calls` gives the value of the calls other than Defined() a condition may hold
    // (SizeOf, OffsetOf).
    ConditionalCompilation(Diagnostics& diag, ConstantLookup constants, DefinedLookup defined,
                           ConstantCall calls = nullptr)
        : diag_(diag), constants_(std::move(constants)), defined_(std::move(defined)),
          calls_(std::move(calls)) {}

    // Takes a compiler directive (the statement as written, and its tokens); false for any
    // other statement.
    bool take(std::wstring_view statement, const std::vector<Token>& tokens, long long line);
    // False inside a branch that is not taken: the statement is left out of the program.
    bool active() const { return blocks_.empty() || blocks_.back().active; }
    // Reports every block still open at the end of the program.
    void finish();

    // The value of a condition: nonzero holds. Reports what it cannot evaluate and gives 0.
    long long evaluate(std::wstring_view condition, long long line);

private:
    struct Block {
        bool select = false;
        bool outerActive = true; // the block itself lies in a taken branch
        bool active = false;     // the current branch is taken
        bool taken = false;      // a branch was taken already
        ConstantValue subject;   // the value a CompilerSelect compares with
        long long line = 0;
    };

    void open(bool select, long long line);
    bool closeBlock(bool select, std::wstring_view closer, long long line);
    void takeRemainingBranch(bool select, std::wstring_view opener, long long line);
    std::optional<ConstantValue> value(std::wstring_view text, long long line,
                                       bool condition = false);

    Diagnostics& diag_;
    ConstantLookup constants_;
    DefinedLookup defined_;
    ConstantCall calls_;
    std::vector<Block> blocks_;
};

} // namespace qc
