// Threads as tasks that share the page's one processor. CreateThread starts a procedure as a
// task of its own (the translation makes it an async function). A task runs until it waits:
// Delay, WaitThread, a mutex another task holds, a semaphore at zero, or, at a pass of one of
// its loops, the end of its time slice. Then the main program and the other tasks go on. A
// thread is a number from 1 up; QLCX_TaskNow is the one running, 0 for the main program,
// which is also the one in place whenever nothing runs: a task gives its place back at each
// wait, and the code that goes on after a wait puts its own task back (QLCX_TaskBack).

var QLCX_Tasks = [0]; // by thread: [running 1 or 0, the waits for its end]
var QLCX_TaskNow = 0;
// A program with Threaded variables sets the function that swaps their values: it gives
// those in place and puts in place the ones it is given, or new ones for a task that starts.
// The values of each task that is not in place, by thread, 0 for the main program.
var QLCX_ThreadedSwap = 0;
var QLCX_TaskValues = [];
var QLCX_SliceStart = 0;
var QLCX_SlicePasses = 0;
var QLCX_Mutexes = [0]; // [times locked, waiting tasks, the task holding it]
var QLCX_Semaphores = [0]; // [count, waiting tasks]

// A thread of no procedure (an address the conversion refused) is no thread: 0, as a
// thread that cannot be made.
function CreateThread(procedure, value) {
    if (!procedure) { return 0; }
    // The address of a variable (a number, where a procedure is a function) is no procedure:
    // natively the thread would run its bytes.
    if (procedure - 0 === procedure) { QLCX_MemFault(); }
    var id = QLCX_Tasks.length;
    QLCX_Tasks.push([1, []]);
    window.setTimeout(function () { QLCX_TaskRun(id, procedure, value); }, 0);
    return id;
}

function QLCX_TaskRun(id, procedure, value) {
    if (!QLCX_Tasks[id][0] || QLCX_Ended) { return; }
    QLCX_TaskBecome(id);
    var done = procedure(value);
    QLCX_TaskBecome(0);
    if (done && done.then) {
        done.then(function () { QLCX_TaskEnd(id); });
    } else {
        QLCX_TaskEnd(id);
    }
}

// The task `id` has its turn: its Threaded values in place of the last one's, and a new time
// slice.
function QLCX_TaskBecome(id) {
    if (id == QLCX_TaskNow) { return; }
    if (QLCX_ThreadedSwap) {
        QLCX_TaskValues[QLCX_TaskNow] = QLCX_ThreadedSwap(QLCX_TaskValues[id]);
        QLCX_TaskValues[id] = 0;
    }
    QLCX_TaskNow = id;
    if (id) { QLCX_TaskSliceBegin(); }
}

// Generated code after each wait where tasks run: `value` is what the wait gave, and the
// task that waited goes on in its own place.
function QLCX_TaskBack(id, value) {
    QLCX_TaskBecome(id);
    return value;
}

function QLCX_TaskEnd(id) {
    var task = QLCX_Tasks[id];
    if (!task[0]) { return; }
    task[0] = 0;
    if (QLCX_TaskNow == id) { QLCX_TaskBecome(0); }
    QLCX_TaskValues[id] = 0;
    QLCX_HandOver(task[1], 1);
    task[1] = [];
}

// A Threaded array in a task that starts: of the bounds the array has now, every element new.
function QLCX_FreshArray(a, ctor) {
    if (!QLCX_IsArray(a)) { return 0; }
    var bounds = [-1, -1, -1];
    var inner = a;
    for (var k = 0; k < 3 && QLCX_IsArray(inner); k++) {
        bounds[k] = inner.length - 1;
        inner = inner[0];
    }
    return dimfunc(ctor, bounds[0], bounds[1], bounds[2]);
}

// Each wait that ends is settled from a timer of its own: settling it while other code runs
// would let the waiting task go on in the middle of that code.
function QLCX_HandOver(waits, result) {
    for (var i = 0; i < waits.length; i++) { QLCX_SettleLater(waits[i], result); }
}

function QLCX_SettleLater(wait, result) {
    window.setTimeout(function () { wait[0](result); }, 0);
}

function QLCX_TaskSliceBegin() {
    QLCX_SliceStart = new Date().getTime();
    QLCX_SlicePasses = 0;
}

// Whether the running task's time is up: about 8 ms, or many passes (on a clock that stands
// still, as in a test, the others still get their turn). A procedure that a task calls asks
// this at its loops too; where the main program calls it, it runs on as the main program's
// own loops do.
function QLCX_TaskSlice() {
    QLCX_SlicePasses++;
    if ((QLCX_SlicePasses & 63) != 0 || !QLCX_TaskNow) { return 0; }
    return QLCX_SlicePasses >= 65536 || new Date().getTime() - QLCX_SliceStart >= 8;
}

