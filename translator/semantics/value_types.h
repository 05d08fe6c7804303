#pragma once
// Names and types of a syntax tree: which variable every name means (the main program's, a
// global, a procedure's local, static or shared one), each variable's type, the procedures,
// and the type of every expression, from the operator table's typing rules and the commands'
// result types. The printer reads them to name things and to decide where "/" divides
// integers, where a float is rounded into an integer place and where a narrow integer wraps.
#include "common/diagnostics.h"
#include "common/text.h"
#include "translator/semantics/symbol_table.h"
#include "translator/semantics/undeclared_names.h"
#include "translator/source/syntax_tree.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace qc {

// kProcedure: a procedure variable of a Prototype, holding a procedure or 0.
enum class ValueKind : std::uint8_t {
    kUnknown,
    kInteger,
    kFloat,
    kString,
    kTruth,
    kStructure,
    kProcedure,
    kInterface // the address of an object whose first field points at its methods' table
};

struct ValueType {
    ValueKind kind = ValueKind::kUnknown;
    // Of an integer place: the type letter that decides how it wraps ('i', 'q', 'l', 'w',
    // 'b', 'a', 'u', 'c'). Of a float: 'f' for a single-precision place, 'd' for a double
    // place and for every computed float. Two bytes, so that the type of every expression of
    // a long program is eight.
    char16_t width = u'i';
    // Of a structure value: its index in TypedTree::structures; of a procedure variable, its
    // prototype's in TypedTree::prototypes; of an object, its interface's in
    // TypedTree::interfaces.
    int structure = -1;

    bool operator==(const ValueType&) const = default;
};

// A field of a structure as the page writes it: its name in lower case without "$".
struct Field {
    std::wstring scriptName;
    ValueType type;
    enum class Shape : std::uint8_t { kValue, kStaticArray, kList, kMap, kArray, kPointer };
    Shape shape = Shape::kValue;
    std::wstring size;          // of a static array: its element count as written
    std::wstring factory;       // of a container field: its elements' factory
    std::vector<NodeId> bounds; // of an Array field: its upper bounds
};

// An Interface: its methods in table order, the base's first, in lower case.
struct Interface {
    std::vector<std::wstring> methods;
    std::vector<ValueType> results;
};

struct Structure {
    std::wstring scriptName;   // lower case: "point" of "initpoint" and "structpoint"
    std::vector<Field> fields; // the base structure's first
    std::wstring written;      // its name as the program spells it, for messages
    int line = 0;              // of its head
    int unionLine = 0;         // of its first StructureUnion (or its base's), 0 for none
    // Its fields share places, in a union of its own or of a structure it holds in place:
    // each of its values is a block of the heap, and the script holds its address.
    bool shared = false;
};

// The type a suffix gives (".i", ".f", ".s{20}"), or a name ending in "$"; unknown for a
// structure type (TypedTree::typeOf knows those).
ValueType typeOfSuffix(std::wstring_view suffix, std::wstring_view name);

struct Variable {
    enum class Home : std::uint8_t { kMain, kGlobal, kLocal, kParameter, kStatic };
    Home home = Home::kMain;
    ValueType type;
    std::wstring scriptName;
    int procedure = -1;       // of a local, parameter or static one
    NodeId initial = kNoNode; // a Static's initial value
    std::wstring pointee;     // of a pointer "*p.Point": what it points at, lower case
    bool threaded = false;    // "Threaded": each task has one of its own
};

// An array, list or map: its script name, the factory of its elements and their type.
struct Container {
    ContainerKind kind = ContainerKind::kArray;
    std::wstring scriptName;
    std::wstring factory; // "initint", "initfloat", "initstring", "init<structure>"
    ValueType element;
    int procedure = -1; // of a local or a parameter
    bool parameter = false;
    bool statik = false;   // "Static Dim": made once, kept from call to call
    bool global = false;   // "Global Dim": every procedure sees it, and its Dim means it
    bool threaded = false; // "Threaded Dim": each task has one of its own
};

