#include "translator/output/expression_printer.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "tables/command_types.h"
#include "tables/constant_table.h"
#include "translator/language/script_literals.h"
#include "translator/lowering/waits.h"
#include "translator/semantics/symbol_table.h"
#include "translator/source/constant_folder.h"
#include "translator/source/language_pass.h"
#include "translator/source/lexer.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <cwchar>
#include <optional>

namespace qc {

// A value on its way into a place of type `target`: a float rounded into an integer place,
// a truth as 1 or 0, a narrow integer wrapped.
std::wstring ExpressionPrinter::stored(NodeId id, ValueType target) {
    ValueType from = types_[id];
    Piece p = value(id, target.kind == ValueKind::kFloat);
    // A structure is copied with its fields, its arrays, lists and maps among them: the
    // place must not become a second name of the value.
    bool made = tree_.exprs[id].kind == ExprKind::kCall && typed_.containerOf(id) == nullptr;
    if (target.kind == ValueKind::kStructure && from.kind == ValueKind::kStructure && !made) {
        if (holdsShared(from, 0))
            unsupported(L"a copy of a structure holding structures with a StructureUnion");
        return L"QLCX_Clone(" + p.text + L")";
    }
    if (target.kind == ValueKind::kFloat && target.width == L'f') return single(id, p);
    if (target.kind != ValueKind::kInteger) return p.text;
    if (from.kind == ValueKind::kFloat) p = atom(L"QLCX_Round(" + p.text + L")");
    std::wstring_view wrap = wrapSuffix(target.width);
    if (wrap.empty()) return p.text;
    const Expr& e = tree_.exprs[id];
    if (e.kind == ExprKind::kNumber && literalFitsWidth(p.text, target.width)) return p.text;
    // The script's narrowing works on numbers; a wide integer gives its low 32 bits first.
    if (from.kind == ValueKind::kInteger)
        return L"(QLCX_Low32(" + p.text + L")" + std::wstring(wrap);
    return L"(" + p.text + std::wstring(wrap);
}

// A value on its way into a ".f" place, rounded to single precision. What already is one (a
// ".f" variable, field, element or procedure result) and a literal that single precision
// holds exactly go in as they are.
std::wstring ExpressionPrinter::single(NodeId id, const Piece& p) {
    ValueType from = types_[id];
    if (from.kind == ValueKind::kFloat && from.width == L'f') return p.text;
    if (from.kind == ValueKind::kString || from.kind == ValueKind::kStructure) return p.text;
    const Expr& e = tree_.exprs[id];
    if (e.kind == ExprKind::kNumber && singleHoldsExactly(p.text)) return p.text;
    return L"Math.fround(" + p.text + L")";
}

// A top-level expression: its divisions divide as floats when a float takes part in it
// (or it goes to a float place); an argument is an expression of its own.
Piece ExpressionPrinter::value(NodeId id, bool floatPlace) {
    bool saved = floats_;
    floats_ = floatPlace || holdsFloat(id);
    Piece p = number(id);
    floats_ = saved;
    return p;
}

std::wstring ExpressionPrinter::condition(NodeId id) {
    bool saved = floats_;
    floats_ = holdsFloat(id);
    Piece p = expr(id);
    floats_ = saved;
    return p.text;
}

bool ExpressionPrinter::holdsFloat(NodeId id) const {
    const Expr& e = tree_.exprs[id];
    if (types_[id].kind == ValueKind::kFloat) return true;
    if (e.kind != ExprKind::kUnary && e.kind != ExprKind::kBinary) return false;
    for (std::uint32_t i = 0; i < e.children.count; ++i)
        if (holdsFloat(tree_.child(e.children, i))) return true;
    return false;
}

// An expression where a number is needed: a truth counts 1 or 0.
Piece ExpressionPrinter::number(NodeId id) {
    Piece p = expr(id);
    if (types_[id].kind != ValueKind::kTruth) return p;
    return atom(L"(" + p.text + L"?1:0)");
}

// An integer operand of a bit operator: a float is rounded first.
std::wstring ExpressionPrinter::whole(NodeId id) {
    Piece p = number(id);
    if (types_[id].kind == ValueKind::kFloat) return L"QLCX_Round(" + p.text + L")";
    return p.text;
}

Piece ExpressionPrinter::expr(NodeId id) {
    if (id == substituted_) return atom(substitute_);
    const Expr& e = tree_.exprs[id];
    switch (e.kind) {
    case ExprKind::kNumber: {
        std::wstring text = numberText(e.text);
        bool wide = text.starts_with(L"QLCX_Big(");
        return wide ? inFloats(id, atom(std::move(text))) : atom(std::move(text));
    }
    case ExprKind::kCharacter:
        return atom(std::to_wstring(e.text.size() >= 3 ? static_cast<int>(e.text[1]) : 0));
    case ExprKind::kString: // one left open (reported) is closed at the end of its line
        return atom(scriptString(isClosedString(e.text) ? std::wstring(e.text)
                                                        : std::wstring(e.text) + L"\""));
    case ExprKind::kConstant:
        return constant(e);
    case ExprKind::kName:
        if (const Variable* v = heapVariable(id)) return inFloats(id, heapVariableRead(*v));
        return inFloats(id, atom(variableName(id)));
    case ExprKind::kPointer:
        return atom(variableName(id));
    case ExprKind::kCall:
        return inFloats(id, callExpr(id, e));
    case ExprKind::kField:
        return inFloats(id, fieldExpr(id, e));
    case ExprKind::kIndex:
        if (std::optional<HeapField> heap; throughPointer(id, &heap)) {
            std::wstring read = heap ? heapRead(*heap) : std::wstring();
            return inFloats(id, atom(read.empty() ? L"0" : read));
        }
        return inFloats(id, atom(indexed(e)));
    case ExprKind::kUnary:
        return unary(id, e);
    case ExprKind::kBinary:
        return binary(id, e);
    case ExprKind::kAddress:
        return address(e);
    case ExprKind::kLabelAddress: {
        std::wstring label = toLower(e.text);
        if (dataLabels_.count(label) == 0) {
            diag_.error(message::atLine(line_, L"label not found in a data section: " +
                                                   std::wstring(e.text)));
            return atom(L"0");
        }
        return atom(L"QLCX_DataAddress(\"" + label + L"\")");
    }
    case ExprKind::kInvoke: {
        std::vector<NodeId> args;
        for (std::uint32_t k = 1; k < e.children.count; ++k)
            args.push_back(tree_.child(e.children, k));
        return atom(callThrough(bound(expr(tree_.child(e.children, 0)), kScriptAtom), args));
    }
    case ExprKind::kError:
        return atom(L"0"); // its statement was reported where it was read
    default:
        unsupported(L"this expression");
        return atom(L"0");
    }
}

// "r\cells[0]": the static array itself is no value, whatever its elements' type.
std::wstring ExpressionPrinter::indexed(const Expr& e) {
    bool saved = std::exchange(floats_, false);
    std::wstring base = bound(expr(tree_.child(e.children, 0)), kScriptAtom);
    floats_ = saved;
    return base + L"[" + stored(tree_.child(e.children, 1), ValueType{ValueKind::kInteger, L'i'}) +
           L"]";
}

// An integer read where floats are computed: a wide integer (a BigInt) becomes the nearest
// float there, as natively; the script cannot mix the two in one operation.
Piece ExpressionPrinter::inFloats(NodeId id, Piece p) {
    if (!floats_ || types_[id].kind != ValueKind::kInteger) return p;
    return atom(L"QLCX_Float(" + p.text + L")");
}

// Between integers, the operators whose result can leave the script's exact range call the
// runtime's checked form, which stays on numbers while the result is exact.
bool ExpressionPrinter::integers(NodeId left, NodeId right) const {
    auto integer = [&](NodeId id) {
        ValueKind k = types_[id].kind;
        return k == ValueKind::kInteger || k == ValueKind::kTruth;
    };
    return !floats_ && integer(left) && integer(right);
}

// "p\pos\x" is p.pos.x: fields in lower case, without "$". "l()\items()" is the current
// element of a list field, "m()\ages(k)" a map field's element by key.
Piece ExpressionPrinter::fieldExpr(NodeId id, const Expr& e) {
    if (auto slot = typed_.methodSlots.find(id); slot != typed_.methodSlots.end())
        return methodCall(e, slot->second);
    std::optional<HeapField> heap;
    if (throughPointer(id, &heap)) {
        std::wstring read = heap ? heapRead(*heap) : std::wstring();
        return atom(read.empty() ? L"0" : read);
    }
    std::wstring whole = fieldPath(e);
    const Field* f = typed_.fields[id];
    bool container =
        f != nullptr && (f->shape == Field::Shape::kList || f->shape == Field::Shape::kMap);
    if (f != nullptr && f->type.kind == ValueKind::kProcedure && e.brackets) {
        std::vector<NodeId> args;
        for (std::uint32_t k = 1; k < e.children.count; ++k)
            args.push_back(tree_.child(e.children, k));
        return atom(callThrough(whole, args));
    }
    if (f != nullptr && f->shape == Field::Shape::kArray && e.brackets) {
        // "b\a(2, 1)": an element of the field's own array; "b\a()" the whole array.
        for (std::uint32_t k = 1; k < e.children.count; ++k)
            whole += L"[" +
                     stored(tree_.child(e.children, k), ValueType{ValueKind::kInteger, L'i'}) +
                     L"]";
        return atom(whole);
    }
    if (!container || !e.brackets) {
        if (e.children.count > 1) unsupported(L"brackets after this field");
        return atom(whole);
    }
    if (f->shape == Field::Shape::kMap && e.children.count > 1)
        return atom(whole + L"[mapslot(" + whole + L"," +
                    value(tree_.child(e.children, 1), false).text + L")]");
    return atom(whole + L"[" + whole + L"[0]]");
}

std::wstring ExpressionPrinter::fieldPath(const Expr& e) {
    std::wstring name = toLower(e.text);
    if (!name.empty() && name.back() == L'$') name.pop_back();
    return bound(expr(tree_.child(e.children, 0)), kScriptAtom) + L"." + name;
}

// A list or map field where a whole container is taken: "AddElement(p\items())".
bool ExpressionPrinter::wholeField(NodeId id, std::wstring& text) {
    const Expr& e = tree_.exprs[id];
    const Field* f = e.kind == ExprKind::kField ? typed_.fields[id] : nullptr;
    if (f == nullptr || e.children.count != 1 ||
        (f->shape != Field::Shape::kList && f->shape != Field::Shape::kMap &&
         f->shape != Field::Shape::kArray))
        return false;
    text += fieldPath(e);
    return true;
}

std::wstring ExpressionPrinter::numberText(std::wstring_view text) {
    if (text[0] == L'$') return scriptInteger(hexToDecimal(text));
    if (text[0] == L'%') return scriptInteger(binaryToDecimal(text.substr(1)));
    return scriptInteger(withPointedExponent(withoutLeadingZeros(std::wstring(text))));
}

Piece ExpressionPrinter::constant(const Expr& e) {
    if (const ConstantValue* own = typed_.programConstant(e)) return constantPiece(*own);
    std::optional<std::wstring> v = resolveConstant(e.text);
    if (v) return atom(*v);
    diag_.error(message::unknownConstant(line_, e.text));
    return atom(L"0");
}

// "grid(x, y)" is grid[x][y], each index an integer; "a()" the whole array, as commands
// and procedures take it.
std::wstring ExpressionPrinter::element(NodeId id) {
    const Expr& e = tree_.exprs[id];
    const Container& c = *typed_.containerOf(id);
    std::wstring text = c.scriptName;
    if (c.kind == ContainerKind::kList || (c.kind == ContainerKind::kMap && e.children.count == 0))
        return text + L"[" + text + L"[0]]";
    if (c.kind == ContainerKind::kMap)
        return text + L"[mapslot(" + text + L"," + value(tree_.child(e.children, 0), false).text +
               L")]";
    for (std::uint32_t k = 0; k < e.children.count; ++k)
        text +=
            L"[" + stored(tree_.child(e.children, k), ValueType{ValueKind::kInteger, L'i'}) + L"]";
    return text;
}

// A constant's value as the script writes it: "-3" binds as a prefix does.
Piece ExpressionPrinter::constantPiece(const ConstantValue& v) {
    std::wstring text = constantSource(v);
    if (v.kind == ConstantValue::Kind::kString) return atom(scriptString(text));
    if (text.starts_with(L"(")) return {text.substr(1, text.size() - 2), kScriptPrefix};
    return atom(std::move(text));
}

Piece ExpressionPrinter::callExpr(NodeId id, const Expr& e) {
    // SizeOf and OffsetOf are known before the page runs.
    if (typed_.layouts != nullptr && e.children.count == 1 &&
        (equalsIgnoreCase(e.text, L"sizeof") || equalsIgnoreCase(e.text, L"offsetof"))) {
        if (auto v = typed_.layouts->callValue(tree_, e)) return constantPiece(*v);
        unsupported(std::wstring(e.text) + L"(" + describeArgument(e) + L")");
        return atom(L"0");
    }
    // "AllocateStructure(Point)": a block of the heap the structure's size, cleared.
    if (typed_.layouts != nullptr && e.children.count == 1 &&
        equalsIgnoreCase(e.text, L"allocatestructure")) {
        const Expr& type = tree_.expr(e.children, 0);
        std::optional<long long> size =
            type.kind == ExprKind::kName ? typed_.layouts->sizeOf(type.text) : std::nullopt;
        if (size) return atom(L"AllocateMemory(" + std::to_wstring(*size) + L")");
        unsupported(L"AllocateStructure(" + describeArgument(e) + L")");
        return atom(L"0");
    }
    if (const Container* c = typed_.containerOf(id)) {
        if (c->kind == ContainerKind::kArray && e.children.count == 0) return atom(c->scriptName);
        return atom(element(id));
    }
    std::vector<NodeId> args;
    for (std::uint32_t i = 0; i < e.children.count; ++i) args.push_back(tree_.child(e.children, i));
    if (const Variable* v = typed_.variableOf(id))
        return atom(callThrough(v->scriptName, args)); // a procedure variable
    return atom(callText(e.text, args));
}

// What a procedure variable holds, called; 0 stops the program as not callable.
// "obj\Area(x)" is QLCX_Method(obj,0)(obj,x): the procedure at the method's place in the
// table the object's first field points at, given the object first. The object is written
// twice, so it must be a name or an element at plain indexes ("shapes(i)"): a call in its
// place would run twice.
Piece ExpressionPrinter::methodCall(const Expr& e, int slot) {
    NodeId object = tree_.child(e.children, 0);
    const Expr& of = tree_.exprs[object];
    bool plain = of.kind == ExprKind::kName || of.kind == ExprKind::kPointer;
    if (of.kind == ExprKind::kCall && typed_.containerOf(object) != nullptr) {
        plain = true;
        for (std::uint32_t k = 0; k < of.children.count; ++k) {
            ExprKind index = tree_.expr(of.children, k).kind;
            plain = plain && (index == ExprKind::kName || index == ExprKind::kNumber ||
                              index == ExprKind::kConstant);
        }
    }
    if (!plain) {
        unsupported(L"a method call on something other than a variable");
        return atom(L"0");
    }
    std::wstring self = expr(object).text;
    std::wstring text = L"QLCX_Method(" + self + L"," + std::to_wstring(slot) + L")(" + self;
    for (std::uint32_t k = 1; k < e.children.count; ++k)
        text += L"," + value(tree_.child(e.children, k), false).text;
    return atom(text + L")");
}

std::wstring ExpressionPrinter::callThrough(const std::wstring& callee,
                                            const std::vector<NodeId>& args) {
    std::wstring text = callee + L"(";
    for (size_t i = 0; i < args.size(); ++i)
        text += (i > 0 ? L"," : L"") + value(args[i], false).text;
    return text + L")";
}

// A command of the table with its arguments, each an expression of its own.
std::wstring ExpressionPrinter::callText(std::wstring_view name, const std::vector<NodeId>& args) {
    if (const Procedure* p = typed_.procedureNamed(name)) {
        if (namesContainerToo(name)) sharedName(name);
        size_t index = static_cast<size_t>(p - typed_.procedures.data());
        if (waiting_ == nullptr || index >= waiting_->size() || !(*waiting_)[index])
            return procedureCall(*p, args);
        awaited_ = true;
        return resumed(L"await " + procedureCall(*p, args));
    }
    if (typed_.imported.count(toLower(name)) != 0) {
        // Its Import block was refused, which is the one message about it; the program goes
        // on with 0 for its result.
        for (NodeId arg : args) value(arg, false);
        return L"0";
    }
    if (staysOutsideThePage(toLower(name))) {
        // Memory, threads, the network, other programs: a page has none of them. The
        // arguments are still read for what they report ("@counter").
        diag_.error(message::notSupported(line_, name));
        for (NodeId arg : args) value(arg, false);
        return L"empty";
    }
    std::wstring_view awaited = awaitedCommand(name);
    if (!awaited.empty()) {
        awaited_ = true;
        name = awaited;
    }
    // An image is named by its number wherever the runtime takes one.
    if (equalsIgnoreCase(name, L"imageid") && args.size() == 1)
        return L"(" + value(args[0], false).text + L")";
    const CommandRow* row = commandTable().lookUpCommand(name);
    if (row == nullptr) {
        missingFunction(name);
        return L"empty";
    }
    // These copy or compare elements as the script's objects; blocks of the heap would be
    // copied as their addresses, two elements sharing one.
    static constexpr std::wstring_view kElementCopies[] = {
        L"copyarray", L"copylist", L"copymap", L"sortstructuredarray", L"sortstructuredlist"};
    if (!args.empty() &&
        std::ranges::any_of(kElementCopies,
                            [&](std::wstring_view c) { return equalsIgnoreCase(name, c); }) &&
        holdsShared(types_[args[0]], 0))
        unsupported(std::wstring(name) + L" of structures with a StructureUnion");
    std::wstring text = row->targetName.empty() ? row->name : row->targetName;
    // An argument the runtime's function has no parameter for would be dropped without a word;
    // the commands that do nothing ("empty") take theirs on purpose.
    if (int most = runtimeParameterCount(text);
        most >= 0 && args.size() > static_cast<size_t>(most) && text != L"empty")
        diag_.error(message::notSupported(
            line_, std::wstring(name) + L" with " + std::to_wstring(args.size()) +
                       (args.size() == 1 ? L" argument" : L" arguments")));
    text += L"(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0) text += L",";
        bool whole = (i == 0 && row->takesList) || row->takesListAt(i);
        if (whole && wholeContainer(args[i], text)) continue;
        if (equalsIgnoreCase(name, L"bool"))
            text += condition(args[i]);
        else if (i == 2 && (equalsIgnoreCase(name, L"sortstructuredarray") ||
                            equalsIgnoreCase(name, L"sortstructuredlist")))
            text += sortedField(args[0], args[2]);
        else
            text += value(args[i], takesFloatArgument(name, i)).text;
    }
    text += L")";
    if (!awaited.empty()) return resumed(text);
    // Natively these give the element's address, or 0: an element that is a block of the
    // heap has one ("*c.Colour = AddElement(l())").
    static constexpr std::wstring_view kElementAddresses[] = {
        L"addelement",     L"insertelement",   L"firstelement",  L"lastelement",
        L"nextelement",    L"previouselement", L"selectelement", L"addmapelement",
        L"findmapelement", L"nextmapelement"};
    if (args.empty() || !std::ranges::any_of(kElementAddresses, [&](std::wstring_view a) {
            return equalsIgnoreCase(name, a);
        }))
        return text;
    const Container* c = typed_.containerOf(args[0]);
    const Field* f =
        tree_.exprs[args[0]].kind == ExprKind::kField ? typed_.fields[args[0]] : nullptr;
    bool list = c != nullptr ? c->kind != ContainerKind::kArray
                             : f != nullptr && (f->shape == Field::Shape::kList ||
                                                f->shape == Field::Shape::kMap);
    std::wstring whole;
    if (list && shared(c != nullptr ? c->element : f->type) && wholeContainer(args[0], whole))
        return L"(" + text + L"?" + whole + L"[" + whole + L"[0]]:0)";
    return text;
}

