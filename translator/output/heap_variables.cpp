// Addresses, and the variables whose address is taken: they live in the page's heap, reached by
// their names as an element of the heap's typed view of their type (through Peek and Poke for
// the 64-bit integers and where the address lies outside the block checked last), so that a
// pointer to them and the name read and write one place.
#include "common/text.h"
#include "translator/output/expression_printer.h"
#include "translator/output/script_printer_parts.h"
#include "translator/source/structure_layouts.h"
#include "vocabulary/statement_list.h"

#include <cwctype>

namespace qc {

namespace {

// The Peek and Poke letter of a number place: "L" for a long, "D" for a double.
std::wstring numberWidth(ValueType type) {
    if (type.kind == ValueKind::kFloat) return type.width == L'f' ? L"F" : L"D";
    return std::wstring(1, static_cast<wchar_t>(std::towupper(type.width)));
}

} // namespace

// "@Handler()" of a procedure is the function itself, as BindEvent and the filters take it.
// A variable whose address is taken lives in the heap, and so does a field of one or a field
// reached through a pointer: their address is where they are. An array or a list lives in
// the script, not in the page's heap, so it has no address to give: it is refused.
Piece ExpressionPrinter::address(const Expr& e) {
    NodeId at = tree_.child(e.children, 0);
    const Expr& of = tree_.exprs[at];
    if (of.kind == ExprKind::kCall && of.children.count == 0)
        if (const Procedure* p = typed_.procedureNamed(of.text)) return atom(p->scriptName);
    if (const Variable* v = heapVariable(at)) {
        if (v->type.kind != ValueKind::kString) return atom(v->scriptName);
        return atom(L"(" + v->scriptName + L"=QLCX_TextHome(" + v->scriptName + L"))");
    }
    if (std::optional<HeapField> heap; throughPointer(at, &heap)) {
        if (!heap) return atom(L"0"); // reported where the field was sought
        bool sum = heap->address.find(L'+') != std::wstring::npos;
        return atom(sum ? L"(" + heap->address + L")" : heap->address);
    }
    if (sharedValue(at)) return atom(expr(at).text); // the block an element holds
    if (typed_.containerOf(at) != nullptr) {
        diag_.error(message::notSupported(line_, L"address " + std::wstring(e.text) +
                                                     L" of an array, list or map or an element"));
        return atom(L"0");
    }
    NodeId root = placeRoot(at);
    const Variable* v =
        tree_.exprs[root].kind == ExprKind::kName ? typed_.variableOf(root) : nullptr;
    if (v != nullptr && v->type.kind == ValueKind::kStructure) {
        diag_.error(message::notSupported(line_, L"address " + std::wstring(e.text) +
                                                     L" of a structure with strings, lists, "
                                                     L"maps or arrays"));
        return atom(L"0");
    }
    diag_.error(message::notSupported(line_, L"address " + std::wstring(e.text)));
    return atom(L"0");
}

// "@x" in ClearStructure, InitializeStructure and CopyStructure names the place itself, which
// the page changes where it is: it does not move the variable into the heap.
void ExpressionPrinter::markAddressed() {
    addressed_.assign(typed_.variables.size(), 0);
    std::vector<char> named(tree_.exprs.size(), 0);
    for (const Stmt& s : tree_.stmts)
        if (s.kind == StmtKind::kCall && isStructureCommand(s.name))
            for (std::uint32_t k = 0; k < s.exprs.count; ++k) named[tree_.child(s.exprs, k)] = 1;
    for (size_t id = 0; id < tree_.exprs.size(); ++id) {
        const Expr& e = tree_.exprs[id];
        if (e.kind != ExprKind::kAddress || named[id] || e.children.count == 0) continue;
        NodeId of = placeRoot(tree_.child(e.children, 0));
        if (tree_.exprs[of].kind != ExprKind::kName) continue;
        const Variable* v = typed_.variableOf(of);
        if (v != nullptr && heapHolds(v->type, 0))
            addressed_[static_cast<size_t>(v - typed_.variables.data())] = 1;
    }
    for (size_t index = 0; index < typed_.variables.size(); ++index)
        if (shared(typed_.variables[index].type) && heapHolds(typed_.variables[index].type, 0))
            addressed_[index] = 1;
}

bool ExpressionPrinter::shared(ValueType type) const {
    return type.kind == ValueKind::kStructure && type.structure >= 0 &&
           typed_.structures[static_cast<size_t>(type.structure)].shared;
}

// A structure that is one, or holds one anywhere (in a list field too): the script's copy of
// it would copy the blocks' addresses.
bool ExpressionPrinter::holdsShared(ValueType type, int depth) const {
    if (shared(type)) return true;
    if (type.kind != ValueKind::kStructure || type.structure < 0 || depth > 16) return false;
    for (const Field& f : typed_.structures[static_cast<size_t>(type.structure)].fields)
        if (f.shape != Field::Shape::kPointer && holdsShared(f.type, depth + 1)) return true;
    return false;
}

// A pointer, or a pointer field, holds an address, whatever it points at: it is no value of
// the structure.
bool ExpressionPrinter::structureValue(NodeId id) const {
    const Field* f = tree_.exprs[id].kind == ExprKind::kField ? typed_.fields[id] : nullptr;
    return types_[id].kind == ValueKind::kStructure && tree_.exprs[id].kind != ExprKind::kPointer &&
           (f == nullptr || f->shape != Field::Shape::kPointer);
}

bool ExpressionPrinter::sharedValue(NodeId id) const {
    return shared(types_[id]) && structureValue(id);
}

std::optional<std::wstring> ExpressionPrinter::structureAddress(NodeId id) {
    if (!structureValue(id)) return std::nullopt;
    if (const Variable* v = heapVariable(id)) return v->scriptName;
    if (std::optional<HeapField> heap; throughPointer(id, &heap)) {
        if (!heap) return L"0"; // reported where the field was sought
        return heap->address;
    }
    if (shared(types_[id])) return expr(id).text;
    return std::nullopt;
}

// "p" of "p\pos\x" and "p\cells[2]": the address of a field takes its variable into the
// heap with it.
NodeId ExpressionPrinter::placeRoot(NodeId id) const {
    while (tree_.exprs[id].kind == ExprKind::kField || tree_.exprs[id].kind == ExprKind::kIndex)
        id = tree_.child(tree_.exprs[id].children, 0);
    return id;
}

// Numbers, strings and structures whose fields are numbers, pointers, static arrays of
// numbers or structures of the same kind; a structure's strings, lists and maps have no
// place in the heap.
bool ExpressionPrinter::heapHolds(ValueType type, int depth) const {
    if (typed_.layouts == nullptr) return false;
    switch (type.kind) {
    case ValueKind::kInteger:
    case ValueKind::kFloat:
        return true;
    case ValueKind::kString:
        return depth == 0;
    case ValueKind::kStructure:
        break;
    default:
        return false;
    }
    if (type.structure < 0 || depth > 16) return false;
    for (const Field& f : typed_.structures[static_cast<size_t>(type.structure)].fields) {
        if (f.shape == Field::Shape::kPointer) continue;
        if (f.shape != Field::Shape::kValue && f.shape != Field::Shape::kStaticArray) return false;
        if (!heapHolds(f.type, depth + 1)) return false;
    }
    return true;
}

bool ExpressionPrinter::inHeap(const Variable& v) const {
    size_t index = static_cast<size_t>(&v - typed_.variables.data());
    return index < addressed_.size() && addressed_[index] != 0;
}

const Variable* ExpressionPrinter::heapVariable(NodeId id) const {
    if (tree_.exprs[id].kind != ExprKind::kName) return nullptr;
    const Variable* v = typed_.variableOf(id);
    return v != nullptr && inHeap(*v) ? v : nullptr;
}

std::optional<long long> ExpressionPrinter::heapSize(const Variable& v) const {
    if (v.type.kind == ValueKind::kStructure)
        return typed_.layouts->sizeOf(
            typed_.structures[static_cast<size_t>(v.type.structure)].scriptName);
    if (v.type.kind == ValueKind::kString) return std::nullopt;
    return typed_.layouts->sizeOf(std::wstring(1, v.type.width));
}

std::wstring ExpressionPrinter::heapHome(const Variable& v, const std::wstring& initial) {
    std::optional<long long> size = heapSize(v);
    if (!size) return initial.empty() ? std::wstring() : L"QLCX_TextPut(0," + initial + L")";
    std::wstring block = L"AllocateMemory(" + std::to_wstring(*size) + L")";
    if (initial.empty()) return block;
    return L"QLCX_Placed(" + block + L",Poke" + numberWidth(v.type) + L"," + initial + L")";
}

Piece ExpressionPrinter::heapVariableRead(const Variable& v) {
    if (v.type.kind == ValueKind::kString) return atom(L"QLCX_TextAt(" + v.scriptName + L")");
    if (v.type.kind == ValueKind::kStructure) {
        unsupported(L"a structure whose address is taken, as a whole value");
        return atom(L"0");
    }
    std::wstring width = numberWidth(v.type);
    return atom(typedRead(width, toLower(width), v.scriptName));
}

std::wstring ExpressionPrinter::heapVariableWrite(const Variable& v, NodeId value) {
    if (v.type.kind == ValueKind::kString)
        return v.scriptName + L"=QLCX_TextPut(" + v.scriptName + L"," + stored(value, v.type) +
               L")";
    if (v.type.kind == ValueKind::kStructure) {
        unsupported(L"a structure whose address is taken, as a whole value");
        return {};
    }
    std::wstring width = numberWidth(v.type);
    return typedWrite(width, toLower(width), v.scriptName, value, v.type);
}

// The blocks of the program's variables that live in the heap, made before its first line;
// a static one holds its first value there.
void ScriptPrinter::heapHomes() {
    for (const Variable& v : typed_.variables) {
        if (!ex_.inHeap(v) ||
            (v.home != Variable::Home::kMain && v.home != Variable::Home::kGlobal &&
             v.home != Variable::Home::kStatic))
            continue;
        std::wstring initial;
        if (v.home == Variable::Home::kStatic && v.initial != kNoNode && isConstant(v.initial))
            initial = ex_.stored(v.initial, v.type);
        std::wstring home = ex_.heapHome(v, initial);
        if (!home.empty()) write(v.scriptName + L"=" + home + L";");
    }
}

// A procedure's own variables in the heap end with its call, as natively its stack frame
// does: their blocks are freed once the result is computed, and an address of one kept
// after the call is an invalid one.
std::wstring ScriptPrinter::returned(std::wstring value) {
    std::wstring homes;
    for (int index : current_ != nullptr ? current_->locals : std::vector<int>{}) {
        const Variable& v = typed_.variables[static_cast<size_t>(index)];
        bool own = v.home == Variable::Home::kLocal || v.home == Variable::Home::kParameter;
        if (own && ex_.inHeap(v)) homes += (homes.empty() ? L"" : L",") + v.scriptName;
    }
    if (homes.empty()) return value;
    return L"QLCX_Unplaced(" + value + L",[" + homes + L"])";
}

// The structure commands on structures in the heap ("ClearStructure(*p, Point)", a
// variable whose address is taken, a field through a pointer): its bytes cleared or copied;
// false where every place is one the script holds. A structure of the heap holds numbers
// only, so InitializeStructure has nothing to make there.
bool ScriptPrinter::heapStructureCommand(const Stmt& s, std::uint32_t places,
                                         const Structure& structure) {
    std::vector<std::wstring> address;
    for (std::uint32_t k = 0; k < places; ++k) {
        NodeId arg = exprAt(s, k);
        const Expr& at = tree_.exprs[arg];
        NodeId place = at.kind == ExprKind::kAddress ? tree_.child(at.children, 0) : kNoNode;
        if (at.kind == ExprKind::kPointer ||
            (place != kNoNode && (ex_.heapVariable(place) != nullptr || ex_.throughPointer(place) ||
                                  ex_.sharedValue(place))))
            address.push_back(ex_.value(arg, false).text);
    }
    if (address.empty()) return false;
    long long size = 0;
    if (typed_.layouts != nullptr) size = typed_.layouts->sizeOf(structure.scriptName).value_or(0);
    if (address.size() != places || size <= 0) {
        ex_.unsupported(std::wstring(s.name) + L" between the heap and a structure of the script");
        return true;
    }
    if (equalsIgnoreCase(s.name, L"copystructure"))
        write(L"CopyMemory(" + address[0] + L"," + address[1] + L"," + std::to_wstring(size) +
              L");");
    else if (equalsIgnoreCase(s.name, L"clearstructure"))
        write(L"FillMemory(" + address[0] + L"," + std::to_wstring(size) + L",0);");
    return true;
}

} // namespace qc