struct Procedure {
    std::wstring_view name; // as declared
    std::wstring scriptName;
    ValueType result;
    NodeId statement = kNoNode;
    std::vector<int> locals;     // variable ids of its locals and statics, parameters first
    std::vector<int> containers; // its own arrays, lists and maps, parameters among them
    std::vector<int> parameters; // in order: the variable id, -1 for a container
};

// The field each "\field" expression reaches, by expression id, null for any other: only a few
// expressions are fields, so only theirs are kept.
class FieldsByExpr {
public:
    const Field* operator[](NodeId id) const {
        auto it = fields_.find(id);
        return it == fields_.end() ? nullptr : it->second;
    }
    void set(NodeId id, const Field* field) {
        if (field != nullptr) fields_[id] = field;
    }

private:
    std::unordered_map<NodeId, const Field*> fields_;
};

struct TypedTree {
    std::vector<ValueType> types;        // by expression id
    std::vector<std::int32_t> variable;  // by expression id: the variable a name means, or -1
    std::vector<std::int32_t> callee;    // by expression id: the procedure a call calls, or -1
    std::vector<std::int32_t> container; // by expression id: the array a bracketed name is
    FieldsByExpr fields;
    std::vector<Container> containers;
    std::vector<Variable> variables;
    std::vector<Procedure> procedures;

    std::vector<Structure> structures;
    // By name, in any letter case.
    std::unordered_map<std::wstring, int, NoCaseHash, NoCaseEqual> procedureIds;
    std::unordered_map<std::wstring, int> structureIds; // by lower-case name
    std::vector<ValueType> prototypes;                  // the result type of each
    std::unordered_map<std::wstring, int> prototypeIds; // by lower-case name
    std::vector<Interface> interfaces;
    std::unordered_map<std::wstring, int> interfaceIds; // by lower-case name
    // A method call "obj\Area()": the method's place in the table, by expression id.
    std::unordered_map<NodeId, int> methodSlots;
    // A call statement through a procedure variable ("f(1, 2)"): the variable, by statement.
    std::unordered_map<NodeId, int> calledVariables;
    SymbolTable symbols; // the constants, and the labels of each scope, among them
    const StructureLayouts* layouts = nullptr; // for SizeOf, OffsetOf and the heap
    // The functions of Import blocks (lower case): the block was refused, their calls are not.
    std::unordered_set<std::wstring> imported;

    // A suffix's type, structures included.
    ValueType typeOf(std::wstring_view suffix, std::wstring_view name) const;
    // The empty value of a type: 0, 0.0, "", or a fresh structure.
    std::wstring emptyValue(ValueType type) const;

    const Variable* variableOf(NodeId expr) const;
    const Procedure* procedureNamed(std::wstring_view name) const;
    const Container* containerOf(NodeId expr) const;
    // The value of a constant of the program the expression names, where it is known; null
    // for a built-in one or one not (yet) defined.
    const ConstantValue* programConstant(const Expr& e) const {
        return symbols.constant(e.text, e.at.line);
    }
};

// A variable keeps the type of its first use or declaration, as in the dialect: "n.f = 1"
// makes every later "n" a float; a name met without a suffix is an integer (a "$" name a
// string). Inside a procedure a name is its parameter, a Protected, Static or Shared name of
// it, a global, or else a local of its own; the main program's other variables are not seen.
// With `undeclared`, every declaration and use of a variable is also told to it, which
// decides under EnableExplicit. Reports, where `diag` is given, a structure named like a basic
// type ("reserved structure name") and an array, list or map of a structure not declared above
// it ("unknow typ"), whose elements are then integers.
// `facts` are the constants and structure layouts the language pass found.
TypedTree typeTree(const SyntaxTree& tree, UndeclaredNames* undeclared = nullptr,
                   Diagnostics* diag = nullptr, const ProgramFacts* facts = nullptr);

} // namespace qc