std::wstring ExpressionPrinter::resumed(std::wstring awaited) const {
    if (resumer_.empty()) return awaited;
    return L"QLCX_TaskBack(" + resumer_ + L"," + awaited + L")";
}

// The field a structured sort compares, from its byte offset ("OffsetOf(Player\score)", or
// a number the program computed): the runtime names a field by its place among the fields,
// so the offset is looked up among those of the elements' structure.
std::wstring ExpressionPrinter::sortedField(NodeId sorted, NodeId offset) {
    std::wstring value = this->value(offset, false).text;
    const Container* c = typed_.containerOf(sorted);
    const Field* f = tree_.exprs[sorted].kind == ExprKind::kField ? typed_.fields[sorted] : nullptr;
    ValueType element = c != nullptr ? c->element : f != nullptr ? f->type : ValueType{};
    const std::vector<FieldLayout>* fields =
        element.kind == ValueKind::kStructure && typed_.layouts != nullptr
            ? typed_.layouts->fieldsOf(
                  typed_.structures[static_cast<size_t>(element.structure)].scriptName)
            : nullptr;
    if (fields == nullptr) {
        unsupported(L"a structured sort of elements that are no structure");
        return L"-1";
    }
    std::wstring offsets;
    for (const FieldLayout& field : *fields)
        offsets += (offsets.empty() ? L"" : L",") + std::to_wstring(field.offset);
    return L"QLCX_FieldAt([" + offsets + L"]," + value + L")";
}

