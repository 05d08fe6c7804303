// INIT ...
// Page runtime library: start-up, frame timer, end of the program and the event queue.
//
// Every page carries this text through script compaction, which renames every name it does
// not know by its spelling alone. So the library keeps to a narrow JavaScript: browser words
// only as the target-word table lists them or behind document., window., Math. and
// navigator.; no typeof, null, undefined and the like; one statement per line; double-quoted
// strings only. Library globals are QLCX_ followed by an upper-case letter, which no name of a
// translated program can spell (program variables are lower case).

// Event codes and event types, equal to the source constants #PB_Event_... and
// #PB_EventType_... so that translated comparisons with those constants work.
var PB_Ev_CloseWindow = 1;
var PB_Ev_Gadget = 2;
var PB_EvTy_LClick = 1;
var PB_EvTy_LdbClick = 2;
var PB_EvTy_Focus = 3;
var PB_EvTy_LostFocus = 4;
var PB_EvTy_Change = 5;
var QLCX_EvMenu = 3;
var QLCX_EvTimer = 4;
var QLCX_EvSizeWindow = 5;
var QLCX_EvMoveWindow = 6;
var QLCX_EvActivateWindow = 7;

// Whole milliseconds between two calls of the running loop function (30 frames a second).
var QLCX_FramePeriod = Math.floor(1000 / 30);
// Milliseconds, and passes, that one frame may take for parts that switch to one another.
var QLCX_FrameBudget = 8;
var QLCX_FramePasses = 100;
// 1 once FlipBuffers showed a frame since the frame began: the frame's passes are over.
var QLCX_Flipped = 0;
// Handle of the interval timer that calls the running loop function, 0 when none runs.
var QLCX_LoopTimer = 0;
// The running loop function, and what it waits for since its last WaitWindowEvent: 0 nothing
// (it runs every frame), -1 an event, otherwise an event or this time, whichever comes first.
// A program waits in WaitWindowEvent between two passes of its loop, so the frame timer skips
// the loop function until the wait is over instead of handing it "no event" 30 times a second.
var QLCX_LoopFunction = 0;
var QLCX_WaitUntil = 0;
// 1 once the program has ended: no loop function may start after that.
var QLCX_Ended = 0;
// Delay asks for the next pass to start no earlier than this clock time (0: no wait).
var QLCX_ResumeAt = 0;
// 1 while the console waits for a typed line: the program goes on once it is there.
var QLCX_WaitingLine = 0;
// 1 while a timer of its own runs the next pass at the end of a Delay.
var QLCX_PassPending = 0;
// 1 while a part of the main program waits for a procedure that waits for events (an async
// function): no other pass starts until it is done.
var QLCX_Busy = 0;
// The procedures waiting in WaitWindowEvent (the main program's and the tasks'): the
// functions that settle their waits.
var QLCX_EventWaiters = [];
// The promise QLCX_Wait made last, and the function that settles it.
var QLCX_Waiting = 0;
var QLCX_Settler = 0;
// 1 from the wait the main program starts where it was cut before a WaitWindowEvent, until that
// WaitWindowEvent takes the event: it must not wait again before the pass after it.
var QLCX_EventAwaited = 0;

// The page's canvas and its 2d context, set by QLCXInit; the canvas position turns mouse
// coordinates into canvas coordinates.
var QLCX_Canvas = 0;
var QLCX_Context = 0;
var QLCX_CanvasX = 0;
var QLCX_CanvasY = 0;

// Open-flags of the windows by window number (1 open, 0 closed); OpenWindow and CloseWindow
// keep them, end() reads them.
var QLCX_WindowOpen = [];

// The event queue is a runtime list whose elements are records
// [window number, event code, gadget number, event type].
var QLCX_EventQueue = NewList(QLCX_NewEventRecord);
// The event that the last WindowEvent() took out of the queue.
var QLCX_EventWindow = 0;
var QLCX_EventGadget = 0;
var QLCX_EventType = 0;
// What the element that queued the current event knew about it (a canvas: the mouse position,
// buttons and keys at that moment), or 0.
var QLCX_EventDetails = 0;

// Flips since the frame began, and the procedure waiting in FlipBuffers for the next frame.
var QLCX_FlipsThisFrame = 0;
var QLCX_FlipWaiter = 0;
// Frame counting for GetFPS: flips since the last measurement, its time, the last rate.
var QLCX_FlipCount = 0;
var QLCX_FlipTime = new Date().getTime();
var QLCX_FramesPerSecond = 0;

