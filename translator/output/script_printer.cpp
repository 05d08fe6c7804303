#include "translator/output/script_printer.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "tables/command_types.h"
#include "tables/constant_table.h"
#include "translator/output/script_printer_parts.h"
#include "translator/source/structure_layouts.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <cstring>

namespace qc {

PrintedScript ScriptPrinter::run() {
    statements(tree_.program);
    return std::move(out_);
}

PrintedScript ScriptPrinter::program() {
    line_ = 0;
    dataInHeap_ = dataLabels();
    for (const Structure& st : typed_.structures) structure(st);
    for (const Variable& v : typed_.variables) {
        if (v.home != Variable::Home::kMain && v.home != Variable::Home::kGlobal &&
            v.home != Variable::Home::kStatic)
            continue;
        // A static starts with its value, made once with the page, so that value cannot
        // read a parameter. The others take theirs where their declaration stands: at page
        // level a call in it would run while the page is still loading, and run twice.
        std::wstring initial = emptyValue(v.type);
        bool statik = v.home == Variable::Home::kStatic && v.initial != kNoNode;
        if (statik && isConstant(v.initial)) {
            initial = ex_.stored(v.initial, v.type);
        } else if (statik) {
            diag_.error(message::notSupported(tree_.exprs[v.initial].at.line,
                                              L"Static value that is not constant"));
        }
        write(L"var " + v.scriptName + L"=" + (ex_.inHeap(v) ? L"0" : initial));
    }
    for (const Container& c : typed_.containers)
        if (c.procedure < 0 || c.statik) write(L"var " + c.scriptName + L"=0;");
    tasks_ = startsTasks(tree_);
    if (tasks_) threadedValues();
    ex_.setResumer(tasks_ ? L"0" : L"");
    ex_.setWaitForm(WaitForm::kAwaitAll);
    for (const Procedure& p : typed_.procedures)
        if (p.statement != kNoNode) procedure(p);
    // The main program: INIT and the functions its loops are cut into.
    LoopSegments segments(L"}");
    segments_ = &segments;
    heapHomes();
    dataSections(tree_.program);
    statements(tree_.program);
    segments_ = nullptr;
    jumpsIntoLoops(segments);
    segments.emit([this](LoopLine&& l) { out_.add(l.text, l.source); });
    return std::move(out_);
}

void ScriptPrinter::threadedValues() {
    std::vector<std::pair<std::wstring, std::wstring>> places; // name, its value in a new task
    for (const Variable& v : typed_.variables)
        // One in the heap is one block that pointers to it share: it stays one for all.
        if (v.threaded && !ex_.inHeap(v)) places.emplace_back(v.scriptName, emptyValue(v.type));
    for (const Container& c : typed_.containers) {
        if (!c.threaded) continue;
        std::wstring made = c.kind == ContainerKind::kList ? L"NewList(" + c.factory + L")"
                            : c.kind == ContainerKind::kMap
                                ? L"NewMap(" + c.factory + L")"
                                : L"QLCX_FreshArray(" + c.scriptName + L"," + c.factory + L")";
        places.emplace_back(c.scriptName, made);
    }
    if (places.empty()) return;
    std::wstring now;
    for (const auto& [name, made] : places) now += (now.empty() ? L"" : L",") + name;
    write(L"function qlcxthreaded(qlcxkept){");
    write(L"var qlcxnow=[" + now + L"];");
    write(L"if(qlcxkept){");
    for (size_t i = 0; i < places.size(); ++i)
        write(places[i].first + L"=qlcxkept[" + std::to_wstring(i) + L"];");
    write(L"return qlcxnow;");
    write(L"}");
    for (const auto& [name, made] : places) write(name + L"=" + made + L";");
    write(L"return qlcxnow;");
    write(L"}");
    write(L"QLCX_ThreadedSwap=qlcxthreaded;");
}

bool ScriptPrinter::isConstant(NodeId id) const {
    const Expr& e = tree_.exprs[id];
    switch (e.kind) {
    case ExprKind::kNumber:
    case ExprKind::kCharacter:
    case ExprKind::kString:
    case ExprKind::kConstant:
        return true;
    case ExprKind::kUnary:
    case ExprKind::kBinary:
        for (std::uint32_t k = 0; k < e.children.count; ++k)
            if (!isConstant(tree_.child(e.children, k))) return false;
        return true;
    default:
        return false;
    }
}

void ScriptPrinter::structure(const Structure& st) {
    if (st.shared) return sharedStructure(st);
    // A plain field's empty value; 0 stands in for what the factory makes below.
    auto empty = [this](const Field& f) {
        bool plain = f.shape == Field::Shape::kValue && f.type.kind != ValueKind::kStructure;
        return f.scriptName + L"=" + (plain ? emptyValue(f.type) : L"0") + L";";
    };
    write(L"function struct" + st.scriptName + L"(){");
    for (const Field& f : st.fields) write(L"var " + empty(f));
    write(L"}");
    write(L"function init" + st.scriptName + L"(){");
    write(L"var bufvar=new struct" + st.scriptName + L"();");
    for (const Field& f : st.fields) write(L"bufvar." + empty(f));
    std::vector<std::wstring> containers;
    for (const Field& f : st.fields) {
        std::wstring made = madeField(f);
        if (made.empty()) continue;
        write(L"bufvar." + f.scriptName + L"=" + made + L";");
        if (f.shape == Field::Shape::kList || f.shape == Field::Shape::kMap ||
            f.shape == Field::Shape::kArray)
            containers.push_back(L"struct." + f.scriptName + L"=" + made + L";");
    }
    write(L"return bufvar;");
    write(L"}");
    if (containers.empty()) return;
    write(L"function initializestruct" + st.scriptName + L"(struct){");
    for (const std::wstring& line : containers) write(line);
    write(L"}");
}

// A structure whose fields share places is a block of the heap wherever it is made: a
// variable, an element, a field. Its strings, lists and maps would have no place there.
void ScriptPrinter::sharedStructure(const Structure& st) {
    ValueType type{ValueKind::kStructure, L'i', static_cast<int>(&st - typed_.structures.data())};
    long long size = 0;
    if (typed_.layouts != nullptr) size = typed_.layouts->sizeOf(st.scriptName).value_or(0);
    if (!ex_.holdsInHeap(type) || size <= 0) {
        diag_.error(message::notSupported(st.line, L"a StructureUnion beside strings, lists, "
                                                   L"maps or arrays, in the structure " +
                                                       st.written));
    }
    write(L"function init" + st.scriptName + L"(){return AllocateMemory(" +
          std::to_wstring(std::max(size, 1LL)) + L");}");
}

std::wstring ScriptPrinter::madeField(const Field& f) {
    switch (f.shape) {
    case Field::Shape::kStaticArray:
        return L"dimfunc(" + f.factory + L"," + f.size + L"-1,-1,-1)";
    case Field::Shape::kArray: {
        // Each element of a structure array gets an array of its own, of these bounds.
        std::wstring made = L"dimfunc(" + f.factory;
        for (size_t k = 0; k < 3; ++k)
            made += L"," + (k < f.bounds.size()
                                ? ex_.stored(f.bounds[k], ValueType{ValueKind::kInteger, L'i'})
                                : std::wstring(L"-1"));
        if (f.bounds.size() > 3) ex_.unsupported(L"an Array field of more than three dimensions");
        return made + L")";
    }
    case Field::Shape::kList:
        return L"NewList(" + f.factory + L")";
    case Field::Shape::kMap:
        return L"NewMap(" + f.factory + L")";
    case Field::Shape::kValue:
        return f.type.kind == ValueKind::kStructure ? f.factory + L"()" : L"";
    default:
        return L"";
    }
}

void ScriptPrinter::procedure(const Procedure& p) {
    const Stmt& s = tree_.stmts[p.statement];
    line_ = s.at.line;
    if (ex_.namesContainerToo(p.name)) ex_.sharedName(p.name);
    bool waits = waiting_[static_cast<size_t>(&p - typed_.procedures.data())] != 0;
    std::wstring header = (waits ? L"async function " : L"function ") + p.scriptName + L"(";
    for (std::uint32_t k = 0; k < s.exprs.count; ++k) {
        const Expr& parameter = tree_.exprs[exprAt(s, k)];
        NodeId name = tree_.child(parameter.children, 0);
        bool array = typed_.containerOf(name) != nullptr;
        bool pointer = tree_.exprs[name].kind == ExprKind::kPointer;
        if ((!parameter.text.empty() && !array) ||
            (!array && !pointer && tree_.exprs[name].kind != ExprKind::kName))
            ex_.unsupported(L"a list or map parameter");
        if (k > 0) header += L",";
        header += array ? typed_.containerOf(name)->scriptName : ex_.variableName(name);
        if (parameter.children.count > 1) {
            const Variable* v = typed_.variableOf(name);
            header += L"=" + ex_.stored(tree_.child(parameter.children, 1), v->type);
        }
    }
    write(header + L"){");
    // The task that called it, which it puts back in place each time it goes on after a wait.
    if (waits && tasks_) {
        write(L"var qlcxt=QLCX_TaskNow;");
        ex_.setResumer(L"qlcxt");
    }
    for (int index : p.locals) {
        const Variable& v = typed_.variables[static_cast<size_t>(index)];
        if (v.home == Variable::Home::kLocal && ex_.inHeap(v)) {
            std::wstring home = ex_.heapHome(v, {});
            write(L"var " + v.scriptName + L"=" + (home.empty() ? L"0" : home) + L";");
        } else if (v.home == Variable::Home::kLocal) {
            write(L"var " + v.scriptName + L"=" + emptyValue(v.type) + L";");
        } else if (v.home == Variable::Home::kParameter && ex_.inHeap(v)) {
            write(v.scriptName + L"=" + ex_.heapHome(v, v.scriptName) + L";");
        }
    }
    for (int index : p.containers) {
        const Container& c = typed_.containers[static_cast<size_t>(index)];
        if (!c.parameter && !c.statik) write(L"var " + c.scriptName + L"=0;");
    }
    current_ = &p;
    bool dispatch = holdsJumps(s.body);
    if (dispatch)
        dispatchBody(s.body);
    else
        statements(s.body);
    bool returns = s.body.count > 0 &&
                   tree_.stmts[tree_.child(s.body, s.body.count - 1)].kind == StmtKind::kReturn;
    if (!returns || dispatch) write(L"return " + returned(emptyValue(p.result)) + L";");
    current_ = nullptr;
    ex_.setResumer(tasks_ ? L"0" : L"");
    write(L"}");
}

bool ScriptPrinter::holdsJumps(NodeRange body) const {
    for (std::uint32_t i = 0; i < body.count; ++i) {
        const Stmt& s = tree_.stmts[tree_.child(body, i)];
        if (s.kind == StmtKind::kLabel || s.kind == StmtKind::kGoto || s.kind == StmtKind::kGosub ||
            s.kind == StmtKind::kGosubReturn || s.kind == StmtKind::kFakeReturn)
            return true;
        if (holdsJumps(s.body) || holdsJumps(s.clauses)) return true;
    }
    return false;
}

// The body as the cases of a switch on `qlcxstate` in a loop: a label of the body opens a
// case, a Goto sets the state and goes round. Cases can only stand at the body's own level,
// so a label, and a Gosub (whose return needs a case after it), must stand there too.
void ScriptPrinter::dispatchBody(NodeRange body) {
    states_.clear();
    int next = 0;
    for (std::uint32_t i = 0; i < body.count; ++i) {
        const Stmt& s = tree_.stmts[tree_.child(body, i)];
        if (s.kind == StmtKind::kLabel) states_[toLower(s.name)] = ++next;
    }
    write(L"var qlcxstate=0;");
    write(L"var qlcxgosubs=[];");
    write(L"qlcxjump:for(;;){switch(qlcxstate){");
    write(L"case 0:");
    for (std::uint32_t i = 0; i < body.count; ++i) {
        NodeId id = tree_.child(body, i);
        const Stmt& s = tree_.stmts[id];
        line_ = s.at.line;
        if (s.kind == StmtKind::kLabel) {
            write(L"case " + std::to_wstring(states_[toLower(s.name)]) + L":");
        } else if (s.kind == StmtKind::kGosub) {
            if (!knownLabel(s)) continue;
            int back = ++next;
            write(L"qlcxgosubs.push(" + std::to_wstring(back) + L");" + jumpInProcedure(s));
            write(L"case " + std::to_wstring(back) + L":");
        } else {
            statement(id);
        }
    }
    write(L"}break;}");
}

std::wstring ScriptPrinter::jumpInProcedure(const Stmt& s) {
    return L"qlcxstate=" + std::to_wstring(states_[toLower(s.name)]) + L";continue qlcxjump;";
}

void ScriptPrinter::statements(NodeRange range) {
    for (std::uint32_t i = 0; i < range.count; ++i) statement(tree_.child(range, i));
}

void ScriptPrinter::statement(NodeId id) {
    const Stmt& s = tree_.stmts[id];
    line_ = s.at.line;
    if (segments_ != nullptr) return mainStatement(s);
    plainStatement(s);
}

void ScriptPrinter::plainStatement(const Stmt& s) {
    switch (s.kind) {
    case StmtKind::kAssign:
    case StmtKind::kUpdate:
        return assignment(s);
    case StmtKind::kCall:
        return call(s);
    case StmtKind::kIf:
        return ifBlock(s);
    case StmtKind::kWhile:
        write(loopLabel(s) + L"while(" + ex_.condition(exprAt(s, 0)) + L"){");
        return closeBody(s);
    case StmtKind::kRepeat:
        return repeatBlock(s);
    case StmtKind::kSelect:
        return selectBlock(s);
    case StmtKind::kWith:
        return statements(s.body); // its fields name their value themselves
    case StmtKind::kImport:
    case StmtKind::kPrototype:
    case StmtKind::kInterface:
        return; // an Import was refused where it was read; a Prototype or Interface writes nothing
    case StmtKind::kEvaluate:
        return write(ex_.value(exprAt(s, 0), false).text + L";");
    case StmtKind::kFor:
        return forBlock(s);
    case StmtKind::kBreak:
        return breakLoops(s);
    case StmtKind::kContinue:
        if (loops_.empty()) return diag_.error(message::withoutEnd(line_, L"Continue", L"loop"));
        return write(L"continue;");
    case StmtKind::kProcedure:
    case StmtKind::kDeclare:
        return; // written ahead of the start-up function
    case StmtKind::kDefine:
        return definition(s);
    case StmtKind::kReturn:
        return procedureReturn(s);
    case StmtKind::kDim:
    case StmtKind::kReDim:
        return dimension(s);
    case StmtKind::kNewList:
    case StmtKind::kNewMap:
        return newContainer(s);
    case StmtKind::kForEach:
        return forEachBlock(s);
    case StmtKind::kRead:
        return read(s);
    case StmtKind::kRestore:
        return write(L"datarestore(\"" + toLower(s.name) + L"\");");
    case StmtKind::kSwap:
        return swap(s);
    case StmtKind::kDataSection:
        return; // the data is given at start
    case StmtKind::kIncludeBinary:
        // Outside a data section the bytes would sit among the program's own code.
        return diag_.error(message::notSupported(line_, L"IncludeBinary outside a DataSection"));
    case StmtKind::kLabel:
        // The main program's and a procedure body's own labels were placed already.
        return diag_.error(message::notSupported(line_, L"a label inside a block of a procedure"));
    case StmtKind::kGosub:
        return diag_.error(message::notSupported(line_, L"Gosub inside a block of a procedure"));
    case StmtKind::kGoto:
        if (knownLabel(s)) write(jumpInProcedure(s));
        return;
    case StmtKind::kGosubReturn:
        return write(L"qlcxstate=QLCX_Return(qlcxgosubs);continue qlcxjump;");
    case StmtKind::kFakeReturn:
        return write(current_ != nullptr ? L"QLCX_FakeReturn(qlcxgosubs);"
                                         : L"QLCX_FakeReturn(QLCX_Gosubs);");
    case StmtKind::kVariable:
    case StmtKind::kStructure:
        return; // a structure variable declared alone, a structure: declared at page level
    case StmtKind::kError:
        return; // reported where it was read; half of it would run wrong
    default:
        return ex_.unsupported(L"this statement");
    }
}

void ScriptPrinter::assignment(const Stmt& s) {
    NodeId place = exprAt(s, 0);
    if (s.kind == StmtKind::kAssign && ex_.structureValue(place))
        if (std::optional<std::wstring> copy = structureCopy(place, exprAt(s, 1))) {
            if (!copy->empty()) write(*copy);
            return;
        }
    if (std::optional<ExpressionPrinter::HeapField> heap; ex_.throughPointer(place, &heap)) {
        std::wstring poke = heap ? ex_.heapWrite(*heap, exprAt(s, 1)) : std::wstring();
        if (!poke.empty()) write(poke + L";");
        return;
    }
    // "a(Random(3)) - 1" reads and writes one element: its index is computed once.
    if (s.kind == StmtKind::kUpdate && callsSomething(tree_.exprs[place])) {
        std::wstring setup;
        std::wstring once = placeOnce(place, setup);
        if (once.empty()) return;
        ex_.substitute(place, once);
        std::wstring value = ex_.stored(exprAt(s, 1), types_[place]);
        ex_.substitute(kNoNode, {});
        return write(setup + once + L"=" + value + L";");
    }
    if (const Container* c = typed_.containerOf(place)) {
        if (c->kind == ContainerKind::kArray && tree_.exprs[place].children.count == 0)
            return ex_.unsupported(L"a whole array as a place");
        return write(ex_.element(place) + L"=" + ex_.stored(exprAt(s, 1), c->element) + L";");
    }
    ExprKind kind = tree_.exprs[place].kind;
    if (kind == ExprKind::kField || kind == ExprKind::kIndex)
        return write(ex_.expr(place).text + L"=" + ex_.stored(exprAt(s, 1), types_[place]) + L";");
    if (kind != ExprKind::kName && kind != ExprKind::kPointer)
        return ex_.unsupported(L"a place other than a variable");
    if (const Variable* v = ex_.heapVariable(place)) {
        std::wstring text = ex_.heapVariableWrite(*v, exprAt(s, 1));
        if (!text.empty()) write(text + L";");
        return;
    }
    write(ex_.variableName(place) + L"=" +
          ex_.stored(exprAt(s, 1), typed_.variableOf(place)->type) + L";");
}

// "a = b" of structures in the heap: the bytes of b copied over a's. Nullopt where both are
// structures the script holds; empty after a message where only one lives in the heap.
std::optional<std::wstring> ScriptPrinter::structureCopy(NodeId place, NodeId value) {
    std::optional<std::wstring> to = ex_.structureAddress(place);
    std::optional<std::wstring> from = ex_.structureAddress(value);
    if (!to && !from) return std::nullopt;
    ValueType type = types_[place];
    long long size = 0;
    if (typed_.layouts != nullptr && type.structure >= 0 && type == types_[value])
        size = typed_.layouts
                   ->sizeOf(typed_.structures[static_cast<size_t>(type.structure)].scriptName)
                   .value_or(0);
    if (!to || !from || size <= 0) {
        ex_.unsupported(L"a structure of the heap copied to or from one of the script");
        return std::wstring();
    }
    return L"CopyMemory(" + *from + L"," + *to + L"," + std::to_wstring(size) + L");";
}

void ScriptPrinter::definition(const Stmt& s) {
    if (s.body.count == 0 && !s.suffix.empty())
        diag_.error(message::notSupported(line_, std::wstring(s.name) + std::wstring(s.suffix) +
                                                     L" without names"));
    for (std::uint32_t i = 0; i < s.body.count; ++i) {
        const Stmt& item = tree_.stmts[tree_.child(s.body, i)];
        if (item.kind == StmtKind::kDim) {
            dimension(item);
            continue;
        }
        if (item.kind == StmtKind::kNewList || item.kind == StmtKind::kNewMap) {
            newContainer(item);
            continue;
        }
        if (item.kind != StmtKind::kVariable) {
            line_ = item.at.line;
            ex_.unsupported(L"a list or map in a declaration");
            continue;
        }
        NodeId name = exprAt(item, 0);
        const Variable* v = typed_.variableOf(name);
        // "Shared board()": the procedure names the program's array, list or map, which
        // the page already holds where every function sees it.
        if (v == nullptr && typed_.containerOf(name) != nullptr &&
            equalsIgnoreCase(s.name, L"shared"))
            continue;
        if (v == nullptr) {
            ex_.unsupported(L"a declared name other than a variable");
            continue;
        }
        if (item.exprs.count < 2 || v->home == Variable::Home::kStatic) continue;
        if (ex_.inHeap(*v)) {
            std::wstring text = ex_.heapVariableWrite(*v, exprAt(item, 1));
            if (!text.empty()) write(text + L";");
            continue;
        }
        write(v->scriptName + L"=" + ex_.stored(exprAt(item, 1), v->type) + L";");
    }
}

// ",10,-1,-1": the three upper bounds dimfunc and redimfunc take, from the children of `e`
// from `first` on, -1 for those not written.
std::wstring ScriptPrinter::arrayBounds(const Expr& e, std::uint32_t first) {
    std::wstring bounds;
    for (std::uint32_t k = first; k < first + 3; ++k)
        bounds += L"," + (k < e.children.count ? ex_.stored(tree_.child(e.children, k),
                                                            ValueType{ValueKind::kInteger, L'i'})
                                               : std::wstring(L"-1"));
    return bounds;
}

// "Dim b\items(10)", "ReDim b\items(20)", "NewList b\names()": a container field of a
// structure value made anew, or resized keeping its elements.
void ScriptPrinter::fieldContainer(const Stmt& s) {
    NodeId id = exprAt(s, 0);
    const Expr& e = tree_.exprs[id];
    const Field* f = typed_.fields[id];
    Field::Shape wanted = s.kind == StmtKind::kNewList  ? Field::Shape::kList
                          : s.kind == StmtKind::kNewMap ? Field::Shape::kMap
                                                        : Field::Shape::kArray;
    if (ex_.throughPointer(id)) return;
    if (f == nullptr || f->shape != wanted)
        return ex_.unsupported(std::wstring(statementName(s.kind)) + L" of the field " +
                               std::wstring(e.text));
    std::wstring place =
        bound(ex_.expr(tree_.child(e.children, 0)), kScriptAtom) + L"." + f->scriptName;
    if (s.kind == StmtKind::kNewList || s.kind == StmtKind::kNewMap)
        return write(place + (s.kind == StmtKind::kNewList ? L"=NewList(" : L"=NewMap(") +
                     f->factory + L");");
    if (e.children.count < 2 || e.children.count > 4)
        return ex_.unsupported(L"this array field declaration");
    std::wstring bounds = arrayBounds(e, 1);
    if (s.kind == StmtKind::kDim)
        write(place + L"=dimfunc(" + f->factory + bounds + L");");
    else
        write(place + L"=redimfunc(" + place + L",1," + f->factory + bounds + L");");
}

void ScriptPrinter::dimension(const Stmt& s) {
    if (didNotRead(s)) return;
    NodeId id = exprAt(s, 0);
    if (tree_.exprs[id].kind == ExprKind::kField) return fieldContainer(s);
    const Container* c = typed_.containerOf(id);
    const Expr& e = tree_.exprs[id];
    if (otherKindOfOneName(s, c)) return;
    // The page's arrays have at most three dimensions.
    if (e.children.count > 3 && !s.source.empty())
        return diag_.error(message::notSupported(line_, std::wstring(s.source)));
    if (c == nullptr || e.children.count > 3 || e.children.count == 0)
        return ex_.unsupported(L"this array declaration");
    std::wstring bounds = arrayBounds(e, 0);
    // An array parameter is the caller's array: a Dim of it fills that one anew in place,
    // so the caller sees it.
    if (s.kind == StmtKind::kDim && c->statik)
        write(L"if(" + c->scriptName + L"===0){" + c->scriptName + L"=dimfunc(" + c->factory +
              bounds + L");}");
    else if (s.kind == StmtKind::kDim && !c->parameter)
        write(c->scriptName + L"=dimfunc(" + c->factory + bounds + L");");
    else
        write(c->scriptName + L"=redimfunc(" + c->scriptName +
              (s.kind == StmtKind::kDim ? L",0," : L",1,") + c->factory + bounds + L");");
}

bool ScriptPrinter::otherKindOfOneName(const Stmt& s, const Container* c) {
    ContainerKind made = s.kind == StmtKind::kNewList  ? ContainerKind::kList
                         : s.kind == StmtKind::kNewMap ? ContainerKind::kMap
                                                       : ContainerKind::kArray;
    if (c == nullptr || c->kind == made) return false;
    auto word = [](ContainerKind k) {
        return std::wstring(k == ContainerKind::kArray  ? L"array"
                            : k == ContainerKind::kList ? L"list"
                                                        : L"map");
    };
    diag_.error(message::notSupported(line_, word(c->kind) + L" and " + word(made) +
                                                 L" of one name: " +
                                                 std::wstring(tree_.exprs[exprAt(s, 0)].text)));
    return true;
}

bool ScriptPrinter::didNotRead(const Stmt& s) const {
    return s.exprs.count == 0 || tree_.exprs[exprAt(s, 0)].kind == ExprKind::kError ||
           tree_.exprs[exprAt(s, 0)].text.empty();
}

void ScriptPrinter::newContainer(const Stmt& s) {
    if (didNotRead(s)) return;
    if (tree_.exprs[exprAt(s, 0)].kind == ExprKind::kField) return fieldContainer(s);
    const Container* c = typed_.containerOf(exprAt(s, 0));
    if (otherKindOfOneName(s, c)) return;
    if (c == nullptr || c->parameter) return ex_.unsupported(L"this list or map declaration");
    std::wstring made = c->scriptName +
                        (s.kind == StmtKind::kNewList ? L"=NewList(" : L"=NewMap(") + c->factory +
                        L");";
    // A static one is made on the first call only.
    write(c->statik ? L"if(" + c->scriptName + L"===0){" + made + L"}" : made);
}

void ScriptPrinter::forEachBlock(const Stmt& s) {
    std::wstring list;
    const Container* c = typed_.containerOf(exprAt(s, 0));
    if (c != nullptr && c->kind != ContainerKind::kArray)
        list = c->scriptName;
    else if (tree_.exprs[exprAt(s, 0)].kind == ExprKind::kCall && c == nullptr &&
             typed_.procedureNamed(tree_.exprs[exprAt(s, 0)].text) == nullptr)
        return ex_.missingFunction(tree_.exprs[exprAt(s, 0)].text); // no list of that name
    else if (!ex_.wholeField(exprAt(s, 0), list))
        return ex_.unsupported(L"ForEach of something other than a list or map");
    write(L"ResetList(" + list + L");");
    write(loopLabel(s) + L"while(NextElement(" + list + L")){");
    closeBody(s);
}

void ScriptPrinter::read(const Stmt& s) {
    for (std::uint32_t k = 0; k < s.exprs.count; ++k) {
        NodeId place = exprAt(s, k);
        std::wstring target = placeText(place);
        if (target.empty()) continue;
        ValueType type = types_[place];
        bool single = type.kind == ValueKind::kFloat && type.width == L'f';
        write(target + (single ? L"=Math.fround(dataread());" : L"=dataread();"));
    }
}

void ScriptPrinter::swap(const Stmt& s) {
    if (s.exprs.count != 2) return ex_.unsupported(L"Swap of other than two places");
    if (ex_.sharedValue(exprAt(s, 0))) return swapBlocks(s);
    std::wstring setup;
    std::wstring a = placeOnce(exprAt(s, 0), setup);
    std::wstring b = placeOnce(exprAt(s, 1), setup);
    if (a.empty() || b.empty()) return;
    write(setup + L"QLCX_Swap=" + a + L";" + a + L"=" + b + L";" + b + L"=QLCX_Swap;");
}

// Two structures that share places trade their bytes, not their blocks: a pointer to one
// goes on reading what is there.
void ScriptPrinter::swapBlocks(const Stmt& s) {
    std::optional<std::wstring> a = ex_.structureAddress(exprAt(s, 0));
    std::optional<std::wstring> b = ex_.structureAddress(exprAt(s, 1));
    ValueType type = types_[exprAt(s, 0)];
    long long size = 0;
    if (typed_.layouts != nullptr && type == types_[exprAt(s, 1)])
        size = typed_.layouts
                   ->sizeOf(typed_.structures[static_cast<size_t>(type.structure)].scriptName)
                   .value_or(0);
    if (!a || !b || size <= 0) return ex_.unsupported(L"Swap of structures of two types");
    std::wstring n = std::to_wstring(size);
    std::wstring first = L"qlcxonce" + std::to_wstring(++swaps_);
    std::wstring second = L"qlcxonce" + std::to_wstring(++swaps_);
    write(L"var " + first + L"=" + *a + L";var " + second + L"=" + *b +
          L";QLCX_Swap=AllocateMemory(" + n + L");CopyMemory(" + first + L",QLCX_Swap," + n +
          L");CopyMemory(" + second + L"," + first + L"," + n + L");CopyMemory(QLCX_Swap," +
          second + L"," + n + L");FreeMemory(QLCX_Swap);");
}

std::wstring ScriptPrinter::placeOnce(NodeId place, std::wstring& setup) {
    const Expr& e = tree_.exprs[place];
    if (!callsSomething(e)) return placeText(place);
    const Container* c = typed_.containerOf(place);
    if (c == nullptr || c->kind == ContainerKind::kList || e.children.count == 0) {
        ex_.unsupported(L"a place that calls something, other than an element");
        return {};
    }
    std::wstring text = c->scriptName;
    for (std::uint32_t k = 0; k < e.children.count; ++k) {
        std::wstring held = L"qlcxonce" + std::to_wstring(++swaps_);
        NodeId index = tree_.child(e.children, k);
        bool map = c->kind == ContainerKind::kMap;
        setup += L"var " + held + L"=" +
                 (map ? ex_.value(index, false).text
                      : ex_.stored(index, ValueType{ValueKind::kInteger, L'i'})) +
                 L";";
        text += map ? L"[mapslot(" + c->scriptName + L"," + held + L")]" : L"[" + held + L"]";
    }
    return text;
}

bool ScriptPrinter::callsSomething(const Expr& e) const {
    for (std::uint32_t k = 0; k < e.children.count; ++k) {
        const Expr& c = tree_.exprs[tree_.child(e.children, k)];
        if ((c.kind == ExprKind::kCall &&
             typed_.containerOf(tree_.child(e.children, k)) == nullptr) ||
            callsSomething(c))
            return true;
    }
    return false;
}

std::wstring ScriptPrinter::placeText(NodeId place) {
    const Expr& e = tree_.exprs[place];
    if (typed_.containerOf(place) != nullptr &&
        (e.children.count > 0 || typed_.containerOf(place)->kind != ContainerKind::kArray))
        return ex_.element(place);
    if (std::optional<ExpressionPrinter::HeapField> heap; ex_.throughPointer(place, &heap)) {
        if (heap) ex_.unsupported(L"Read or Swap of a field through a pointer");
        return {};
    }
    if (ex_.heapVariable(place) != nullptr) {
        ex_.unsupported(L"Read or Swap of a variable whose address is taken");
        return {};
    }
    if (e.kind == ExprKind::kName || e.kind == ExprKind::kPointer) return ex_.variableName(place);
    if (e.kind == ExprKind::kField || e.kind == ExprKind::kIndex) return ex_.expr(place).text;
    ex_.unsupported(L"a place other than a variable, an element or a field");
    return {};
}

// The data labels of every section, wherever it stands.
void ScriptPrinter::collectDataLabels(NodeRange range, std::set<std::wstring>& labels) const {
    for (std::uint32_t i = 0; i < range.count; ++i) {
        const Stmt& s = tree_.stmts[tree_.child(range, i)];
        if (s.kind != StmtKind::kDataSection) {
            collectDataLabels(s.body, labels);
            collectDataLabels(s.clauses, labels);
            continue;
        }
        for (std::uint32_t k = 0; k < s.body.count; ++k)
            if (const Stmt& d = tree_.stmts[tree_.child(s.body, k)]; d.kind == StmtKind::kLabel)
                labels.insert(toLower(d.name));
    }
}

bool ScriptPrinter::dataLabels() {
    std::set<std::wstring> labels;
    collectDataLabels(tree_.program, labels);
    ex_.setDataLabels(std::move(labels));
    for (const Expr& e : tree_.exprs)
        if (e.kind == ExprKind::kLabelAddress) return true;
    return false;
}

// A data section belongs to the whole program wherever it is written, in a procedure or a
// block too: its values are given at start, in the order of the source. Read takes the values
// as they are; a program that asks for a label's address also gets them laid out in the heap
// as the desktop lays them out: packed in source order, each in its own width, a string as
// its characters and a zero. Only such a program pays for the layout.
void ScriptPrinter::dataSections(NodeRange range) {
    if (dataSectionsIn(range) && dataInHeap_) write(L"QLCX_DataPlace();");
}

bool ScriptPrinter::dataSectionsIn(NodeRange range) {
    bool any = false;
    for (std::uint32_t i = 0; i < range.count; ++i) {
        const Stmt& s = tree_.stmts[tree_.child(range, i)];
        if (s.kind != StmtKind::kDataSection) {
            any = dataSectionsIn(s.body) || any;
            any = dataSectionsIn(s.clauses) || any;
            continue;
        }
        any = true;
        for (std::uint32_t k = 0; k < s.body.count; ++k) {
            const Stmt& d = tree_.stmts[tree_.child(s.body, k)];
            line_ = d.at.line;
            if (d.kind == StmtKind::kLabel) {
                write(L"datalabel(\"" + toLower(d.name) + L"\");");
            } else if (d.kind == StmtKind::kData) {
                std::wstring type = d.suffix.empty() ? L"i" : toLower(d.suffix.substr(1));
                std::wstring width = dataInHeap_ ? L",\"" + type + L"\"" : L"";
                for (std::uint32_t v = 0; v < d.exprs.count; ++v)
                    write(L"datavalue(" + ex_.value(exprAt(d, v), false).text + width + L");");
            } else if (d.kind == StmtKind::kIncludeBinary) {
                // The name is a literal of the script: the conversion embeds that file.
                write(L"databinary(\"" + std::wstring(d.name) + L"\");");
            } else {
                ex_.unsupported(L"this statement in a data section");
            }
        }
    }
    return any;
}

void ScriptPrinter::procedureReturn(const Stmt& s) {
    ValueType result = current_ != nullptr ? current_->result : ValueType{};
    if (s.exprs.count == 0) return write(L"return " + returned(emptyValue(result)) + L";");
    write(L"return " + returned(ex_.stored(exprAt(s, 0), result)) + L";");
}

void ScriptPrinter::call(const Stmt& s) {
    if (equalsIgnoreCase(s.name, L"debug")) {
        if (s.exprs.count == 0) return write(L"Debug();");
        return write(L"Debug(" + ex_.text(exprAt(s, 0)) + L");");
    }
    if (equalsIgnoreCase(s.name, L"end") && s.exprs.count == 0)
        return write(L"end();ChangeLoop(0);return;");
    if (isStructureCommand(s.name)) return structureCommand(s);
    std::vector<NodeId> args;
    for (std::uint32_t i = 0; i < s.exprs.count; ++i) args.push_back(exprAt(s, i));
    auto through = typed_.calledVariables.find(static_cast<NodeId>(&s - tree_.stmts.data()));
    if (through != typed_.calledVariables.end())
        return write(ex_.callThrough(
                         typed_.variables[static_cast<size_t>(through->second)].scriptName, args) +
                     L";");
    write(ex_.callText(s.name, args) + L";");
}

bool isStructureCommand(std::wstring_view name) {
    return equalsIgnoreCase(name, L"clearstructure") ||
           equalsIgnoreCase(name, L"initializestructure") ||
           equalsIgnoreCase(name, L"copystructure");
}

// "ClearStructure(@p, Point)", "InitializeStructure(@p, Point)", "CopyStructure(@a, @b,
// Point)": the places are the values themselves, changed in place, so that an element or a
// field named by its address changes too.
void ScriptPrinter::structureCommand(const Stmt& s) {
    bool copy = equalsIgnoreCase(s.name, L"copystructure");
    std::uint32_t places = copy ? 2 : 1;
    const Expr* type = s.exprs.count == places + 1 ? &tree_.exprs[exprAt(s, places)] : nullptr;
    auto st = type != nullptr && type->kind == ExprKind::kName
                  ? typed_.structureIds.find(toLower(type->text))
                  : typed_.structureIds.end();
    std::vector<std::wstring> target;
    for (std::uint32_t k = 0; k < places && k < s.exprs.count; ++k) {
        const Expr& at = tree_.exprs[exprAt(s, k)];
        if (at.kind == ExprKind::kPointer) target.push_back(ex_.variableName(exprAt(s, k)));
        if (at.kind != ExprKind::kAddress) continue;
        NodeId place = tree_.child(at.children, 0);
        bool heap = ex_.heapVariable(place) != nullptr || ex_.throughPointer(place);
        target.push_back(heap ? ex_.variableName(place) : placeText(place));
    }
    if (st == typed_.structureIds.end() || target.size() != places)
        return ex_.unsupported(std::wstring(s.name) + L" of other than addresses and a structure");
    const Structure& structure = typed_.structures[static_cast<size_t>(st->second)];
    if (heapStructureCommand(s, places, structure)) return;
    if (target[0].empty() || target.back().empty()) return; // reported as a place
    if (copy && ex_.holdsShared(ValueType{ValueKind::kStructure, L'i', st->second}, 0))
        return ex_.unsupported(L"CopyStructure of a structure holding structures with a "
                               L"StructureUnion");
    if (copy) return write(L"QLCX_Refill(" + target[1] + L",QLCX_Clone(" + target[0] + L"));");
    if (equalsIgnoreCase(s.name, L"clearstructure"))
        return write(L"QLCX_Refill(" + target[0] + L",init" + structure.scriptName + L"());");
    bool containers = false;
    for (const Field& f : structure.fields)
        containers |= f.shape == Field::Shape::kList || f.shape == Field::Shape::kMap ||
                      f.shape == Field::Shape::kArray;
    if (containers) write(L"initializestruct" + structure.scriptName + L"(" + target[0] + L");");
}

void ScriptPrinter::write(std::wstring line) {
    if (segments_ != nullptr) return segments_->code(loopLine(std::move(line)));
    ex_.takeAwaited(); // a procedure's lines: its head already says it is async
    out_.add(line, line_);
}

LoopLine ScriptPrinter::loopLine(std::wstring text) {
    return LoopLine{std::move(text), line_, ex_.takeAwaited(), {}};
}

namespace {

constexpr char kWideMark = static_cast<char>(0x80);

} // namespace

void PrintedScript::add(std::wstring_view line, int sourceLine) {
    size_t size = line.size();
    for (wchar_t c : line)
        if (static_cast<std::uint32_t>(c) >= 0x80) size += sizeof(wchar_t);
    // A block is filled up to its capacity and no further, so its bytes are never copied as
    // they grow; a block holds a megabyte, or one longer line.
    constexpr size_t kBlockBytes = 1 << 20;
    if (blocks_.empty() || blocks_.back().bytes.capacity() - blocks_.back().bytes.size() < size)
        blocks_.emplace_back().bytes.reserve(std::max(kBlockBytes, size));
    Block& block = blocks_.back();
    for (wchar_t c : line) {
        if (static_cast<std::uint32_t>(c) < 0x80) {
            block.bytes.push_back(static_cast<char>(c));
            continue;
        }
        char wide[sizeof(wchar_t)];
        std::memcpy(wide, &c, sizeof c);
        block.bytes.push_back(kWideMark);
        block.bytes.append(wide, sizeof wide);
    }
    block.ends.push_back(static_cast<std::uint32_t>(block.bytes.size()));
    sourceLines_.push_back(sourceLine);
}

std::vector<std::wstring> PrintedScript::lines() const {
    std::vector<std::wstring> lines;
    lines.reserve(size());
    for (const Block& block : blocks_) {
        size_t at = 0;
        for (std::uint32_t end : block.ends) {
            std::wstring& line = lines.emplace_back();
            line.reserve(end - at);
            while (at < end) {
                char b = block.bytes[at++];
                if (b != kWideMark) {
                    line.push_back(static_cast<wchar_t>(b));
                    continue;
                }
                wchar_t c;
                std::memcpy(&c, block.bytes.data() + at, sizeof c);
                at += sizeof c;
                line.push_back(c);
            }
        }
    }
    return lines;
}

PrintedScript printScript(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag) {
    return ScriptPrinter(tree, typed, diag).run();
}

PrintedScript printProgram(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag) {
    return ScriptPrinter(tree, typed, diag).program();
}

} // namespace qc