// The runtime's awaited form of a waiting command where it is awaited; empty elsewhere.
std::wstring_view ExpressionPrinter::awaitedCommand(std::wstring_view name) const {
    if (waitForm_ == WaitForm::kAsWritten) return {};
    return awaitedForm(name, waitForm_ == WaitForm::kAwaitAll);
}

// "l()" where a whole list or map is taken: its name.
bool ExpressionPrinter::wholeContainer(NodeId id, std::wstring& text) {
    if (wholeField(id, text)) return true;
    const Container* c = typed_.containerOf(id);
    if (c == nullptr || tree_.exprs[id].children.count != 0) return false;
    text += c->scriptName;
    return true;
}

// A procedure's arguments go in as its parameters' types store them; a container
// parameter takes the whole container.
std::wstring ExpressionPrinter::procedureCall(const Procedure& p, const std::vector<NodeId>& args) {
    std::wstring text = p.scriptName + L"(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0) text += L",";
        int v = i < p.parameters.size() ? p.parameters[i] : -1;
        if (v < 0 && i < p.parameters.size() && wholeContainer(args[i], text)) continue;
        text += v >= 0 ? stored(args[i], typed_.variables[static_cast<size_t>(v)].type)
                       : value(args[i], false).text;
    }
    return text + L")";
}