// A wait of the running task, or of the main program: the promise to await is left in
// QLCX_Waiting, and the result is [the function that ends the wait, the task]. The task gives
// its place back to the main program now; ending the wait lets it go on, once, unless it was
// killed meanwhile.
function QLCX_TaskWait() {
    var me = QLCX_TaskNow;
    var settle = QLCX_Wait();
    var over = 0;
    QLCX_TaskBecome(0);
    var end = function (result) {
        if (over) { return; }
        over = 1;
        if (me && !QLCX_Tasks[me][0]) { return; }
        settle(result);
    };
    return [end, me];
}

// The running task waits in `waits` (a mutex's, a semaphore's, a thread's end) until it is
// handed over: the promise to await.
function QLCX_WaitIn(waits) {
    var wait = QLCX_TaskWait();
    var waiting = QLCX_Waiting;
    waits.push(wait);
    return waiting;
}

function QLCX_TaskYield() {
    var wait = QLCX_TaskWait();
    var waiting = QLCX_Waiting;
    QLCX_SettleLater(wait, 0);
    return waiting;
}

// WaitThread(thread [, timeout]): nonzero once the thread has ended, 0 when a timeout (in ms,
// above 0) came first.
function QLCX_WaitThread(thread, timeout) {
    var task = QLCX_Tasks[Math.floor(QLCX_Number(thread))];
    if (!task || !task[0]) { return 1; }
    var waiting = QLCX_WaitIn(task[1]);
    var wait = task[1][task[1].length - 1];
    if (QLCX_Number(timeout) > 0) {
        window.setTimeout(function () { wait[0](0); }, QLCX_Number(timeout));
    }
    return waiting;
}

function WaitThread(thread, timeout) {
    return QLCX_WaitThread(thread, timeout);
}

function IsThread(thread) {
    var task = QLCX_Tasks[Math.floor(QLCX_Number(thread))];
    if (task && task[0]) { return 1; }
    return 0;
}

// KillThread(thread): the task does not go on from where it waits; WaitThread sees it ended.
function KillThread(thread) {
    var id = Math.floor(QLCX_Number(thread));
    if (QLCX_Tasks[id] && QLCX_Tasks[id][0]) { QLCX_TaskEnd(id); }
}

function ThreadID(thread) {
    return QLCX_Number(thread);
}

function ThreadPriority(thread, priority) {
    return 0;
}

function CreateMutex() {
    QLCX_Mutexes.push([0, [], 0]);
    return QLCX_Mutexes.length - 1;
}

// A mutex is held by one task at a time; the task holding it may lock it again, and must
// unlock it as often.
function QLCX_LockMutex(mutex) {
    if (TryLockMutex(mutex)) { return 1; }
    return QLCX_WaitIn(QLCX_Mutexes[Math.floor(QLCX_Number(mutex))][1]);
}

function LockMutex(mutex) {
    return QLCX_LockMutex(mutex);
}

function TryLockMutex(mutex) {
    var m = QLCX_Mutexes[Math.floor(QLCX_Number(mutex))];
    if (m[0] > 0 && m[2] != QLCX_TaskNow) { return 0; }
    m[0] = m[0] + 1;
    m[2] = QLCX_TaskNow;
    return 1;
}

function UnlockMutex(mutex) {
    var m = QLCX_Mutexes[Math.floor(QLCX_Number(mutex))];
    if (m[0] <= 0) { return; }
    m[0] = m[0] - 1;
    if (m[0] > 0 || m[1].length == 0) { return; }
    var next = m[1].shift();
    m[0] = 1;
    m[2] = next[1];
    QLCX_SettleLater(next, 1);
}

function FreeMutex(mutex) {
    return 0;
}

function CreateSemaphore(initial) {
    QLCX_Semaphores.push([Math.max(0, Math.floor(QLCX_Number(initial))), []]);
    return QLCX_Semaphores.length - 1;
}

function SignalSemaphore(semaphore) {
    var s = QLCX_Semaphores[Math.floor(QLCX_Number(semaphore))];
    if (s[1].length > 0) {
        QLCX_SettleLater(s[1].shift(), 1);
        return;
    }
    s[0] = s[0] + 1;
}

function QLCX_WaitSemaphore(semaphore) {
    if (TrySemaphore(semaphore)) { return 1; }
    return QLCX_WaitIn(QLCX_Semaphores[Math.floor(QLCX_Number(semaphore))][1]);
}

function WaitSemaphore(semaphore) {
    return QLCX_WaitSemaphore(semaphore);
}

function TrySemaphore(semaphore) {
    var s = QLCX_Semaphores[Math.floor(QLCX_Number(semaphore))];
    if (s[0] <= 0) { return 0; }
    s[0] = s[0] - 1;
    return 1;
}

function FreeSemaphore(semaphore) {
    return 0;
}
