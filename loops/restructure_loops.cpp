#include "loops/restructure_loops.h"

#include "common/text.h"
#include "loops/block_words.h"
#include "loops/cut_points.h"
#include "loops/loop_segments.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace qc {
namespace {

bool isCaseLabel(std::wstring_view statement) {
    if (equalsIgnoreCase(statement, L"default")) return true;
    return startsWithIgnoreCase(statement, L"case") &&
           (statement.size() == 4 || statement[4] == L' ' || statement[4] == L'(');
}

// Blocks that stay blocks of the script inside one function. A Repeat is one of them inside
// another of them: it is no cut into functions there, but a loop of the script as in a
// procedure, whose waits are awaited.
bool opensScriptBlock(BlockWord kind) {
    return kind == BlockWord::kFor || kind == BlockWord::kForEach || kind == BlockWord::kWhile ||
           kind == BlockWord::kRepeat;
}

bool closesScriptBlock(BlockWord kind) {
    return kind == BlockWord::kNext || kind == BlockWord::kWend || kind == BlockWord::kEndSelect ||
           kind == BlockWord::kUntil || kind == BlockWord::kForEver;
}

// "Until c" as the exit test "If c".
std::wstring exitTestOf(std::wstring_view until) {
    return L"If" + std::wstring(until.size() > 5 ? until.substr(5) : L"");
}

// Reads the statement list and tells the segments what each statement is.
class LoopPass {
public:
    LoopPass(Diagnostics& diag, const std::unordered_set<std::wstring>& waitingProcedures)
        : diag_(diag), segments_(targetLine, L"EndIf"), waitingProcedures_(waitingProcedures) {}

    void read(const std::wstring& statement) {
        BlockWord kind = classifyBlockWord(statement);
        if (waitsForLine(statement) && canCut(kind)) {
            segments_.cut(LoopLine{targetLine(L"QLCX_AskLine()")}, 0);
        } else if (waitsForEvent(statement) && canCut(kind)) {
            segments_.cut(line(awaitEventStatement(statement)), 0);
        } else if (std::optional<std::wstring> awaited =
                       awaitedForm(statement, segments_.insideScriptLoop())) {
            // Where the program cannot be cut the wait is awaited.
            dispatch(*awaited, kind);
            return;
        }
        dispatch(statement, kind);
        if (segments_.level() == 0 && kind == BlockWord::kNone && isDelayStatement(statement) &&
            canCut(kind))
            segments_.cut(std::nullopt, 0);
    }

    // The Until statement of every Repeat, in the order the Repeats come (null for ForEver).
    void setLoopEnds(std::vector<const std::wstring*> ends) { loopEnds_ = std::move(ends); }

    std::vector<std::wstring> emit() {
        std::vector<std::wstring> out;
        for (LoopLine& l : segments_.emit()) out.push_back(std::move(l.text));
        return out;
    }

private:
    LoopLine line(std::wstring text) const {
        bool awaits = callsWaitingProcedure(text);
        return LoopLine{std::move(text), 0, awaits};
    }

    void dispatch(const std::wstring& statement, BlockWord kind) {
        switch (kind) {
        case BlockWord::kIf:
            return segments_.openIf(line(statement));
        case BlockWord::kElse:
            if (!segments_.ifOpen()) return reportOnce(L"Else");
            return segments_.nextBranch(line(statement), true);
        case BlockWord::kEndIf:
            if (!segments_.ifOpen()) return reportOnce(L"EndIf");
            return segments_.endIf(line(statement));
        case BlockWord::kRepeat:
            if (segments_.atLevel()) {
                const std::wstring* until =
                    repeatsSeen_ < loopEnds_.size() ? loopEnds_[repeatsSeen_] : nullptr;
                ++repeatsSeen_;
                segments_.openLoop(
                    until != nullptr ? std::optional(line(exitTestOf(*until))) : std::nullopt, 0);
                return;
            }
            ++repeatsSeen_; // its Until is not a level's
            return ordinary(statement, kind);
        case BlockWord::kUntil:
        case BlockWord::kForEver:
            if (segments_.inScriptRepeat()) return ordinary(statement, kind);
            segments_.closeLoop(kind == BlockWord::kUntil
                                    ? std::optional(line(exitTestOf(statement)))
                                    : std::nullopt,
                                0);
            return;
        case BlockWord::kBreak:
        case BlockWord::kContinue:
            // Break leaves the loop for the parent's next continuation (the segment its Until
            // would switch to); Continue starts the loop's next pass at its first segment.
            if (segments_.level() == 0 || segments_.insideScriptLoop())
                return ordinary(statement, kind);
            if (kind == BlockWord::kBreak)
                segments_.leaveLoop(0);
            else
                segments_.nextPass(0);
            return;
        default:
            return ordinary(statement, kind);
        }
    }