Piece ExpressionPrinter::unary(NodeId id, const Expr& e) {
    NodeId operand = tree_.child(e.children, 0);
    switch (e.op->kind) {
    case OperatorClass::kNot:
        return {L"!" + bound(truth(operand), kScriptPrefix), kScriptPrefix};
    case OperatorClass::kComplement:
        return inFloats(id, atom(std::wstring(e.op->exactCall) + L"(" + whole(operand) + L")"));
    default: {
        Piece p = number(operand);
        if (integers(operand, operand) && tree_.exprs[operand].kind != ExprKind::kNumber)
            return atom(std::wstring(e.op->exactCall) + L"(" + p.text + L")");
        // "- -1" keeps its brackets: "--1" would be a decrement.
        bool sign = !p.text.empty() && (p.text[0] == L'-' || p.text[0] == L'+');
        return {L"-" + (sign ? L"(" + p.text + L")" : bound(p, kScriptPrefix)), kScriptPrefix};
    }
    }
}

// A condition's piece: truths as they are, numbers by their truth.
Piece ExpressionPrinter::truth(NodeId id) {
    return expr(id);
}

// The left operand is written first, so that what is reported about a line comes in the
// order it is read.
Piece ExpressionPrinter::binary(NodeId id, const Expr& e) {
    const OperatorRow& row = *e.op;
    NodeId left = tree_.child(e.children, 0);
    NodeId right = tree_.child(e.children, 1);
    switch (row.kind) {
    case OperatorClass::kBitwise:
    case OperatorClass::kShift: {
        std::wstring l = whole(left);
        std::wstring r = whole(right);
        return inFloats(id, atom(std::wstring(row.exactCall) + L"(" + l + L"," + r + L")"));
    }
    case OperatorClass::kLogical: {
        Piece l = truth(left);
        Piece r = truth(right);
        if (row.spelling == L"xor")
            return {L"!" + bound(l, kScriptPrefix) + L"!==!" + bound(r, kScriptPrefix),
                    row.scriptPrecedence};
        return infix(row, l, r);
    }
    default:
        break;
    }
    Piece l = number(left);
    Piece r = number(right);
    if (row.typing == Typing::kSum) {
        joined(left, right, l);
        joined(right, left, r);
    }
    if (integers(left, right) && row.fold != nullptr)
        if (std::optional<std::wstring> v = folded(row, l.text, r.text)) return atom(*v);
    bool exact = row.kind == OperatorClass::kRemainder ||
                 (row.kind == OperatorClass::kDivision && !floats_) ||
                 (!row.exactCall.empty() && integers(left, right));
    if (exact) return atom(std::wstring(row.exactCall) + L"(" + l.text + L"," + r.text + L")");
    return infix(row, l, r);
}

