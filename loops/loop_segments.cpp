#include "loops/loop_segments.h"

#include "common/text.h"

#include <algorithm>
#include <iterator>

namespace qc {

LoopSegments::LoopSegments(std::wstring testEnd) : testEnd_(std::move(testEnd)), levels_(1) {}

LoopSegments::SegmentSet LoopSegments::unite(const SegmentSet& a, const SegmentSet& b) {
    SegmentSet both;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

std::wstring LoopSegments::functionName(int level, int segment) {
    if (level == 0 && segment == 0) return L"INIT";
    return L"Inf_" + std::to_wstring(level) + L"_" + std::to_wstring(segment);
}

std::wstring LoopSegments::changeLoopTo(int level, int segment) const {
    return L"ChangeLoop(" + functionName(level, segment) + L")";
}

// The level's next continuation, where the code after the running loop goes.
std::wstring LoopSegments::nextContinuation(int level) {
    Level& target = levels_[level];
    target.highestTarget = std::max(target.highestTarget, target.currentSegment + 1);
    return functionName(level, target.currentSegment + 1);
}

std::wstring LoopSegments::continuationOf(int level) {
    return L"ChangeLoop(" + nextContinuation(level) + L")";
}

// Places the line in each of the given segments of the level; `placed`, when given, receives
// the segments that took it. A segment that has handed control on refuses everything but the
// lines that re-open it (an If's branches and end, a Select's cases and end).
void LoopSegments::append(int level, const SegmentSet& segments, const LoopLine& line,
                          SegmentSet* placed, bool reopens) {
    auto& all = levels_[level].segments;
    for (int s : segments) {
        if (s >= static_cast<int>(all.size())) all.resize(s + 1);
        Segment& segment = all[s];
        if (segment.handedOn && !reopens) continue;
        segment.lines.push_back(line);
        segment.awaits |= line.awaits;
        segment.handedOn = false;
        if (placed != nullptr) placed->push_back(s);
    }
}

void LoopSegments::own(int level, const SegmentSet& segments, std::wstring_view code, int source,
                       SegmentSet* placed) {
    append(level, segments, LoopLine{std::wstring(code), source, false, {}}, placed);
}

// The return after a switch: the segment has handed control on.
void LoopSegments::handOn(int level, const SegmentSet& segments, int source) {
    SegmentSet placed;
    own(level, segments, L"return 0", source, &placed);
    for (int s : placed) levels_[level].segments[s].handedOn = true;
}

void LoopSegments::code(LoopLine line) {
    append(current_, levels_[current_].live, line);
}

void LoopSegments::openIf(LoopLine line) {
    SegmentSet placed;
    append(current_, levels_[current_].live, line, &placed);
    ifs_.push_back({current_, std::move(placed), {}, false});
}

// A branch goes where its If went; it then runs in those segments, whatever continuation a
// loop in the branch before has reached.
void LoopSegments::nextBranch(LoopLine line, bool isElse) {
    Frame& frame = ifs_.back();
    Level& level = levels_[frame.level];
    frame.branchEnds = unite(frame.branchEnds, level.live);
    append(frame.level, frame.placedIn, line, nullptr, true);
    level.live = frame.placedIn;
    frame.inElse = frame.inElse || isElse;
}

// After the end, control can be where any branch ended, and without an Else where the If
// itself was.
void LoopSegments::endIf(LoopLine line) {
    Frame frame = std::move(ifs_.back());
    ifs_.pop_back();
    Level& level = levels_[frame.level];
    append(frame.level, frame.placedIn, line, nullptr, true);
    SegmentSet ends = frame.inElse ? frame.branchEnds : unite(frame.placedIn, frame.branchEnds);
    level.live = unite(ends, level.live);
}

void LoopSegments::openSelect(LoopLine line) {
    levels_[current_].blocks.push_back(Block::kSelect);
    SegmentSet placed;
    append(current_, levels_[current_].live, line, &placed);
    selects_.push_back({current_, std::move(placed), {}, false});
}

// A Break in one case does not end the others, nor what follows the Select: these lines go
// where the Select went, even after a segment handed control on. A case that went on in a
// continuation of its own (after a Gosub or a label in it) ends there, so the next case's code
// goes only where the Select went; what follows the Select goes to both.
void LoopSegments::nextCase(LoopLine line) {
    Frame& frame = selects_.back();
    Level& level = levels_[frame.level];
    frame.branchEnds = unite(frame.branchEnds, level.live);
    append(frame.level, frame.placedIn, line, nullptr, true);
    level.live = frame.placedIn;
}

void LoopSegments::endSelect(LoopLine line) {
    nextCase(std::move(line));
    Frame frame = std::move(selects_.back());
    selects_.pop_back();
    Level& level = levels_[frame.level];
    level.blocks.pop_back();
    level.live = unite(frame.placedIn, frame.branchEnds);
}

bool LoopSegments::inSelect() const {
    const auto& blocks = levels_[current_].blocks;
    return !blocks.empty() && blocks.back() == Block::kSelect && !selects_.empty();
}

void LoopSegments::openBlock(bool repeat) {
    levels_[current_].blocks.push_back(repeat ? Block::kRepeat : Block::kLoop);
}

void LoopSegments::closeBlock() {
    auto& blocks = levels_[current_].blocks;
    if (!blocks.empty()) blocks.pop_back();
}

bool LoopSegments::inScriptRepeat() const {
    const auto& blocks = levels_[current_].blocks;
    return !blocks.empty() && blocks.back() == Block::kRepeat;
}

bool LoopSegments::atLevel() const {
    return levels_[current_].blocks.empty();
}

bool LoopSegments::insideScriptLoop() const {
    for (Block b : levels_[current_].blocks)
        if (b != Block::kSelect) return true;
    return false;
}

void LoopSegments::openLoop(std::optional<LoopLine> exitTest, int source) {
    int loop = static_cast<int>(levels_.size());
    SegmentSet placed;
    own(current_, levels_[current_].live, changeLoopTo(loop, 0), source, &placed);
    handOn(current_, placed, source);
    Level level;
    level.parent = current_;
    level.exitTest = std::move(exitTest);
    levels_.push_back(std::move(level));
    current_ = loop;
}

// "test / switch to the parent's next continuation / return / test end".
void LoopSegments::exitTestLines(const LoopLine& test, int source) {
    SegmentSet placed;
    append(current_, levels_[current_].live, test, &placed);
    own(current_, placed, continuationOf(levels_[current_].parent), source);
    handOn(current_, placed, source);
    append(current_, placed, LoopLine{testEnd_, source, false, {}}, nullptr, true);
}

void LoopSegments::closeLoop(const std::optional<LoopLine>& exitTest, int source) {
    if (exitTest) exitTestLines(*exitTest, source);
    int parent = levels_[current_].parent;
    Level& level = levels_[parent];
    current_ = parent;
    ++level.currentSegment;
    level.live = {level.currentSegment};
}

// The level whose continuation a Break out of `loops` loops goes on in.
int LoopSegments::outerParent(int loops) const {
    int level = current_;
    for (int k = 1; k < loops && level != 0; ++k) level = levels_[level].parent;
    return levels_[level].parent;
}

void LoopSegments::leaveLoop(int source, int loops) {
    SegmentSet placed;
    own(current_, levels_[current_].live, continuationOf(outerParent(loops)), source, &placed);
    handOn(current_, placed, source);
}

void LoopSegments::nextPass(int source) {
    Level& level = levels_[current_];
    SegmentSet live = level.live;
    if (level.exitTest) exitTestLines(*level.exitTest, source);
    SegmentSet placed;
    own(current_, live, changeLoopTo(current_, 0), source, &placed);
    handOn(current_, placed, source);
}

int LoopSegments::openLoops() const {
    int count = 0;
    for (int level = current_; level != 0; level = levels_[level].parent) ++count;
    return count;
}

std::wstring LoopSegments::leaveLevels(int loops) {
    return continuationOf(outerParent(loops));
}

void LoopSegments::cut(const std::optional<LoopLine>& call, int source) {
    Level& level = levels_[current_];
    std::wstring next = continuationOf(current_);
    SegmentSet placed;
    if (call) {
        append(current_, level.live, *call, &placed);
        own(current_, placed, next, source);
    } else {
        own(current_, level.live, next, source, &placed);
    }
    handOn(current_, placed, source);
    ++level.currentSegment;
    level.live = {level.currentSegment};
}

void LoopSegments::label(std::wstring_view name, int source) {
    cut(std::nullopt, source);
    labels_[toLower(name)] = {current_, levels_[current_].currentSegment};
}

// The switch, then its return: a hand-on where it can be one, an ordinary line in a script
// loop.
void LoopSegments::placeSwitch(LoopLine line, int source) {
    if (insideScriptLoop()) {
        code(std::move(line));
        return code(LoopLine{L"return 0;", source, false, {}});
    }
    SegmentSet placed;
    append(current_, levels_[current_].live, line, &placed);
    handOn(current_, placed, source);
}

void LoopSegments::goTo(std::wstring_view name, int source) {
    jumps_.push_back({std::wstring(name), source, false, current_});
    placeSwitch(LoopLine{L"", source, false, toLower(name)}, source);
}

void LoopSegments::goSub(std::wstring_view name, std::wstring_view push, int source) {
    jumps_.push_back({std::wstring(name), source, true, current_});
    Level& level = levels_[current_];
    code(LoopLine{
        std::wstring(push) + L"(" + nextContinuation(current_) + L");", source, false, {}});
    placeSwitch(LoopLine{L"", source, false, toLower(name)}, source);
    ++level.currentSegment;
    level.live = {level.currentSegment};
}

void LoopSegments::switchTo(std::wstring_view target, int source) {
    placeSwitch(LoopLine{L"ChangeLoop(" + std::wstring(target) + L")", source, false, {}}, source);
}

bool LoopSegments::encloses(int outer, int inner) const {
    for (int level = inner;; level = levels_[level].parent) {
        if (level == outer) return true;
        if (level == 0) return false;
    }
}

std::vector<LoopSegments::Jump> LoopSegments::jumpsIntoLoops() const {
    std::vector<Jump> into;
    for (const Jump& jump : jumps_) {
        auto target = labels_.find(toLower(jump.label));
        if (target != labels_.end() && !encloses(target->second.level, jump.level))
            into.push_back(jump);
    }
    return into;
}

// A label the caller did not place (it reported why) stops the program rather than run on.
void LoopSegments::resolve(LoopLine& line) const {
    if (line.jumpTo.empty()) return;
    auto target = labels_.find(line.jumpTo);
    line.text = target == labels_.end()
                    ? L"ChangeLoop(0)"
                    : changeLoopTo(target->second.level, target->second.segment);
}

std::vector<LoopLine> LoopSegments::emit() {
    std::vector<LoopLine> out;
    emit([&out](LoopLine&& line) { out.push_back(std::move(line)); });
    return out;
}

void LoopSegments::emit(const std::function<void(LoopLine&&)>& sink) {
    auto ownLine = [&](std::wstring_view code) { sink({std::wstring(code), 0, false, {}}); };
    for (int l = 0; l < static_cast<int>(levels_.size()); ++l) {
        Level& level = levels_[l];
        // The end of a continuation goes back to the loop's first segment, which is how the
        // loop repeats; the end of the main program stops the timer.
        std::wstring continuationEnd = l == 0 ? L"ChangeLoop(0)" : changeLoopTo(l, 0);
        int last = static_cast<int>(level.segments.size()) - 1;
        for (int s = 0; s <= last; ++s) {
            Segment& segment = level.segments[s];
            std::wstring name = functionName(l, s);
            bool start = l == 0 && s == 0;
            if (start && segment.awaits) {
                // The page calls INIT directly and cannot wait for it; the frame timer runs
                // Inf_0_0 and waits for its promise.
                ownLine(L"function INIT(){");
                ownLine(L"ChangeLoop(Inf_0_0)");
                ownLine(L"return 0");
                ownLine(L"}");
                name = L"Inf_0_0";
            }
            ownLine((segment.awaits ? L"async function " : L"function ") + name + L"(){");
            for (LoopLine& line : segment.lines) {
                resolve(line);
                sink(std::move(line));
            }
            std::vector<LoopLine>().swap(segment.lines);
            if (s >= 1 || (start && segment.awaits)) ownLine(continuationEnd);
            ownLine(L"}");
        }
        // Continuations that nested loops or labels switch to but that received no line: the
        // loop goes round again. One above currentSegment follows a loop never closed.
        int lastSwitchedTo = std::max(level.currentSegment, level.highestTarget);
        for (int s = last + 1; s <= lastSwitchedTo; ++s) {
            ownLine(L"function " + functionName(l, s) + L"(){");
            ownLine(s <= level.currentSegment ? continuationEnd : L"ChangeLoop(0)");
            ownLine(L"}");
        }
    }
}

} // namespace qc