// What the page's start function wires in for the features the program uses, 0 for the
// others: the menus' shortcut taker for key presses, the caller of bound procedures for each
// queued event, the window timers at each frame. A feature left out costs its functions too:
// nothing else refers to them.
var QLCX_ShortcutTaker = 0;
var QLCX_BoundCaller = 0;
var QLCX_TimerFirer = 0;

function QLCX_NewEventRecord() {
    return [0, 0, 0, 0];
}

// Called once by the page's start function, before INIT().
function QLCXInit(canvasname) {
    QLCX_Canvas = document.getElementById(canvasname);
    if (QLCX_Canvas) {
        QLCX_Context = QLCX_Canvas.getContext("2d");
    }
}

// Switches the running loop function. It never calls newfunc itself: the caller goes on with
// its next statement (generated code returns right after). ChangeLoop(0) stops the timer.
function ChangeLoop(newfunc) {
    QLCX_StopLoop();
    QLCX_LoopFunction = newfunc;
    // A wait that a cut before WaitWindowEvent just started is for the part switched to.
    if (!QLCX_EventAwaited) {
        QLCX_WaitUntil = 0;
    }
    if (newfunc && !QLCX_Ended) {
        QLCX_LoopTimer = setInterval(QLCX_RunFrame, QLCX_FramePeriod);
    }
}

// Stops the frame timer; the fault handler stops the program so without the frame machinery.
function QLCX_StopLoop() {
    if (QLCX_LoopTimer) {
        clearInterval(QLCX_LoopTimer);
    }
    QLCX_LoopTimer = 0;
    QLCX_LoopFunction = 0;
}

// One frame: window timers that are due queue their events, then the loop function gets
// its pass unless the program waits for a typed line, for the end of a Delay or in
// WaitWindowEvent. Waiting is skipping frames, never spinning. When a pass only switched to
// another part of the program (an inner loop that took the events and ended), that part runs
// in the same frame, so such a switch costs no frame of its own; the frame ends at the first
// part that already ran in it (the loop is round), at FlipBuffers, at a wait, or when its
// budget is spent. A Delay that ends before the next frame gets a timer of its own, so that
// Delay(10) in a loop neither costs a frame nor ends early when frames come unevenly.
function QLCX_RunFrame() {
    var now = new Date().getTime();
    var started = now;
    if (QLCX_TimerFirer) {
        QLCX_TimerFirer(now);
    }
    QLCX_NewFrame();
    QLCX_Flipped = 0;
    var ran = [];
    // The count bounds the frame where the clock is coarse or stands still (a test's clock).
    while (ran.length < QLCX_FramePasses && QLCX_MayPass(now)) {
        if (ran.indexOf(QLCX_LoopFunction) >= 0) {
            return 1;
        }
        ran.push(QLCX_LoopFunction);
        QLCX_Pass();
        now = new Date().getTime();
        if (QLCX_Flipped || now - started >= QLCX_FrameBudget) {
            return 1;
        }
    }
    return 1;
}

// Whether the loop function may have a pass now; a Delay or a wait that is over is done with.
function QLCX_MayPass(now) {
    if (QLCX_WaitingLine || QLCX_PassPending || QLCX_Busy || QLCX_Ended || !QLCX_LoopFunction) {
        return 0;
    }
    if (QLCX_ResumeAt) {
        if (now < QLCX_ResumeAt) {
            if (QLCX_ResumeAt - now < QLCX_FramePeriod) {
                QLCX_PassPending = 1;
                window.setTimeout(QLCX_DelayedPass, QLCX_ResumeAt - now);
            }
            return 0;
        }
        QLCX_ResumeAt = 0;
    }
    if (QLCX_WaitUntil && ListSize(QLCX_EventQueue) == 0) {
        if (QLCX_WaitUntil < 0 || now < QLCX_WaitUntil) {
            return 0;
        }
    }
    QLCX_WaitUntil = 0;
    return 1;
}

// One pass of the loop function. The part after a cut before WaitWindowEvent runs in the same
// frame when an event is already queued (the frame's passes go on to it).
function QLCX_Pass() {
    if (!QLCX_LoopFunction || QLCX_Busy) {
        return 0;
    }
    var waited = QLCX_EventAwaited;
    var done = QLCX_RunLoopFunction();
    if (waited || !done) {
        // The part after the cut has run; its WaitWindowEvent took the awaited event (or sat
        // in a branch not taken).
        QLCX_EventAwaited = 0;
        return 1;
    }
    if (!QLCX_EventAwaited || !QLCX_LoopFunction || QLCX_Ended || ListSize(QLCX_EventQueue) > 0) {
        return 1;
    }
    // A timeout shorter than a frame (a game's WaitWindowEvent(10)) ends on a timer of its own,
    // as a short Delay does, so the loop keeps the full frame rate.
    var remaining = QLCX_WaitUntil - new Date().getTime();
    if (QLCX_WaitUntil > 0 && remaining < QLCX_FramePeriod) {
        QLCX_PassPending = 1;
        window.setTimeout(QLCX_AwaitedPass, Math.max(remaining, 0));
    }
    return 1;
}