// Two integers the script has as digits ("(32 + 8) * 2") are computed here, wrapping as the
// dialect does, so that the page does not call the checked forms on them; nullopt where
// either is no plain integer or the value is none (a zero divisor).
std::optional<std::wstring> ExpressionPrinter::folded(const OperatorRow& row,
                                                      const std::wstring& left,
                                                      const std::wstring& right) {
    auto integer = [](const std::wstring& text) -> std::optional<long long> {
        wchar_t* end = nullptr;
        long long v = std::wcstoll(text.c_str(), &end, 10);
        if (text.empty() || *end != L'\0') return std::nullopt;
        return v;
    };
    std::optional<long long> a = integer(left);
    std::optional<long long> b = integer(right);
    if (!a || !b) return std::nullopt;
    std::optional<ConstantValue> v = row.fold(integerValue(*a), integerValue(*b));
    if (!v || v->kind != ConstantValue::Kind::kInteger) return std::nullopt;
    return scriptInteger(std::to_wstring(v->integer));
}

// A number joined to a string is written as the dialect writes it.
void ExpressionPrinter::joined(NodeId id, NodeId other, Piece& p) {
    if (types_[other].kind == ValueKind::kString) p = asText(id, std::move(p));
}

std::wstring ExpressionPrinter::text(NodeId id) {
    return asText(id, value(id, false)).text;
}

