#pragma once
// Macros are replaced at conversion time, on the lexer's tokens. "Macro Twice(x) : x*2 :
// EndMacro" makes a later "Twice(a+1)" the text "a+1*2": the argument's text stands where
// the parameter's name stood, and no brackets are added, as the dialect does. A parameter's
// name inside a string or in a longer name is left alone; "name#x" joins the argument of x
// to name. A body of several statements stands for a statement of its own.
//
// The language pass feeds the statements of taken branches one by one, so a macro defined in
// a CompilerIf branch that is not taken does not exist, and "UndefineMacro Name" ends one.
#include "common/diagnostics.h"
#include "translator/source/lexer.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qc {

class MacroExpansion {
public:
    explicit MacroExpansion(Diagnostics& diag) : diag_(diag) {}

    // Takes a statement that defines or ends macros: "Macro Name(a, b = 2)", each statement
    // of its body up to "EndMacro", and "UndefineMacro Name". False for any other statement.
    bool take(std::wstring_view statement, int line);
    // Between "Macro" and "EndMacro" every statement belongs to the body, compiler directives
    // too: they take effect where the macro is used.
    bool recording() const { return open_.has_value(); }
    bool empty() const { return macros_.empty(); }
    bool defined(const std::wstring& lowerName) const { return macros_.contains(lowerName); }

    // The statements `statement` stands for, each macro use replaced; the statement itself
    // when it uses none. A use that cannot be replaced is reported with `line`, the line of
    // the use, and the statement is left out rather than half replaced.
    std::vector<std::wstring> expand(std::wstring_view statement, int line);

    // Reports a Macro still open at the end of the program.
    void finish();

private:
    // A token of a body. `parameter` is the index of the parameter it stands for, or -1.
    struct BodyToken {
        std::wstring gap; // the blanks before it, kept as written
        std::wstring text;
        int parameter = -1;
    };
    struct Macro {
        std::wstring name; // as written at its definition
        bool withParameters = false;
        std::vector<std::wstring> parameters; // lower case
        std::vector<std::optional<std::wstring>> defaults;
        std::vector<std::vector<BodyToken>> body;
        int line = -1;
    };

    void open(const std::vector<Token>& tokens, std::wstring_view statement, int line);
    bool readParameters(Macro& macro, std::wstring_view statement, const std::vector<Token>& tokens,
                        int line);
    void close();
    void undefine(const std::vector<Token>& tokens, std::wstring_view statement, int line);
    std::vector<BodyToken> bodyTokens(std::wstring_view statement, const Macro& macro) const;

    bool expandInto(std::wstring_view text, int line, std::vector<std::wstring>& out,
                    bool statement = true);
    std::optional<std::vector<std::wstring>> arguments(const Macro& macro, std::wstring_view text,
                                                       const std::vector<Token>& tokens,
                                                       size_t open, size_t close, int line);

    Diagnostics& diag_;
    std::unordered_map<std::wstring, Macro> macros_; // by lower-case name
    std::optional<Macro> open_;                      // the macro being read
    std::vector<const Macro*> active_;               // the macros being replaced, outermost first
};

} // namespace qc
