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

std::wstring_view keywordName(BlockWord kind) {
    switch (kind) {
    case BlockWord::kIf:
        return L"If";
    case BlockWord::kElse:
        return L"Else";
    case BlockWord::kEndIf:
        return L"EndIf";
    case BlockWord::kRepeat:
        return L"Repeat";
    case BlockWord::kUntil:
        return L"Until";
    case BlockWord::kForEver:
        return L"ForEver";
    case BlockWord::kFor:
        return L"For";
    case BlockWord::kForEach:
        return L"ForEach";
    case BlockWord::kNext:
        return L"Next";
    case BlockWord::kWhile:
        return L"While";
    case BlockWord::kWend:
        return L"Wend";
    case BlockWord::kSelect:
        return L"Select";
    case BlockWord::kEndSelect:
        return L"EndSelect";
    case BlockWord::kProcedure:
        return L"Procedure";
    case BlockWord::kEndProcedure:
        return L"EndProcedure";
    default:
        return L"";
    }
}

// The word that closes a block, as named in "never closed" messages.
std::wstring_view closingName(BlockWord opener) {
    switch (opener) {
    case BlockWord::kIf:
        return L"EndIf";
    case BlockWord::kRepeat:
        return L"Until";
    case BlockWord::kFor:
    case BlockWord::kForEach:
        return L"Next";
    case BlockWord::kWhile:
        return L"Wend";
    case BlockWord::kSelect:
        return L"EndSelect";
    case BlockWord::kProcedure:
        return L"EndProcedure";
    default:
        return L"";
    }
}

bool opensBlock(BlockWord kind) {
    return !closingName(kind).empty();
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

bool blocksRepeat(BlockWord kind) {
    return kind == BlockWord::kFor || kind == BlockWord::kForEach || kind == BlockWord::kWhile ||
           kind == BlockWord::kSelect;
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
        if (kind == BlockWord::kRepeat) checkRepeatNesting();
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
            report(std::wstring(keywordName(kind)) + L" without " +
                   std::wstring(keywordName(openers.first)));
            return;
        }
        for (size_t i = *match + 1; i < stack_.size(); ++i) reportNeverClosed(stack_[i]);
        // Else divides its If and leaves it open.
        stack_.resize(kind == BlockWord::kElse ? *match + 1 : *match);
    }

    void checkRepeatNesting() {
        if (isOpen(BlockWord::kProcedure)) return;
        for (size_t i = stack_.size(); i-- > 0;) {
            BlockWord open = stack_[i].kind;
            if (blocksRepeat(open)) {
                report(L"Repeat inside " + std::wstring(keywordName(open)) + L" is not supported");
                return;
            }
        }
    }

    bool isOpen(BlockWord kind) const {
        for (const OpenBlock& block : stack_)
            if (block.kind == kind) return true;
        return false;
    }

    void reportNeverClosed(const OpenBlock& block) {
        diag_.error(message::atLine(block.line, std::wstring(keywordName(block.kind)) +
                                                    L" without " +
                                                    std::wstring(closingName(block.kind))));
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