// A float with at most ten decimals, a wide integer with all its digits: the script's own
// text of a number shows up to seventeen digits and rounds integers beyond 2^53. Strings,
// truths and literal integers are their own text.
Piece ExpressionPrinter::asText(NodeId id, Piece p) {
    ValueKind kind = types_[id].kind;
    if (kind != ValueKind::kInteger && kind != ValueKind::kFloat) return p;
    const Expr& e = tree_.exprs[id];
    if (e.kind == ExprKind::kNumber && kind == ValueKind::kInteger &&
        literalFitsWidth(p.text, L'i'))
        return p;
    return atom(L"QLCX_NumberText(" + p.text + L")");
}

// Both operands around the script's operator; the right one also in brackets at the same
// binding, since the script groups from the left.
Piece ExpressionPrinter::infix(const OperatorRow& row, const Piece& left, const Piece& right) {
    std::wstring r = bound(right, row.scriptPrecedence + 1);
    // "a - -1" keeps apart what "a--1" would join.
    bool clash =
        !r.empty() && (r[0] == L'-' || r[0] == L'+') && (row.script == L"-" || row.script == L"+");
    return {bound(left, row.scriptPrecedence) + std::wstring(row.script) + (clash ? L" " : L"") + r,
            row.scriptPrecedence};
}

std::wstring ExpressionPrinter::variableName(NodeId id) const {
    const Variable* v = typed_.variableOf(id);
    return v != nullptr ? v->scriptName : std::wstring(tree_.exprs[id].text);
}

// However often a line calls it, a missing function is reported once there.
void ExpressionPrinter::missingFunction(std::wstring_view name) {
    if (line_ != missingLine_) {
        missingLine_ = line_;
        missingOnLine_.clear();
    }
    std::wstring lower = toLower(name);
    if (std::find(missingOnLine_.begin(), missingOnLine_.end(), lower) != missingOnLine_.end())
        return;
    missingOnLine_.push_back(std::move(lower));
    diag_.error(message::functionNotFound(line_, name));
}

bool ExpressionPrinter::namesContainerToo(std::wstring_view name) {
    if (!containerNamesKnown_) {
        for (const Container& c : typed_.containers) containerNames_.insert(c.scriptName);
        containerNamesKnown_ = true;
    }
    if (containerNames_.empty()) return false;
    return containerNames_.count(SymbolTable::containerName(toLower(name))) != 0;
}

void ExpressionPrinter::sharedName(std::wstring_view name) {
    if (sharedNameLine_ == line_) return;
    sharedNameLine_ = line_;
    diag_.error(message::notSupported(line_, L"procedure and array, list or map of one name: " +
                                                 std::wstring(name)));
}

bool ExpressionPrinter::throughPointer(NodeId id, std::optional<HeapField>* heap) {
    NodeId at = id;
    bool through = false;
    while (tree_.exprs[at].kind == ExprKind::kField || tree_.exprs[at].kind == ExprKind::kIndex) {
        NodeId base = tree_.child(tree_.exprs[at].children, 0);
        const Expr& b = tree_.exprs[base];
        const Field* f = b.kind == ExprKind::kField ? typed_.fields[base] : nullptr;
        if (b.kind == ExprKind::kPointer || (f != nullptr && f->shape == Field::Shape::kPointer) ||
            heapVariable(base) != nullptr || sharedValue(base))
            through = true;
        at = base;
    }
    if (!through) return false;
    std::optional<HeapField> found = heapField(id);
    if (heap != nullptr) *heap = std::move(found);
    return true;
}

void ExpressionPrinter::refuseHeapField(std::wstring_view what) {
    if (heapRefusedLine_ == line_) return;
    heapRefusedLine_ = line_;
    diag_.error(message::notSupported(line_, what));
}

