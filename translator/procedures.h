#pragma once
// Procedure collection: every Procedure ... EndProcedure moves, with its line markers, out
// of the main program and ahead of it, so that it is written once as a top-level function
// and loop restructuring sees the main program alone.
#include "common/diagnostics.h"
#include "translator/translator_state.h"

#include <string>
#include <vector>

namespace qc {

struct CollectedProgram {
    std::vector<std::wstring> procedures;  // all procedure statements, in source order
    std::vector<std::wstring> mainProgram; // everything else
};

// Registers every procedure name (as declared) in the procedure set and the declared-name
// set. "Procedure.i Name(...)" loses its return type. A procedure that is not closed
// before the next Procedure or the end gets its EndProcedure here (the block check has
// reported it); an EndProcedure outside any procedure is dropped. A name the page needs
// for itself (INIT, Inf_..., _qlcxi, ChangeLoop, end, empty, dimfunc, QLCX..., a built-in
// command, a function of the runtime library) is reported.
CollectedProgram collectProcedures(const std::vector<std::wstring>& statements,
                                   TranslatorState& state, Diagnostics& diag);

} // namespace qc
