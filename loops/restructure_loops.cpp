#include "loops/restructure_loops.h"

#include "common/text.h"
#include "loops/block_words.h"
#include "loops/cut_points.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace qc {
namespace {

// A segment whose last line starts so has handed control on; code after it never runs.
const std::wstring kReturnPrefix = targetLine(L"return ");

// Segment indexes of one level, ascending, without repeats.
using SegmentSet = std::vector<int>;

SegmentSet unite(const SegmentSet& a, const SegmentSet& b) {
    SegmentSet both;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

struct CodeSegment {
    std::vector<std::wstring> lines;
    bool awaits = false; // calls a procedure that waits: an async function
};

struct LoopLevel {
    int parent = 0;
    // The segment the level's next continuation will be: it grows by one each time a loop
    // nested in this level ends.
    int currentSegment = 0;
    // The highest segment an exit test or a Break switches to. Only a loop that is never
    // closed leaves it above currentSegment; its function is still emitted.
    int highestTarget = 0;
    std::vector<CodeSegment> segments = std::vector<CodeSegment>(1);
    // The segments control can be in at the point being read: where the next line goes.
    SegmentSet live = {0};
    // While, For, ForEach and Select blocks opened in this level and not yet closed, by
    // their opening word, and Repeat blocks inside those. A Break or Continue inside one of
    // the loops among them belongs to that loop; a Select alone is no loop, so a Break inside
    // it still leaves the Repeat.
    std::vector<BlockWord> innerBlocks;
    // The loop's "Until c" statement, read ahead so that Continue can make the same test;
    // null for a ForEver loop.
    const std::wstring* until = nullptr;

    bool insideInnerLoop() const {
        for (BlockWord kind : innerBlocks)
            if (kind != BlockWord::kSelect) return true;
        return false;
    }

    int lastSegment() const { return static_cast<int>(segments.size()) - 1; }
};

struct IfFrame {
    int level = 0;
    SegmentSet placedIn;       // where the If line went; its Else and EndIf go there too
    SegmentSet thenBranchEnds; // the live segments when the Else was read
    bool inElse = false;
};

std::wstring functionName(int level, int segment) {
    if (level == 0 && segment == 0) return L"INIT";
    return L"Inf_" + std::to_wstring(level) + L"_" + std::to_wstring(segment);
}

std::wstring targetCode(std::wstring_view code) {
    return targetLine(code);
}

std::wstring changeLoopTo(int level, int segment) {
    return targetCode(L"ChangeLoop(" + functionName(level, segment) + L")");
}

// Blocks that stay blocks of the script inside one function. A Repeat is one of them inside
// another of them: it is no cut into functions there, but a loop of the script as in a
// procedure, whose waits are awaited.
bool opensInnerBlock(BlockWord kind) {
    return kind == BlockWord::kFor || kind == BlockWord::kForEach || kind == BlockWord::kWhile ||
           kind == BlockWord::kSelect || kind == BlockWord::kRepeat;
}

bool isCaseLabel(std::wstring_view statement) {
    if (equalsIgnoreCase(statement, L"default")) return true;
    return startsWithIgnoreCase(statement, L"case") &&
           (statement.size() == 4 || statement[4] == L' ' || statement[4] == L'(');
}

bool closesInnerBlock(BlockWord kind) {
    return kind == BlockWord::kNext || kind == BlockWord::kWend || kind == BlockWord::kEndSelect ||
           kind == BlockWord::kUntil || kind == BlockWord::kForEver;
}

class LoopPass {
public:
    LoopPass(Diagnostics& diag, const std::unordered_set<std::wstring>& waitingProcedures)
        : diag_(diag), levels_(1), waitingProcedures_(waitingProcedures) {}

    void read(const std::wstring& statement) {
        BlockWord kind = classifyBlockWord(statement);
        if (waitsForLine(statement) && canCut(kind)) {
            cut(targetCode(L"QLCX_AskLine()"));
        } else if (waitsForEvent(statement) && canCut(kind)) {
            cut(awaitEventStatement(statement));
        } else if (std::optional<std::wstring> awaited =
                       awaitedForm(statement, levels_[current_].insideInnerLoop())) {
            // Where the program cannot be cut the wait is awaited.
            dispatch(*awaited, kind);
            return;
        }
        dispatch(statement, kind);
        if (current_ == 0 && kind == BlockWord::kNone && isDelayStatement(statement) &&
            canCut(kind))
            cut(L"");
    }

    // The Until statement of every Repeat, in the order the Repeats come (null for ForEver).
    void setLoopEnds(std::vector<const std::wstring*> ends) { loopEnds_ = std::move(ends); }

    // Hands the placed lines over as the finished functions; the pass is spent afterwards.
    std::vector<std::wstring> emit();

private:
    void dispatch(const std::wstring& statement, BlockWord kind) {
        switch (kind) {
        case BlockWord::kIf:
            onIf(statement);
            break;
        case BlockWord::kElse:
            onElse(statement);
            break;
        case BlockWord::kEndIf:
            onEndIf(statement);
            break;
        case BlockWord::kRepeat:
            if (levels_[current_].innerBlocks.empty()) {
                onRepeat();
            } else {
                ++repeatsSeen_; // its Until is not a level's
                onOrdinary(statement, kind);
            }
            break;
        case BlockWord::kUntil:
        case BlockWord::kForEver:
            if (!levels_[current_].innerBlocks.empty() &&
                levels_[current_].innerBlocks.back() == BlockWord::kRepeat)
                onOrdinary(statement, kind);
            else
                onLoopEnd(statement, kind == BlockWord::kUntil);
            break;
        case BlockWord::kBreak:
        case BlockWord::kContinue:
            onBreakOrContinue(statement, kind);
            break;
        default:
            onOrdinary(statement, kind);
            break;
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
        return opensPart && levels_[current_].innerBlocks.empty();
    }

    // Ends the part being read and goes on in the level's next continuation: `call` (a wait
    // of the runtime, a statement or a target line) then the switch and return, as at the start
    // of a nested loop that ends at once. The runtime's timer holds the continuation back while
    // a line, an event or a Delay is awaited.
    void cut(std::wstring_view call) {
        LoopLevel& level = levels_[current_];
        std::wstring next = continuationOf(current_);
        SegmentSet placed;
        if (!call.empty()) {
            appendCode(current_, level.live, call, &placed);
            appendCode(current_, placed, next);
        } else {
            appendCode(current_, level.live, next, &placed);
        }
        appendCode(current_, placed, targetCode(L"return 0"));
        ++level.currentSegment;
        level.live = {level.currentSegment};
    }

    // Places `text` in each of the given segments of the level; `placed`, when given,
    // receives the segments that took it. A segment that has handed control on (its last
    // line returns) refuses everything but the Else and EndIf lines that re-open it.
    void appendCode(int level, const SegmentSet& segments, std::wstring_view text,
                    SegmentSet* placed = nullptr, bool reopens = false) {
        for (int segment : segments)
            if (placeLine(level, segment, text, reopens) && placed != nullptr)
                placed->push_back(segment);
    }

    bool placeLine(int level, int segment, std::wstring_view text, bool reopens) {
        auto& segments = levels_[level].segments;
        if (segment >= static_cast<int>(segments.size())) segments.resize(segment + 1);
        auto& lines = segments[segment].lines;
        if (!reopens && !lines.empty() && startsWith(lines.back(), kReturnPrefix)) return false;
        lines.emplace_back(text);
        if (!segments[segment].awaits && callsWaitingProcedure(text))
            segments[segment].awaits = true;
        return true;
    }

    bool callsWaitingProcedure(std::wstring_view text) const {
        if (isTargetLine(text) || isLineMarker(text)) return false;
        if (waitingProcedures_.empty() && text.find(L"await") == std::wstring_view::npos)
            return false;
        for (const std::wstring& name : calledNames(text))
            if (isAwaitedWait(name) || waitingProcedures_.count(name) != 0) return true;
        return false;
    }

    void onOrdinary(const std::wstring& statement, BlockWord kind) {
        LoopLevel& level = levels_[current_];
        if (kind == BlockWord::kLineMarker) line_ = markerLine(statement);
        bool inSelect =
            !level.innerBlocks.empty() && level.innerBlocks.back() == BlockWord::kSelect;
        if (inSelect && !selectStack_.empty() &&
            (isCaseLabel(statement) || kind == BlockWord::kEndSelect)) {
            onCaseOrEndSelect(statement, kind);
            return;
        }
        if (opensInnerBlock(kind)) level.innerBlocks.push_back(kind);
        if (closesInnerBlock(kind) && !level.innerBlocks.empty()) level.innerBlocks.pop_back();
        SegmentSet placed;
        appendCode(current_, level.live, statement, &placed);
        if (kind == BlockWord::kSelect) selectStack_.push_back({current_, std::move(placed)});
    }

    // A Break in one Case does not end the others, nor what follows the EndSelect: like Else
    // and EndIf, these lines go where their Select went, even after a segment's return.
    void onCaseOrEndSelect(const std::wstring& statement, BlockWord kind) {
        Frame frame = selectStack_.back();
        LoopLevel& level = levels_[frame.level];
        appendCode(frame.level, frame.placedIn, statement, nullptr, true);
        level.live = unite(level.live, frame.placedIn);
        if (kind == BlockWord::kEndSelect) {
            level.innerBlocks.pop_back();
            selectStack_.pop_back();
        }
    }

    void onIf(const std::wstring& statement) {
        SegmentSet placed;
        appendCode(current_, levels_[current_].live, statement, &placed);
        ifStack_.push_back({current_, std::move(placed), {}, false});
    }

    // The Else goes where its If went; the Else branch then runs in those segments, whatever
    // continuation a loop in the If branch has reached.
    void onElse(const std::wstring& statement) {
        if (ifStack_.empty()) {
            reportOnce(L"Else");
            return;
        }
        IfFrame& frame = ifStack_.back();
        LoopLevel& level = levels_[frame.level];
        frame.thenBranchEnds = unite(frame.thenBranchEnds, level.live);
        appendCode(frame.level, frame.placedIn, statement, nullptr, true);
        level.live = frame.placedIn;
        frame.inElse = true;
    }

    // After the EndIf, control can be where either branch ended (without an Else, the
    // second branch is the If's own segments).
    void onEndIf(const std::wstring& statement) {
        if (ifStack_.empty()) {
            reportOnce(L"EndIf");
            return;
        }
        IfFrame frame = std::move(ifStack_.back());
        ifStack_.pop_back();
        LoopLevel& level = levels_[frame.level];
        appendCode(frame.level, frame.placedIn, statement, nullptr, true);
        level.live = unite(frame.inElse ? frame.thenBranchEnds : frame.placedIn, level.live);
    }

    void onRepeat() {
        int loop = static_cast<int>(levels_.size());
        const SegmentSet live = levels_[current_].live;
        SegmentSet placed;
        appendCode(current_, live, changeLoopTo(loop, 0), &placed);
        appendCode(current_, placed, targetCode(L"return 0"));
        LoopLevel level;
        level.parent = current_;
        if (repeatsSeen_ < loopEnds_.size()) level.until = loopEnds_[repeatsSeen_];
        ++repeatsSeen_;
        levels_.push_back(std::move(level));
        current_ = loop;
    }

    // "Until c" becomes the exit test "If c" / switch to the parent's next continuation /
    // return / EndIf; "ForEver" has none. Either way the parent continues in a new segment.
    // With no loop open (level 0 is its own parent) the same happens on level 0.
    void onLoopEnd(const std::wstring& statement, bool isUntil) {
        int loop = current_;
        int parent = levels_[loop].parent;
        if (isUntil) {
            std::wstring condition = statement.size() > 5 ? statement.substr(5) : L"";
            SegmentSet placed;
            appendCode(loop, levels_[loop].live, L"If" + condition, &placed);
            appendCode(loop, placed, continuationOf(parent));
            appendCode(loop, placed, targetCode(L"return 0"));
            appendCode(loop, placed, L"EndIf", nullptr, true);
        }
        LoopLevel& level = levels_[parent];
        current_ = parent;
        ++level.currentSegment;
        level.live = {level.currentSegment};
    }

    // Break leaves the loop for the parent's next continuation (the segment its Until would
    // switch to); Continue starts the loop's next pass at its first segment.
    void onBreakOrContinue(const std::wstring& statement, BlockWord kind) {
        LoopLevel& level = levels_[current_];
        if (current_ == 0 || level.insideInnerLoop()) {
            onOrdinary(statement, kind);
            return;
        }
        std::wstring target =
            kind == BlockWord::kBreak ? continuationOf(level.parent) : changeLoopTo(current_, 0);
        SegmentSet live = level.live;
        if (kind == BlockWord::kContinue && level.until != nullptr) {
            // Continue goes to the loop's test, as the loop's own end does.
            std::wstring condition = level.until->size() > 5 ? level.until->substr(5) : L"";
            SegmentSet tested;
            appendCode(current_, live, L"If" + condition, &tested);
            appendCode(current_, tested, continuationOf(levels_[current_].parent));
            appendCode(current_, tested, targetCode(L"return 0"));
            appendCode(current_, tested, L"EndIf", nullptr, true);
        }
        SegmentSet placed;
        appendCode(current_, live, target, &placed);
        appendCode(current_, placed, targetCode(L"return 0"));
    }

    // The switch to the level's next continuation, where the code after the running loop
    // goes.
    std::wstring continuationOf(int level) {
        LoopLevel& target = levels_[level];
        target.highestTarget = std::max(target.highestTarget, target.currentSegment + 1);
        return changeLoopTo(level, target.currentSegment + 1);
    }

    // The block check before this pass reports the same faults in the same words; one
    // message per fault is enough.
    void reportOnce(std::wstring_view closer) {
        Diagnostic record = message::withoutEnd(line_, closer, L"If");
        if (!diag_.hasReported(record)) diag_.error(std::move(record));
    }

    Diagnostics& diag_;
    std::vector<LoopLevel> levels_;
    std::vector<IfFrame> ifStack_;
    struct Frame {
        int level = 0;
        SegmentSet placedIn;
    };
    std::vector<Frame> selectStack_; // the Selects of innerBlocks, where each was placed
    int current_ = 0;
    std::vector<const std::wstring*> loopEnds_;
    size_t repeatsSeen_ = 0;
    long long line_ = -1;
    const std::unordered_set<std::wstring>& waitingProcedures_;
};

std::vector<std::wstring> LoopPass::emit() {
    std::vector<std::wstring> out;
    for (int l = 0; l < static_cast<int>(levels_.size()); ++l) {
        LoopLevel& level = levels_[l];
        // The end of a continuation goes back to the loop's first segment, which is how
        // the loop repeats; the end of the main program stops the timer.
        std::wstring continuationEnd = l == 0 ? targetCode(L"ChangeLoop(0)") : changeLoopTo(l, 0);
        for (int s = 0; s <= level.lastSegment(); ++s) {
            CodeSegment& segment = level.segments[s];
            std::wstring name = functionName(l, s);
            bool start = l == 0 && s == 0;
            if (start && segment.awaits) {
                // The page calls INIT directly and cannot wait for it; the frame timer runs
                // Inf_0_0 and waits for its promise.
                out.push_back(targetCode(L"function INIT(){"));
                out.push_back(targetCode(L"ChangeLoop(Inf_0_0)"));
                out.push_back(targetCode(L"return 0"));
                out.push_back(targetCode(L"}"));
                name = L"Inf_0_0";
            }
            out.push_back(
                targetCode((segment.awaits ? L"async function " : L"function ") + name + L"(){"));
            out.insert(out.end(), std::make_move_iterator(segment.lines.begin()),
                       std::make_move_iterator(segment.lines.end()));
            if (s >= 1 || (start && segment.awaits)) out.push_back(continuationEnd);
            out.push_back(targetCode(L"}"));
        }
        // Continuations that nested loops switch to but that received no line.
        int lastSwitchedTo = std::max(level.currentSegment, level.highestTarget);
        for (int s = level.lastSegment() + 1; s <= lastSwitchedTo; ++s) {
            out.push_back(targetCode(L"function " + functionName(l, s) + L"(){"));
            out.push_back(targetCode(L"ChangeLoop(0)"));
            out.push_back(targetCode(L"}"));
        }
    }
    return out;
}

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