// Where the fields of `base` start in the heap, and the structure found there.
bool ExpressionPrinter::heapBase(NodeId base, std::wstring& address, std::wstring& structure) {
    const Expr& b = tree_.exprs[base];
    if (const Variable* v = heapVariable(base);
        v != nullptr && v->type.kind == ValueKind::kStructure) {
        address = v->scriptName;
        structure = typed_.structures[static_cast<size_t>(v->type.structure)].scriptName;
        return true;
    }
    if (b.kind == ExprKind::kPointer) {
        const Variable* v = typed_.variableOf(base);
        if (v == nullptr || v->pointee.empty()) {
            refuseHeapField(L"a field through the pointer *" + std::wstring(b.text) +
                            L", which has no structure");
            return false;
        }
        address = v->scriptName;
        structure = v->pointee;
        return true;
    }
    // A pointer field of a structure the script holds: its value is the address.
    const Field* f = b.kind == ExprKind::kField ? typed_.fields[base] : nullptr;
    if (f != nullptr && f->shape == Field::Shape::kPointer && !throughPointer(base)) {
        if (f->type.kind != ValueKind::kStructure) {
            refuseHeapField(L"a field through the pointer field *" + std::wstring(b.text));
            return false;
        }
        address = expr(base).text;
        structure = typed_.structures[static_cast<size_t>(f->type.structure)].scriptName;
        return true;
    }
    // A value of a structure that shares places, where the script holds it: its block.
    if (sharedValue(base) && !throughPointer(base)) {
        address = bound(expr(base), kScriptAtom);
        structure = typed_.structures[static_cast<size_t>(types_[base].structure)].scriptName;
        return true;
    }
    std::optional<HeapField> inner = heapField(base);
    if (!inner) return false;
    const std::wstring& type = inner->field->type;
    if (type.starts_with(L"*")) {
        // A pointer field in the heap: the address it holds.
        address = L"PeekI(" + inner->address + L")";
        structure = type.substr(1);
    } else {
        address = inner->address;
        structure = type;
    }
    return true;
}

std::optional<ExpressionPrinter::HeapField> ExpressionPrinter::heapField(NodeId id) {
    const Expr& e = tree_.exprs[id];
    if (e.kind == ExprKind::kIndex) {
        // "*p\cells[i]": the element of a static array field.
        std::optional<HeapField> array = heapField(tree_.child(e.children, 0));
        if (!array) return std::nullopt;
        std::wstring index =
            stored(tree_.child(e.children, 1), ValueType{ValueKind::kInteger, L'i'});
        array->address += L"+(" + index + L")*" + std::to_wstring(array->field->size);
        return array;
    }
    if (e.kind != ExprKind::kField || typed_.layouts == nullptr) return std::nullopt;
    std::wstring address, structure;
    if (!heapBase(tree_.child(e.children, 0), address, structure)) return std::nullopt;
    const FieldLayout* f = typed_.layouts->field(structure, e.text);
    if (f == nullptr) {
        refuseHeapField(L"field " + std::wstring(e.text) + L" of " + structure +
                        L" through a pointer");
        return std::nullopt;
    }
    HeapField h;
    h.address = f->offset == 0 ? address : address + L"+" + std::to_wstring(f->offset);
    h.field = f;
    return h;
}

namespace {

// The Peek and Poke of a field type: "L" for a long; empty for what they cannot carry.
std::wstring_view heapWidth(const std::wstring& type) {
    if (type.starts_with(L"*")) return L"I";
    static constexpr std::wstring_view kLetters = L"bawucliqfd";
    static constexpr std::wstring_view kWidths[] = {L"B", L"A", L"W", L"U", L"C",
                                                    L"L", L"I", L"Q", L"F", L"D"};
    if (type.size() != 1) return {};
    size_t at = kLetters.find(type[0]);
    return at == std::wstring_view::npos ? std::wstring_view() : kWidths[at];
}

} // namespace

namespace {

// The typed view of the heap a field type reads in place, with the bytes of one element
// ("QLCX_MemLongs", 4); none for the 64-bit integers, whose values may be wide (see below).
struct HeapView {
    std::wstring_view view;
    int bytes = 0;
};

HeapView heapView(const std::wstring& type) {
    if (type.size() != 1) return {};
    switch (type[0]) {
    case L'a':
        return {L"QLCX_MemBytes", 1};
    case L'b':
        return {L"QLCX_MemSigned", 1};
    case L'w':
        return {L"QLCX_MemWords", 2};
    case L'u':
    case L'c':
        return {L"QLCX_MemChars", 2};
    case L'l':
        return {L"QLCX_MemLongs", 4};
    case L'f':
        return {L"QLCX_MemFloats", 4};
    case L'd':
        return {L"QLCX_MemDoubles", 8};
    default:
        return {};
    }
}

// "QLCX_MemAt" holds the address while the access tests it: an element of the typed view
// where the address lies, aligned, in the block the heap checked last, else the Peek or Poke,
// which checks it and faults on an address outside every block.
std::wstring inBlock(const HeapView& v) {
    std::wstring aligned =
        v.bytes > 1 ? L"(QLCX_MemAt&" + std::to_wstring(v.bytes - 1) + L")==0&&" : L"";
    return aligned + L"QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+" + std::to_wstring(v.bytes) +
           L"<=QLCX_MemHitEnd";
}

// The 64-bit integers and the pointers: 8 bytes, read and written in place as two longs
// where the value fits the low one (the high one is its sign), else by Peek and Poke, which
// handle the wide values too.
bool isWideInteger(const std::wstring& type) {
    return type == L"i" || type == L"q" || type.starts_with(L"*");
}

// Whether the 8 bytes at the address in `at` are two aligned longs of the block found last.
std::wstring wideInBlock(std::wstring_view at) {
    std::wstring a(at);
    return L"(" + a + L"&3)==0&&" + a + L">=QLCX_MemHitStart&&" + a + L"+8<=QLCX_MemHitEnd";
}

std::wstring heapElement(const HeapView& v) {
    static constexpr std::wstring_view kShifts[] = {L"", L"", L">>1", L"",   L">>2",
                                                    L"", L"", L"",    L">>3"};
    return std::wstring(v.view) + L"[QLCX_MemAt" + std::wstring(kShifts[v.bytes]) + L"]";
}

} // namespace

