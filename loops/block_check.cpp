#include "loops/block_check.h"

#include "loops/block_words.h"
#include "vocabulary/statement_list.h"

#include "common/text.h"

#include <algorithm>
#include <cwctype>
#include <optional>
#include <string_view>
#include <utility>

namespace qc {
namespace {

struct OpenBlock {
    BlockWord kind;
    long long line;
};

// The word that closes a block; kNone for a word that opens none.
BlockWord closerOf(BlockWord opener) {
    switch (opener) {
    case BlockWord::kIf:
        return BlockWord::kEndIf;
    case BlockWord::kRepeat:
        return BlockWord::kUntil;
    case BlockWord::kFor:
    case BlockWord::kForEach:
        return BlockWord::kNext;
    case BlockWord::kWhile:
        return BlockWord::kWend;
    case BlockWord::kSelect:
        return BlockWord::kEndSelect;
    case BlockWord::kProcedure:
        return BlockWord::kEndProcedure;
    default:
        return BlockWord::kNone;
    }
}

std::wstring name(BlockWord kind) {
    return std::wstring(blockWordSpelling(kind));
}

bool opensBlock(BlockWord kind) {
    return closerOf(kind) != BlockWord::kNone;
}

// The opening lines a closing (or dividing) line belongs to; nothing for other lines.
std::optional<std::pair<BlockWord, BlockWord>> openersOf(BlockWord kind) {
    switch (kind) {
    case BlockWord::kElse:
    case BlockWord::kElseIf:
    case BlockWord::kEndIf:
        return std::pair{BlockWord::kIf, BlockWord::kIf};
    case BlockWord::kUntil:
    case BlockWord::kForEver:
        return std::pair{BlockWord::kRepeat, BlockWord::kRepeat};
    case BlockWord::kNext:
        return std::pair{BlockWord::kFor, BlockWord::kForEach};
    case BlockWord::kWend:
        return std::pair{BlockWord::kWhile, BlockWord::kWhile};
    case BlockWord::kEndSelect:
        return std::pair{BlockWord::kSelect, BlockWord::kSelect};
    case BlockWord::kEndProcedure:
        return std::pair{BlockWord::kProcedure, BlockWord::kProcedure};
    default:
        return std::nullopt;
    }
}

// The statement that closes a block the program left open. A Repeat is closed by a test
// that ends it after one pass: the program is faulty already, and a loop with no way out
// would hold the browser before the page could show the fault.
std::wstring_view closingStatement(BlockWord opener) {
    switch (opener) {
    case BlockWord::kIf:
        return L"EndIf";
    case BlockWord::kRepeat:
        return L"Until 1";
    case BlockWord::kFor:
    case BlockWord::kForEach:
        return L"Next";
    case BlockWord::kWhile:
        return L"Wend";
    case BlockWord::kSelect:
        return L"EndSelect";
    default:
        return L"EndProcedure";
    }
}

// Whether a character can go on a word: "EndIfx" is a name, "EndIf+" the keyword and a sign.
bool continuesWord(wchar_t c) {
    return std::iswalnum(static_cast<wint_t>(c)) != 0 || containsChar(L"_$.\\", c);
}

// The keywords that take nothing after them, and Next, which takes a name at most.
constexpr BlockWord kBareKeywords[] = {
    BlockWord::kElse, BlockWord::kEndIf,     BlockWord::kRepeat,       BlockWord::kForEver,
    BlockWord::kWend, BlockWord::kEndSelect, BlockWord::kEndProcedure, BlockWord::kNext};

class BlockChecker {
public:
    explicit BlockChecker(Diagnostics& diag) : diag_(diag) {}

    void read(std::wstring& statement) {
        std::wstring rest = trimBareKeyword(statement);
        BlockWord kind = classifyBlockWord(statement);
        if (kind == BlockWord::kLineMarker) {
            line_ = markerLine(statement);
        } else if (opensBlock(kind)) {
            open(kind);
        } else if (auto openers = openersOf(kind)) {
            if (!close(kind, *openers)) return;
        }
        // A closing line dropped as stray has had its one message.
        if (!rest.empty()) report(message::syntaxError(line_, rest.substr(0, 20)));
        out_.push_back(std::move(statement));
    }