// Calls the running loop function; 0 when it is an async function still waiting for a
// procedure, which ends the wait of the pass when it is done (or stops the program when it
// fails).
function QLCX_RunLoopFunction() {
    var result = QLCX_LoopFunction();
    if (result && result.then) {
        QLCX_Busy = 1;
        result.then(QLCX_PassDone, QLCX_PassFailed);
        return 0;
    }
    return 1;
}

function QLCX_PassDone() {
    QLCX_Busy = 0;
}

function QLCX_PassFailed(error) {
    QLCX_Busy = 0;
    QLCX_Fault("" + error, "", 0, 0, error);
}

// WaitWindowEvent inside a procedure that waits (an async function): the event queued now,
// or a promise of the next one, settled when an event is queued or, with a timeout, of 0 once
// the timeout is over. An ended program never settles it, so a loop around it stops there.
function QLCX_NextEvent(timeout) {
    if (ListSize(QLCX_EventQueue) > 0 && !QLCX_Ended) {
        return WindowEvent();
    }
    var settle = QLCX_TaskWait()[0];
    var waiting = QLCX_Waiting;
    QLCX_EventWaiters.push(settle);
    if (timeout > 0) {
        window.setTimeout(function () { QLCX_EventWaitOver(settle); }, timeout);
    }
    return waiting.then(WindowEvent);
}

// A new promise, left in QLCX_Waiting; gives the function that settles it.
function QLCX_Wait() {
    QLCX_Waiting = new window.Promise(QLCX_HoldWait);
    return QLCX_Settler;
}

function QLCX_HoldWait(settle) {
    QLCX_Settler = settle;
}

// The timeout of a wait that an event has not ended yet.
function QLCX_EventWaitOver(settle) {
    var at = QLCX_EventWaiters.indexOf(settle);
    if (at < 0 || QLCX_Ended) {
        return 0;
    }
    QLCX_EventWaiters.splice(at, 1);
    settle(0);
    return 1;
}

// Called when an event is queued: the waiting procedures go on once the code that queued it
// is done, the first to go on taking the event.
function QLCX_EndEventWait() {
    var waiters = QLCX_EventWaiters;
    if (waiters.length == 0 || QLCX_Ended) {
        return 0;
    }
    QLCX_EventWaiters = [];
    for (var i = 0; i < waiters.length; i++) {
        waiters[i](0);
    }
    return 1;
}

// The pass after a cut before WaitWindowEvent whose timeout ended before the next frame.
function QLCX_AwaitedPass() {
    QLCX_PassPending = 0;
    if (QLCX_Ended || QLCX_WaitingLine || !QLCX_LoopFunction) {
        return 0;
    }
    QLCX_WaitUntil = 0;
    return QLCX_Pass();
}

// The pass that a short Delay held back; the program may have ended or started to wait since.
function QLCX_DelayedPass() {
    QLCX_PassPending = 0;
    QLCX_ResumeAt = 0;
    if (QLCX_Ended || QLCX_WaitingLine || !QLCX_LoopFunction) {
        return 0;
    }
    return QLCX_Pass();
}

// Called by the main program where it was cut before a WaitWindowEvent: the next part, which
// starts with that statement, runs once an event is queued or, with a timeout, once timeout
// milliseconds are over, when WaitWindowEvent gives 0.
function awaitevent(timeout) {
    QLCX_WaitUntil = -1;
    if (timeout > 0) {
        QLCX_WaitUntil = new Date().getTime() + timeout;
    }
    QLCX_EventAwaited = 1;
    return 1;
}

// The next event, or 0 when the timeout passed without one. Where the main program was cut
// before this call the wait is over; where it cannot be cut, and in procedures, translated
// programs await QLCX_NextEvent instead. A script run on the runtime directly gets the event
// queued now, and its loop waits before the next pass.
function WaitWindowEvent(timeout) {
    var code = WindowEvent();
    if (QLCX_EventAwaited) {
        QLCX_EventAwaited = 0;
        return code;
    }
    QLCX_WaitUntil = -1;
    if (timeout > 0) {
        QLCX_WaitUntil = new Date().getTime() + timeout;
    }
    return code;
}