std::wstring ExpressionPrinter::typedRead(std::wstring_view width, const std::wstring& type,
                                          const std::wstring& address) {
    std::wstring peek = L"Peek" + std::wstring(width);
    if (isWideInteger(type))
        return L"(QLCX_MemAt=" + address + L"," + wideInBlock(L"QLCX_MemAt") +
               L"&&QLCX_MemLongs[(QLCX_MemAt>>2)+1]==QLCX_MemLongs[QLCX_MemAt>>2]>>31?"
               L"QLCX_MemLongs[QLCX_MemAt>>2]:" +
               peek + L"(QLCX_MemAt))";
    HeapView v = heapView(type);
    if (v.view.empty()) return peek + L"(" + address + L")";
    return L"(QLCX_MemAt=" + address + L"," + inBlock(v) + L"?" + heapElement(v) + L":" + peek +
           L"(QLCX_MemAt))";
}

std::wstring ExpressionPrinter::typedWrite(std::wstring_view width, const std::wstring& type,
                                           const std::wstring& address, NodeId value,
                                           ValueType stored) {
    std::wstring poke = L"Poke" + std::wstring(width);
    std::wstring text = this->stored(value, stored);
    HeapView v = heapView(type);
    // A call in the value may grow the heap, which renews its views: the element named
    // before the call would be one of the old heap.
    if (mayCall(value) || (v.view.empty() && !isWideInteger(type)))
        return poke + L"(" + address + L"," + text + L")";
    // The address and the value wait in globals of their own, so a heap read in the value,
    // which moves QLCX_MemAt, changes neither.
    if (isWideInteger(type))
        return L"QLCX_MemWide=" + address + L";QLCX_MemValue=" + text + L";if(" +
               wideInBlock(L"QLCX_MemWide") +
               L"&&QLCX_MemValue<=2147483647&&QLCX_MemValue>=-2147483648){"
               L"QLCX_MemLongs[QLCX_MemWide>>2]=QLCX_MemValue;"
               L"QLCX_MemLongs[(QLCX_MemWide>>2)+1]=QLCX_MemValue>>31;}else{" +
               poke + L"(QLCX_MemWide,QLCX_MemValue);}";
    // The element is named before the value is computed, so a heap read in the value, which
    // moves QLCX_MemAt, writes where it should.
    return L"QLCX_MemAt=" + address + L";if(" + inBlock(v) + L"){" + heapElement(v) + L"=" + text +
           L";}else{" + poke + L"(QLCX_MemAt," + text + L");}";
}

bool ExpressionPrinter::mayCall(NodeId id) const {
    const Expr& e = tree_.exprs[id];
    if ((e.kind == ExprKind::kCall && typed_.containerOf(id) == nullptr) ||
        e.kind == ExprKind::kInvoke || e.kind == ExprKind::kAddress)
        return true;
    for (std::uint32_t k = 0; k < e.children.count; ++k)
        if (mayCall(tree_.child(e.children, k))) return true;
    return false;
}

std::wstring ExpressionPrinter::heapRead(const HeapField& f) {
    std::wstring_view width = heapWidth(f.field->type);
    if (width.empty()) {
        refuseHeapField(L"field " + f.field->name + L" of this type through a pointer");
        return {};
    }
    return typedRead(width, f.field->type, f.address);
}

std::wstring ExpressionPrinter::heapWrite(const HeapField& f, NodeId value) {
    std::wstring_view width = heapWidth(f.field->type);
    if (width.empty()) {
        refuseHeapField(L"field " + f.field->name + L" of this type through a pointer");
        return {};
    }
    ValueType type = typeOfSuffix(L"." + f.field->type.substr(0, 1), L"");
    if (f.field->type.starts_with(L"*")) type = ValueType{ValueKind::kInteger, L'i'};
    return typedWrite(width, f.field->type, f.address, value, type);
}

void ExpressionPrinter::unsupported(std::wstring_view what) {
    diag_.error(message::notSupported(line_, what));
}

// "Point", "Point\y": the type or field a SizeOf or OffsetOf names, for its message.
std::wstring ExpressionPrinter::describeArgument(const Expr& call) const {
    const Expr& e = tree_.expr(call.children, 0);
    if (e.kind == ExprKind::kField && e.children.count > 0)
        return std::wstring(tree_.expr(e.children, 0).text) + L"\\" + std::wstring(e.text);
    return std::wstring(e.text) + std::wstring(e.suffix);
}

} // namespace qc