    std::vector<std::wstring> finish() {
        closeFrom(0, true);
        return std::move(out_);
    }

private:
    // "EndIf+", "EndProcedure x", "Next*" (reading drops the blank before a sign): the
    // keyword with something it cannot take. The later passes would each read it their own
    // way, one as the keyword and another as a statement, and disagree about where blocks
    // end; the keyword stays alone and the rest is reported.
    // Returns the rest taken off.
    static std::wstring trimBareKeyword(std::wstring& statement) {
        for (BlockWord kind : kBareKeywords) {
            std::wstring_view word = blockWordSpelling(kind);
            if (statement.size() <= word.size() || !startsWithIgnoreCase(statement, word)) continue;
            wchar_t next = statement[word.size()];
            if (continuesWord(next) || (next == L' ' && kind == BlockWord::kNext)) continue;
            std::wstring_view rest = std::wstring_view(statement).substr(word.size());
            rest.remove_prefix(std::min(rest.find_first_not_of(L' '), rest.size()));
            std::wstring taken(rest);
            statement = std::wstring(word);
            return taken;
        }
        return {};
    }

    // A procedure head inside a procedure ends the one before: the missing EndProcedure is
    // the fault, and its reported message is the only one. The outer procedure's own
    // EndProcedure, further down, then closes nothing and goes silently.
    void open(BlockWord kind) {
        if (kind == BlockWord::kProcedure) {
            if (std::optional<size_t> outer =
                    innermost(BlockWord::kProcedure, BlockWord::kProcedure, true)) {
                report(message::atLine(line_, L"Procedure inside Procedure"));
                closeFrom(*outer, false);
                ++unmatchedEndProcedures_;
            }
        }
        stack_.push_back({kind, line_});
    }

    // A closing line closes the innermost matching block. Blocks opened inside it and
    // still open are reported and closed just before it. A closing line with no block to
    // close is reported and dropped. Returns whether the line stays.
    bool close(BlockWord kind, std::pair<BlockWord, BlockWord> openers) {
        bool crossesProcedures = openers.first == BlockWord::kProcedure;
        std::optional<size_t> match = innermost(openers.first, openers.second, crossesProcedures);
        if (!match) {
            if (kind == BlockWord::kEndProcedure && unmatchedEndProcedures_ > 0)
                --unmatchedEndProcedures_;
            else
                report(message::withoutEnd(line_, name(kind), name(openers.first)));
            return false;
        }
        closeFrom(*match + 1, true);
        // Else divides its If and leaves it open.
        if (kind != BlockWord::kElse && kind != BlockWord::kElseIf) stack_.pop_back();
        return true;
    }

    // The innermost open block of one of two kinds. The search for If, Repeat, For, While
    // and Select stops at a procedure's head: a procedure cannot close a block of the main
    // program.
    std::optional<size_t> innermost(BlockWord first, BlockWord second,
                                    bool crossesProcedures) const {
        for (size_t i = stack_.size(); i-- > 0;) {
            BlockWord open = stack_[i].kind;
            if (open == first || open == second) return i;
            if (open == BlockWord::kProcedure && !crossesProcedures) break;
        }
        return std::nullopt;
    }

    // Closes the blocks from stack position `from` on, innermost first, with the statements
    // that would have closed them, placed where the program now is.
    // The messages go in the order of the lines they name.
    void closeFrom(size_t from, bool reportEach) {
        if (reportEach)
            for (size_t i = from; i < stack_.size(); ++i) reportNeverClosed(stack_[i]);
        while (stack_.size() > from) {
            out_.emplace_back(closingStatement(stack_.back().kind));
            stack_.pop_back();
        }
    }

    void reportNeverClosed(const OpenBlock& block) {
        diag_.error(message::withoutEnd(block.line, name(block.kind), name(closerOf(block.kind))));
    }

    void report(Diagnostic record) { diag_.error(std::move(record)); }

    Diagnostics& diag_;
    std::vector<OpenBlock> stack_;
    std::vector<std::wstring> out_;
    int unmatchedEndProcedures_ = 0;
    long long line_ = -1;
};

} // namespace

void checkBlockStructure(std::vector<std::wstring>& statements, Diagnostics& diag) {
    BlockChecker checker(diag);
    for (std::wstring& statement : statements) checker.read(statement);
    statements = checker.finish();
}

} // namespace qc
