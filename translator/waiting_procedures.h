#pragma once
// Procedures that wait. A script cannot stop inside a function, so a procedure that calls
// WaitWindowEvent, Input or Delay (or calls such a procedure) is written as an async
// function: its waits become "await" of a promise that the runtime settles when an event is
// queued or the timeout is over, when a line is typed, or when the delay is over, and each
// call of it is awaited. The main program's parts that call
// one are async too (the loop pass makes them so), and the runtime starts no other pass
// while one is waiting.
#include <string>
#include <unordered_set>
#include <vector>

namespace qc {

// Input: the collected procedures' statements ("Procedure Name(...)" heads, EndProcedure,
// line markers). Returns the lower-case names of the procedures that wait, and rewrites their
// waits into the runtime's awaited forms ("awaitnextevent(...)" and the like).
std::unordered_set<std::wstring> findWaitingProcedures(std::vector<std::wstring>& procedures);

} // namespace qc
