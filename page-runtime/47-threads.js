// Threads as tasks that share the page's one processor. CreateThread starts a procedure as a
// task of its own (the translation makes it an async function). A task runs until it waits:
// Delay, WaitThread, a mutex another task holds, a semaphore at zero, or, at a pass of one of
// its loops, the end of its time slice. Then the main program and the other tasks go on. A
// thread is a number from 1 up; QLCX_TaskNow is the one running, 0 for the main program.

var QLCX_Tasks = [0]; // by thread: [running 1 or 0, the waits for its end]
var QLCX_TaskNow = 0;
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
    QLCX_TaskNow = id;
    QLCX_TaskSliceBegin();
    var done = procedure(value);
    QLCX_TaskNow = 0;
    if (done && done.then) {
        done.then(function () { QLCX_TaskEnd(id); });
    } else {
        QLCX_TaskEnd(id);
    }
}

function QLCX_TaskEnd(id) {
    QLCX_TaskNow = 0;
    var task = QLCX_Tasks[id];
    if (!task[0]) { return; }
    task[0] = 0;
    QLCX_HandOver(task[1], 1);
    task[1] = [];
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
// still, as in a test, the others still get their turn).
function QLCX_TaskSlice() {
    QLCX_SlicePasses++;
    if ((QLCX_SlicePasses & 63) != 0) { return 0; }
    return QLCX_SlicePasses >= 65536 || new Date().getTime() - QLCX_SliceStart >= 8;
}

// A wait of the running task, or of the main program: the promise to await is left in
// QLCX_Waiting, and the result is [the function that ends the wait, the task]. Ending it gives
// the task its turn again, once, unless it was killed meanwhile.
function QLCX_TaskWait() {
    var me = QLCX_TaskNow;
    var settle = QLCX_Wait();
    var over = 0;
    QLCX_TaskNow = 0;
    var end = function (result) {
        if (over) { return; }
        over = 1;
        if (me && !QLCX_Tasks[me][0]) { return; }
        QLCX_TaskNow = me;
        QLCX_TaskSliceBegin();
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
