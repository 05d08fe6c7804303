#pragma once
// The variables a program uses, registered as the rewrite meets them: their types, their
// scopes and the names they are written under.
#include "common/diagnostics.h"
#include "translator/translator_state.h"

#include <string>
#include <string_view>

namespace qc {

// The registration of a variable met in a statement: splits off the type suffix and the
// field path, records the type in the right map and returns the text to write
// ("Pos.f" -> "pos", "p\X" -> "p.x", a static one -> "static_Proc_n").
struct VariableUse {
    std::wstring_view word;
    int scope = kScopeNone;
    bool parameter = false; // in a procedure header
    bool container = false; // brackets follow: an array, list or map where one has the name
    int line = -1;
    int column = 0;
    std::wstring_view defaultType; // "Define.s a, b": the type of names written without one
};
std::wstring registerVariable(const VariableUse& use, TranslatorState& state,
                              ProcedureScope* procedure, Diagnostics& diag);

} // namespace qc
