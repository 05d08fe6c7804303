#pragma once
// The declaration pass: Dim, NewList, ForEach and Structure become the statements and the
// registrations the later stages need, in source order.
#include "common/diagnostics.h"
#include "translator/translator_state.h"

#include <string>
#include <vector>

namespace qc {

// Input: the statement list as read. Output: the same list with
//   Dim a.f(10)          -> a=dimfunc(initfloat,10,-1,-1)   ("global " kept in front)
//   ReDim a(20)          -> a=redimfunc(a,1,initfloat,20,-1,-1) (resized in place)
//   Dim p(5), p an array parameter -> p=redimfunc(p,0,initint,5,-1,-1) (the caller's array)
//   NewList l.Point()    -> l=NewList(initpoint)
//   ForEach l()          -> ResetList(l()) and While NextElement(l())
//   Structure ... EndStructure -> removed (its line markers stay), recorded in the type map
// Arrays and lists are registered as declared names with their "var" lines; procedure
// parameters written "List l()", "Map m()" or "Array a(1)" are registered the same way, so
// the procedure body can use them. Every fault is reported with its line and the pass goes on.
std::vector<std::wstring> runDeclarationPass(const std::vector<std::wstring>& statements,
                                             TranslatorState& state, Diagnostics& diag);

// The element constructor for a declared name and its type text (the part after the dot).
std::wstring elementInitialiser(const std::wstring& name, const std::wstring& type,
                                const TranslatorState& state);

} // namespace qc