    // A cut needs the statement to start a part of its own: not inside a script loop or a
    // Select of this level, and not on a line that continues a block (Else, Case). Where it
    // cannot cut, Input() asks with the browser's input box and Delay() only delays the next
    // pass, as they do in procedures.
    bool canCut(BlockWord kind) const {
        bool opensPart = kind == BlockWord::kNone || kind == BlockWord::kIf ||
                         kind == BlockWord::kUntil || kind == BlockWord::kSelect ||
                         kind == BlockWord::kWhile || kind == BlockWord::kFor ||
                         kind == BlockWord::kForEach;
        return opensPart && segments_.atLevel();
    }

    bool callsWaitingProcedure(std::wstring_view text) const {
        if (isTargetLine(text) || isLineMarker(text)) return false;
        if (waitingProcedures_.empty() && text.find(L"await") == std::wstring_view::npos)
            return false;
        for (const std::wstring& name : calledNames(text))
            if (isAwaitedWait(name) || waitingProcedures_.count(name) != 0) return true;
        return false;
    }

    void ordinary(const std::wstring& statement, BlockWord kind) {
        if (kind == BlockWord::kLineMarker) line_ = markerLine(statement);
        if (segments_.inSelect() && (isCaseLabel(statement) || kind == BlockWord::kEndSelect)) {
            if (kind == BlockWord::kEndSelect)
                segments_.endSelect(line(statement));
            else
                segments_.nextCase(line(statement));
            return;
        }
        if (kind == BlockWord::kSelect) return segments_.openSelect(line(statement));
        if (opensScriptBlock(kind)) segments_.openBlock(kind == BlockWord::kRepeat);
        if (closesScriptBlock(kind)) segments_.closeBlock();
        segments_.code(line(statement));
    }

    // The block check before this pass reports the same faults in the same words; one
    // message per fault is enough.
    void reportOnce(std::wstring_view closer) {
        Diagnostic record = message::withoutEnd(line_, closer, L"If");
        if (!diag_.hasReported(record)) diag_.error(std::move(record));
    }

    Diagnostics& diag_;
    LoopSegments segments_;
    std::vector<const std::wstring*> loopEnds_;
    size_t repeatsSeen_ = 0;
    long long line_ = -1;
    const std::unordered_set<std::wstring>& waitingProcedures_;
};

} // namespace

std::vector<std::wstring>
restructureLoops(const std::vector<std::wstring>& mainProgram, Diagnostics& diag,
                 const std::unordered_set<std::wstring>& waitingProcedures) {
    LoopPass pass(diag, waitingProcedures);
    std::vector<std::wstring> program = loopsAroundCuts(mainProgram);
    std::vector<const std::wstring*> ends;
    std::vector<size_t> open;
    for (const std::wstring& statement : program) {
        BlockWord kind = classifyBlockWord(statement);
        if (kind == BlockWord::kRepeat) {
            open.push_back(ends.size());
            ends.push_back(nullptr);
        } else if ((kind == BlockWord::kUntil || kind == BlockWord::kForEver) && !open.empty()) {
            if (kind == BlockWord::kUntil) ends[open.back()] = &statement;
            open.pop_back();
        }
    }
    pass.setLoopEnds(std::move(ends));
    for (const std::wstring& statement : program) pass.read(statement);
    return pass.emit();
}

} // namespace qc
