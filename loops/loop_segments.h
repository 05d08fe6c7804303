#pragma once
// Where the main program's lines go when its Repeat loops are cut into the functions INIT and
// Inf_<level>_<segment>, chained by the runtime's ChangeLoop, so that no loop ever blocks the
// browser. The printer drives it with the script lines of the main program: it says what each
// line is (an ordinary line, an If and its branches, a Select and its cases, a script block,
// a loop of the main program, a Break, a cut) and this class decides which functions receive
// it.
//
// Every loop opens a level (numbered 1, 2, ... in the order the loops open; the main program
// is level 0). A level's code is cut into segments: segment 0 runs from the level's start to
// its first nested loop, segment n is the continuation after the level's n-th nested loop
// has ended. Each segment becomes one function: INIT for segment 0 of level 0,
// Inf_<level>_<segment> for the others. A loop start switches the timer to the loop's first
// segment and returns; the loop's end becomes an exit test that switches to the parent's next
// continuation. Code after an If whose branch held a loop is placed in every segment control
// can be in at that point, so each path through the If reaches it.
//
// A label starts a new continuation of its level; Goto, Gosub and Return switch to one like
// the loops do, so control can leave any depth of blocks and loops of the main program.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qc {

struct LoopLine {
    std::wstring text;
    int source = 0;      // the program line it was written for (the printer's line table)
    bool awaits = false; // it awaits a wait or a procedure that waits: its function is async
    // A label: the line switches to its continuation, which is named once all are known.
    std::wstring jumpTo;
};

class LoopSegments {
public:
    // `testEnd` closes an exit test ("}").
    explicit LoopSegments(std::wstring testEnd);

    // An ordinary line: it goes to every segment control can be in, except one that has
    // handed control on (its code can never run).
    void code(LoopLine line);

    // An If, its ElseIf and Else lines and its end. The branches and the end go where the If
    // went, even to a segment that has handed control on inside the branch before.
    void openIf(LoopLine line);
    void nextBranch(LoopLine line, bool isElse);
    void endIf(LoopLine line);
    bool ifOpen() const { return !ifs_.empty(); }

    // A Select and its cases: a block of the script, whose case lines go where the Select
    // went, like an If's branches. A Select is no loop: a Break in it leaves the level's loop.
    void openSelect(LoopLine line);
    void nextCase(LoopLine line);
    void endSelect(LoopLine line);
    bool inSelect() const;

    // A block that stays a block of the script within one function: a For, ForEach or While,
    // or a Repeat inside one of those (`repeat`, so that its Until is known as its end).
    void openBlock(bool repeat);
    void closeBlock();
    // Whether the innermost open block of the level is a script Repeat.
    bool inScriptRepeat() const;

    // No script block or Select is open in the level: a loop here is a level of its own, and
    // the program can be cut here.
    bool atLevel() const;
    // A script loop (not only a Select) is open in the level.
    bool insideScriptLoop() const;
    int level() const { return current_; }

    // A loop of the main program: the lines before it switch to its first segment and
    // return. `exitTest`, the line that opens the loop's exit test, is kept for its Continue
    // lines; none for a loop without one.
    void openLoop(std::optional<LoopLine> exitTest, int source);
    // The loop's end: the exit test "test / switch to the parent's next continuation /
    // return / test end" where one is given; either way the parent continues in a new segment.
    // With no loop open (level 0 is its own parent) the same happens on level 0.
    void closeLoop(const std::optional<LoopLine>& exitTest, int source);
    // Break: on to the next continuation of the parent of the `loops`-th loop out (1: the
    // running one). Continue: the exit test, then the loop's first segment again.
    void leaveLoop(int source, int loops = 1);
    void nextPass(int source);
    // The loops of the main program open around the line being read.
    int openLoops() const;
    // The switch a Break inside a script block makes to leave `loops` loops of the main
    // program at once, as its own line ("ChangeLoop(Inf_0_1)"); the caller writes the return.
    std::wstring leaveLevels(int loops);

