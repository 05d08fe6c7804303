#include "loops/block_check.h"

#include "loops/block_words.h"
#include "vocabulary/statement_list.h"

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

class BlockChecker {
public:
    explicit BlockChecker(Diagnostics& diag) : diag_(diag) {}

    void read(std::wstring_view statement) {
        BlockWord kind = classifyBlockWord(statement);
        if (kind == BlockWord::kLineMarker) {
            line_ = markerLine(statement);
        } else if (opensBlock(kind)) {
            open(kind);
        } else if (auto openers = openersOf(kind)) {
            close(kind, *openers);
        }
    }

    void finish() {
        for (const OpenBlock& block : stack_) reportNeverClosed(block);
        stack_.clear();
    }

private:
    void open(BlockWord kind) {
        if (kind == BlockWord::kProcedure && isOpen(BlockWord::kProcedure))
            report(L"Procedure inside Procedure");
        stack_.push_back({kind, line_});
    }

    // A closing line closes the innermost matching block. Blocks opened inside it and
    // still open are reported and closed with it. The search for If, Repeat, For, While
    // and Select stops at a procedure's head: a procedure cannot close a block of the
    // main program.
    void close(BlockWord kind, std::pair<BlockWord, BlockWord> openers) {
        bool crossesProcedures = openers.first == BlockWord::kProcedure;
        std::optional<size_t> match;
        for (size_t i = stack_.size(); i-- > 0;) {
            BlockWord open = stack_[i].kind;
            if (open == openers.first || open == openers.second) {
                match = i;
                break;
            }
            if (open == BlockWord::kProcedure && !crossesProcedures) break;
        }
        if (!match) {
            report(name(kind) + L" without " + name(openers.first));
            return;
        }
        for (size_t i = *match + 1; i < stack_.size(); ++i) reportNeverClosed(stack_[i]);
        // Else divides its If and leaves it open.
        stack_.resize(kind == BlockWord::kElse ? *match + 1 : *match);
    }

    bool isOpen(BlockWord kind) const {
        for (const OpenBlock& block : stack_)
            if (block.kind == kind) return true;
        return false;
    }

    void reportNeverClosed(const OpenBlock& block) {
        diag_.error(message::atLine(block.line,
                                    name(block.kind) + L" without " + name(closerOf(block.kind))));
    }

    void report(const std::wstring& text) { diag_.error(message::atLine(line_, text)); }

    Diagnostics& diag_;
    std::vector<OpenBlock> stack_;
    long long line_ = -1;
};

} // namespace

void checkBlockStructure(const std::vector<std::wstring>& statements, Diagnostics& diag) {
    BlockChecker checker(diag);
    for (const std::wstring& statement : statements) checker.read(statement);
    checker.finish();
}

} // namespace qc