// The source statement End. An End inside a procedure returns only from the procedure; the
// loop function that called it may still ask for its next loop, which QLCX_Ended refuses.
function end() {
    QLCX_Ended = 1;
    for (var id = 0; id < QLCX_WindowOpen.length; id++) {
        if (QLCX_WindowOpen[id] == 1) {
            CloseWindow(id);
        }
    }
}

// Stands in for source commands that need no browser counterpart (InitSprite and the like).
function empty() {
    return 1;
}

// Queues an event unless it repeats the last queued one in all four fields, so a burst of
// identical events (a double press, repeated change notifications, mouse moves) is seen once;
// the details of a repeat replace those of the event it repeats, so the newest count. Element
// handlers may pass attribute texts; the record always holds numbers, so that a translated
// "Case 5" matches.
function QLCX_AddEvent(win, code, gadget, kind, details) {
    var queue = QLCX_EventQueue;
    var record = [QLCX_Number(win), QLCX_Number(code), QLCX_Number(gadget), QLCX_Number(kind)];
    if (LastElement(queue)) {
        var last = queue[queue[0]];
        if (last[0] == record[0] && last[1] == record[1] && last[2] == record[2] && last[3] == record[3]) {
            last[4] = details;
            return 0;
        }
    }
    record[4] = details;
    AddElement(queue);
    queue[queue[0]] = record;
    if (QLCX_BoundCaller) {
        QLCX_BoundCaller(record);
    }
    QLCX_EndEventWait();
    return 1;
}

// Takes the oldest event out of the queue and returns its code; never waits. With an empty
// queue the current event becomes window -1, gadget 0, type 0 and the result is 0.
function WindowEvent() {
    var queue = QLCX_EventQueue;
    if (!FirstElement(queue)) {
        QLCX_EventWindow = -1;
        QLCX_EventGadget = 0;
        QLCX_EventType = 0;
        QLCX_EventDetails = 0;
        return 0;
    }
    var record = queue[queue[0]];
    DeleteElement(queue);
    QLCX_EventWindow = record[0];
    QLCX_EventGadget = record[2];
    QLCX_EventType = record[3];
    QLCX_EventDetails = record[4];
    return record[1];
}

// A number from a number or a numeric text; 0 for anything else (a missing argument).
function QLCX_Number(value) {
    var n = value * 1;
    // Only a value that is not a number differs from itself.
    if (n == n) {
        return n;
    }
    return 0;
}

function EventWindow() {
    return QLCX_EventWindow;
}

function EventGadget() {
    return QLCX_EventGadget;
}

function EventType() {
    return QLCX_EventType;
}

// Whole milliseconds since the page started, from the browser's monotonic clock: the wall
// clock jumps when it is set, and the fine clock's fractions would make two readings of the
// same millisecond differ. Never less than an earlier reading.
var QLCX_LastElapsed = 0;

function ElapsedMilliseconds() {
    var now = Math.floor(window.performance.now());
    if (now > QLCX_LastElapsed) { QLCX_LastElapsed = now; }
    return QLCX_LastElapsed;
}

// Drawing on the canvas is immediate, so flipping only counts frames for GetFPS: at most once
// a second the rate is measured over the time since the last measurement.
function FlipBuffers() {
    QLCX_Flipped = 1;
    QLCX_FlipCount++;
    var now = new Date().getTime();
    var elapsed = now - QLCX_FlipTime;
    if (elapsed >= 1000) {
        QLCX_FramesPerSecond = Math.round(QLCX_FlipCount * 1000 / elapsed);
        QLCX_FlipCount = 0;
        QLCX_FlipTime = now;
    }
    return 1;
}

// FlipBuffers in a procedure that waits (an async function), or in a loop of the script in
// the main program: the frame's first flip goes straight on, since the main program's loop
// that called it waits for the next frame itself; a further flip in the same frame (a game
// loop inside a procedure) waits for the next frame, so such a loop runs a pass a frame.
function QLCX_FlipWait() {
    FlipBuffers();
    QLCX_FlipsThisFrame++;
    if (QLCX_FlipsThisFrame <= 1) {
        return 1;
    }
    QLCX_FlipWaiter = QLCX_TaskWait()[0];
    return QLCX_Waiting;
}

// At each frame: a flip waiting for it goes on, and counts as the new frame's first.
function QLCX_NewFrame() {
    QLCX_FlipsThisFrame = 0;
    var settle = QLCX_FlipWaiter;
    if (settle) {
        QLCX_FlipWaiter = 0;
        QLCX_FlipsThisFrame = 1;
        settle(0);
    }
}

// Frames per second of the last full measurement; 0 during the first second.
function GetFPS() {
    return QLCX_FramesPerSecond;
}