    // Ends the part being read and goes on in the level's next continuation: `call` (when not
    // empty) then the switch and return.
    void cut(const std::optional<LoopLine>& call, int source);

    // A label: the code before it goes on into a new continuation of the level, where a Goto
    // to it switches. The caller places no label inside a script loop.
    void label(std::wstring_view name, int source);
    // Goto: the switch to the label's continuation. Inside a script loop its return is an
    // ordinary line, so that the loop's closing bracket still follows it.
    void goTo(std::wstring_view name, int source);
    // Gosub: `push` (the runtime call that keeps a part to come back to, given the name of the
    // continuation after the Gosub) and the switch to the label. Not inside a script loop:
    // there is no continuation in the middle of one.
    void goSub(std::wstring_view name, std::wstring_view push, int source);
    // Return: the switch to `target`, the runtime call that takes the part the latest Gosub
    // kept.
    void switchTo(std::wstring_view target, int source);

    // A Goto or Gosub whose label is inside a loop that does not hold the jump: there is no
    // way into the middle of a loop from outside it. For the caller to report.
    struct Jump {
        std::wstring label; // as written
        int source = 0;
        bool gosub = false;
        int level = 0;
    };
    std::vector<Jump> jumpsIntoLoops() const;

    // The finished functions in order: level 0's segments, then level 1's, and so on. The
    // class is spent afterwards.
    std::vector<LoopLine> emit();
    // The same lines handed to `sink` one by one, each segment's storage let go once handed
    // on: a large main program is then never held twice.
    void emit(const std::function<void(LoopLine&&)>& sink);

private:
    using SegmentSet = std::vector<int>; // ascending, without repeats

    struct Segment {
        std::vector<LoopLine> lines;
        bool awaits = false;
        bool handedOn = false; // its last line returned after a switch
    };

    enum class Block : std::uint8_t { kLoop, kRepeat, kSelect };

    struct Level {
        int parent = 0;
        // The segment the level's next continuation will be: it grows by one each time a loop
        // nested in this level ends.
        int currentSegment = 0;
        // The highest segment a switch names. Only a loop that is never closed leaves it above
        // currentSegment; its function is still written.
        int highestTarget = 0;
        std::vector<Segment> segments = std::vector<Segment>(1);
        SegmentSet live = {0};     // the segments control can be in: where the next line goes
        std::vector<Block> blocks; // script blocks open in this level
        std::optional<LoopLine> exitTest;
    };

    struct Frame {
        int level = 0;
        SegmentSet placedIn;   // where the If or Select went; its branches go there too
        SegmentSet branchEnds; // the live segments where earlier branches ended
        bool inElse = false;
    };

    static SegmentSet unite(const SegmentSet& a, const SegmentSet& b);
    static std::wstring functionName(int level, int segment);
    std::wstring changeLoopTo(int level, int segment) const;
    std::wstring continuationOf(int level);
    void append(int level, const SegmentSet& segments, const LoopLine& line,
                SegmentSet* placed = nullptr, bool reopens = false);
    void own(int level, const SegmentSet& segments, std::wstring_view code, int source,
             SegmentSet* placed = nullptr);
    void handOn(int level, const SegmentSet& segments, int source);
    void exitTestLines(const LoopLine& test, int source);
    int outerParent(int loops) const;
    std::wstring nextContinuation(int level);
    void placeSwitch(LoopLine line, int source);
    bool encloses(int outer, int inner) const;
    void resolve(LoopLine& line) const;

    struct Target {
        int level = 0;
        int segment = 0;
    };
    std::unordered_map<std::wstring, Target> labels_; // by lower-case name
    std::vector<Jump> jumps_;

    std::wstring testEnd_;
    std::vector<Level> levels_;
    std::vector<Frame> ifs_;
    std::vector<Frame> selects_;
    int current_ = 0;
};

} // namespace qc
