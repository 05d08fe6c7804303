#include "translator/semantics/value_types.h"

#include "common/text.h"
#include "tables/command_types.h"
#include "tables/constant_table.h"
#include "translator/semantics/symbol_table.h"
#include "translator/source/constant_folder.h"
#include "translator/source/structure_layouts.h"
#include "vocabulary/statement_list.h"

namespace qc {

ValueType typeOfSuffix(std::wstring_view suffix, std::wstring_view name) {
    if (suffix.empty()) {
        bool text = !name.empty() && name.back() == L'$';
        return text ? ValueType{ValueKind::kString, L's'} : ValueType{ValueKind::kInteger, L'i'};
    }
    std::wstring letter = toLower(suffix.substr(1, suffix.find(L'{') - 1));
    if (letter == L"s") return {ValueKind::kString, L's'};
    // The letters are ASCII: the width's two bytes hold them.
    if (letter == L"f" || letter == L"d")
        return {ValueKind::kFloat, static_cast<char16_t>(letter[0])};
    if (letter.size() == 1 && std::wstring_view(L"iqlwbauc").find(letter[0]) != std::wstring::npos)
        return {ValueKind::kInteger, static_cast<char16_t>(letter[0])};
    return {};
}

const Variable* TypedTree::variableOf(NodeId expr) const {
    std::int32_t v = variable[expr];
    return v < 0 ? nullptr : &variables[static_cast<size_t>(v)];
}

ValueType TypedTree::typeOf(std::wstring_view suffix, std::wstring_view name) const {
    ValueType t = typeOfSuffix(suffix, name);
    if (t.kind != ValueKind::kUnknown || suffix.size() < 2) return t;
    auto it = structureIds.find(toLower(suffix.substr(1)));
    if (it != structureIds.end()) return {ValueKind::kStructure, L'i', it->second};
    auto prototype = prototypeIds.find(toLower(suffix.substr(1)));
    if (prototype != prototypeIds.end()) return {ValueKind::kProcedure, L'i', prototype->second};
    auto object = interfaceIds.find(toLower(suffix.substr(1)));
    if (object != interfaceIds.end()) return {ValueKind::kInterface, L'i', object->second};
    return t;
}

std::wstring TypedTree::emptyValue(ValueType t) const {
    switch (t.kind) {
    case ValueKind::kString:
        return L"\"\"";
    case ValueKind::kFloat:
        return L"0.0";
    case ValueKind::kStructure:
        return L"init" + structures[static_cast<size_t>(t.structure)].scriptName + L"()";
    default:
        return L"0";
    }
}

const Container* TypedTree::containerOf(NodeId expr) const {
    std::int32_t c = container[expr];
    return c < 0 ? nullptr : &containers[static_cast<size_t>(c)];
}

const Procedure* TypedTree::procedureNamed(std::wstring_view name) const {
    auto it = procedureIds.find(name);
    return it == procedureIds.end() ? nullptr : &procedures[static_cast<size_t>(it->second)];
}

namespace {

constexpr ValueType kInteger{ValueKind::kInteger, L'i'};
// Floats are computed in double precision; only a ".f" place holds single precision.
constexpr ValueType kFloat{ValueKind::kFloat, L'd'};
constexpr ValueType kString{ValueKind::kString, L's'};
constexpr ValueType kTruth{ValueKind::kTruth, L'i'};

bool numeric(ValueType t) {
    return t.kind == ValueKind::kInteger || t.kind == ValueKind::kTruth;
}

ValueType combined(Typing typing, ValueType a, ValueType b) {
    switch (typing) {
    case Typing::kTruth:
        return kTruth;
    case Typing::kWhole:
        return kInteger;
    case Typing::kOperand:
        return a.kind == ValueKind::kTruth ? kInteger : a;
    default:
        break;
    }
    if (typing == Typing::kSum && (a.kind == ValueKind::kString || b.kind == ValueKind::kString))
        return kString;
    if (a.kind == ValueKind::kFloat || b.kind == ValueKind::kFloat) return kFloat;
    if (numeric(a) && numeric(b)) return kInteger;
    return {};
}

// A Threaded variable is seen everywhere, as a Global is; each task has its own value of it,
// which the runtime puts in place when the task has its turn.
bool isGlobalWord(std::wstring_view lowerKeyword) {
    return lowerKeyword == L"global" || lowerKeyword == L"threaded";
}

class Typer {
public:
    Typer(const SyntaxTree& tree, UndeclaredNames* undeclared, Diagnostics* diag,
          const ProgramFacts* facts)
        : tree_(tree), undeclared_(undeclared), diag_(diag) {
        if (facts != nullptr) {
            out_.symbols.setConstants(facts->constants);
            out_.layouts = &facts->layouts;
        }
        out_.types.resize(tree.exprs.size());
        out_.variable.assign(tree.exprs.size(), -1);
        out_.callee.assign(tree.exprs.size(), -1);
        out_.container.assign(tree.exprs.size(), -1);
    }

    TypedTree run() {
        collectPrototypes(tree_.program);
        collectInterfaces(tree_.program);
        collectStructures(tree_.program);
        collectProcedures(tree_.program);
        collectContainers(tree_.program, -1);
        statements(tree_.program);
        // A procedure spelled as a variable of the program is written under a private name:
        // the variables are known only now.
        for (const Variable& v : out_.variables) out_.symbols.useVariable(v.scriptName);
        for (Procedure& p : out_.procedures)
            if (out_.symbols.procedureNeedsPrivateName(std::wstring(p.name)))
                p.scriptName = L"QLCXp_" + std::wstring(p.name);
        return std::move(out_);
    }

private:
    // ---- prototypes, known before any structure field or variable takes one as its type

    void collectPrototypes(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            if (s.kind != StmtKind::kPrototype || s.name.empty()) continue;
            std::wstring key = toLower(s.name);
            if (out_.prototypeIds.count(key) != 0) continue;
            out_.prototypeIds[key] = static_cast<int>(out_.prototypes.size());
            out_.prototypes.push_back(typeOfSuffix(s.suffix, s.name));
        }
    }

    // ---- interfaces: each names its methods' places in an object's table; an extended one
    // has its base's first, so an object of it is also one of its base

    void collectInterfaces(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            if (s.kind != StmtKind::kInterface || s.name.empty()) continue;
            std::wstring key = toLower(s.name);
            if (out_.interfaceIds.count(key) != 0) {
                report(message::atLine(s.at.line,
                                       L"interface declared twice: " + std::wstring(s.name)));
                continue;
            }
            Interface shape;
            if (!s.suffix.empty()) {
                auto base = out_.interfaceIds.find(toLower(s.suffix));
                if (base == out_.interfaceIds.end()) {
                    report(message::unknownType(s.at.line, s.at.column, s.suffix));
                } else {
                    shape = out_.interfaces[static_cast<size_t>(base->second)];
                }
            }
            for (std::uint32_t k = 0; k < s.body.count; ++k) {
                const Stmt& m = tree_.stmts[tree_.child(s.body, k)];
                if (m.kind != StmtKind::kMethod) continue;
                shape.methods.push_back(toLower(m.name));
                shape.results.push_back(out_.typeOf(m.suffix, m.name));
            }
            out_.interfaceIds[key] = static_cast<int>(out_.interfaces.size());
            out_.interfaces.push_back(std::move(shape));
        }
    }

    // "obj\Area(x)" of an object: the method's result, its place noted for the printer.
    ValueType methodCall(NodeId id, const Expr& e, ValueType object) {
        for (std::uint32_t k = 1; k < e.children.count; ++k) expr(tree_.child(e.children, k));
        const Interface& shape = out_.interfaces[static_cast<size_t>(object.structure)];
        std::wstring key = toLower(e.text);
        if (!key.empty() && key.back() == L'$') key.pop_back();
        for (size_t slot = 0; slot < shape.methods.size(); ++slot) {
            if (shape.methods[slot] != key) continue;
            out_.methodSlots[id] = static_cast<int>(slot);
            return shape.results[slot];
        }
        report(message::atLine(e.at.line, L"method not found: " + std::wstring(e.text)));
        return {};
    }

    // ---- structures, known before their first use: a field may name one declared later

    void collectStructures(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            if (s.kind != StmtKind::kStructure) continue;
            std::wstring key = toLower(s.name);
            if (isReservedStructure(key)) {
                std::wstring head(s.name);
                if (!s.suffix.empty()) head += L" Extends " + std::wstring(s.suffix);
                report(message::reservedName(s.at.line, L"structure", head));
                continue;
            }
            if (out_.structureIds.count(key) != 0) continue;
            structureLines_[key] = s.at.line;
            out_.structureIds[key] = static_cast<int>(out_.structures.size());
            Structure st;
            st.scriptName = key;
            st.line = s.at.line;
            st.written = std::wstring(s.name);
            out_.structures.push_back(std::move(st));
            out_.symbols.declareStructure(key);
        }
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            if (s.kind == StmtKind::kStructure && !isReservedStructure(toLower(s.name))) fields(s);
        }
        markShared();
    }

    // The page's own factories of the basic types are "initint", "initfloat", "initstring":
    // a structure of one of these names would replace one.
    static bool isReservedStructure(const std::wstring& key) {
        return key == L"int" || key == L"float" || key == L"string";
    }

    // The dialect reads a program from the top: an array, list or map of a structure that
    // is not declared above it is reported where it is named ("NewList l.Later()") and holds
    // integers, so that its uses still run.
    bool elementKnown(const Expr& e) {
        if (e.suffix.size() < 2 || typeOfSuffix(e.suffix, e.text).kind != ValueKind::kUnknown)
            return true;
        if (out_.prototypeIds.count(toLower(e.suffix.substr(1))) != 0 ||
            out_.interfaceIds.count(toLower(e.suffix.substr(1))) != 0)
            return true;
        auto it = structureLines_.find(toLower(e.suffix.substr(1)));
        if (it != structureLines_.end() && it->second <= e.at.line) return true;
        report(message::unknownType(e.at.line, e.at.column,
                                    std::wstring(e.text) + std::wstring(e.suffix)));
        return false;
    }

    void report(Diagnostic record) {
        if (diag_ != nullptr) diag_->error(std::move(record));
    }

    void fields(const Stmt& s) {
        Structure& st = out_.structures[static_cast<size_t>(out_.structureIds[toLower(s.name)])];
        if (!st.fields.empty()) return;
        if (!s.suffix.empty()) {
            auto base = out_.structureIds.find(toLower(s.suffix));
            if (base != out_.structureIds.end()) {
                const Stmt* baseStmt = structureStatement(s.suffix);
                if (baseStmt != nullptr) fields(*baseStmt);
                std::vector<Field> inherited =
                    out_.structures[static_cast<size_t>(base->second)].fields;
                st.unionLine = out_.structures[static_cast<size_t>(base->second)].unionLine;
                st.fields.insert(st.fields.begin(), inherited.begin(), inherited.end());
            }
        }
        for (std::uint32_t k = 0; k < s.body.count; ++k) {
            const Stmt& item = tree_.stmts[tree_.child(s.body, k)];
            if (item.kind == StmtKind::kUnion) {
                if (st.unionLine == 0) st.unionLine = item.at.line;
                for (std::uint32_t u = 0; u < item.body.count; ++u) {
                    const Stmt& inside = tree_.stmts[tree_.child(item.body, u)];
                    if (inside.kind == StmtKind::kVariable && inside.exprs.count > 0)
                        st.fields.push_back(field(inside));
                }
            }
            if (item.kind != StmtKind::kVariable || item.exprs.count == 0) continue;
            st.fields.push_back(field(item));
        }
    }

    // A structure with a union, or holding one in place (a field, a static array field, a
    // base), shares places: it has to live in the heap.
    void markShared() {
        for (Structure& st : out_.structures) st.shared = st.unionLine != 0;
        for (bool changed = true; changed;) {
            changed = false;
            for (Structure& st : out_.structures) {
                if (st.shared) continue;
                for (const Field& f : st.fields) {
                    bool inPlace =
                        f.shape == Field::Shape::kValue || f.shape == Field::Shape::kStaticArray;
                    if (inPlace && f.type.kind == ValueKind::kStructure && f.type.structure >= 0 &&
                        out_.structures[static_cast<size_t>(f.type.structure)].shared) {
                        st.shared = changed = true;
                        break;
                    }
                }
            }
        }
    }

    const Stmt* structureStatement(std::wstring_view name) const {
        for (const Stmt& s : tree_.stmts)
            if (s.kind == StmtKind::kStructure && equalsIgnoreCase(s.name, name)) return &s;
        return nullptr;
    }

    // The element count of a static array field, "[10]" or "[#Cells * 2]", as the script
    // writes it; 1 after a message where it is no constant.
    std::wstring elementCount(NodeId id, int line) {
        std::wstring unknown;
        auto lookup = [this, line](const std::wstring& name) -> std::optional<ConstantValue> {
            const ConstantValue* v = out_.symbols.constant(name, line);
            return v != nullptr ? std::optional<ConstantValue>(*v) : std::nullopt;
        };
        ConstantCall layout = [this](const SyntaxTree& tree, const Expr& call) {
            return out_.layouts != nullptr ? out_.layouts->callValue(tree, call) : std::nullopt;
        };
        std::optional<ConstantValue> n = evaluateConstant(tree_, id, lookup, &unknown, layout);
        if (n && n->kind == ConstantValue::Kind::kInteger) return std::to_wstring(n->integer);
        if (!unknown.empty())
            report(message::constNotFound(line, unknown));
        else
            report(message::notSupported(line, L"static array size"));
        return L"1";
    }

    // "x.i", "name$", "cells.i[10]", "pos.Point", "*next.Node", "List items.s()".
    Field field(const Stmt& item) {
        Field f;
        const Expr* e = &tree_.exprs[tree_.child(item.exprs, 0)];
        if (e->kind == ExprKind::kIndex) {
            f.shape = Field::Shape::kStaticArray;
            f.size = elementCount(tree_.child(e->children, 1), item.at.line);
            e = &tree_.exprs[tree_.child(e->children, 0)];
        }
        if (e->kind == ExprKind::kPointer) f.shape = Field::Shape::kPointer;
        if (equalsIgnoreCase(item.name, L"list")) f.shape = Field::Shape::kList;
        if (equalsIgnoreCase(item.name, L"map")) f.shape = Field::Shape::kMap;
        if (equalsIgnoreCase(item.name, L"array")) {
            f.shape = Field::Shape::kArray;
            for (std::uint32_t k = 0; k < e->children.count; ++k) {
                NodeId bound = tree_.child(e->children, k);
                expr(bound);
                f.bounds.push_back(bound);
            }
        }
        f.scriptName = toLower(e->text);
        if (!f.scriptName.empty() && f.scriptName.back() == L'$') f.scriptName.pop_back();
        f.type = out_.typeOf(e->suffix, e->text);
        f.factory = f.type.kind == ValueKind::kString      ? L"initstring"
                    : f.type.kind == ValueKind::kFloat     ? L"initfloat"
                    : f.type.kind == ValueKind::kStructure ? out_.emptyValue(f.type)
                                                           : L"initint";
        if (f.type.kind == ValueKind::kStructure) f.factory.resize(f.factory.size() - 2);
        return f;
    }

    // ---- procedures, known before any call of them is met (Declare allows calls ahead)

    void collectProcedures(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            NodeId id = tree_.child(range, i);
            const Stmt& s = tree_.stmts[id];
            if (s.kind == StmtKind::kImport) imports(s);
            if (s.kind != StmtKind::kProcedure && s.kind != StmtKind::kDeclare) continue;
            if (s.name.empty()) continue; // a head that did not read: reported by the parser
            std::wstring key = toLower(s.name);
            auto [it, fresh] =
                out_.procedureIds.try_emplace(key, static_cast<int>(out_.procedures.size()));
            if (fresh) {
                Procedure p;
                p.name = s.name;
                p.scriptName = out_.symbols.procedureNeedsPrivateName(std::wstring(s.name))
                                   ? L"QLCXp_" + std::wstring(s.name)
                                   : std::wstring(s.name);
                p.result = typeOfSuffix(s.suffix, s.name);
                out_.procedures.push_back(std::move(p));
            }
            if (s.kind == StmtKind::kProcedure)
                out_.procedures[static_cast<size_t>(it->second)].statement = id;
        }
    }

    void imports(const Stmt& block) {
        for (std::uint32_t k = 0; k < block.body.count; ++k) {
            const Stmt& f = tree_.stmts[tree_.child(block.body, k)];
            if (!f.name.empty()) out_.imported.insert(toLower(f.name));
        }
    }

    // ---- arrays, known before names are given: a variable gives way to an array of its name

    void collectContainers(NodeRange range, int procedure, bool statik = false, bool global = false,
                           bool threaded = false) {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            int inside = procedure;
            if (s.kind == StmtKind::kProcedure) {
                // Procedures are collected from the program's own level only.
                auto known = out_.procedureIds.find(toLower(s.name));
                if (known == out_.procedureIds.end()) continue;
                inside = known->second;
                for (std::uint32_t k = 0; k < s.exprs.count; ++k) {
                    const Expr& p = tree_.exprs[tree_.child(s.exprs, k)];
                    if (!p.text.empty())
                        addContainer(tree_.exprs[tree_.child(p.children, 0)], kindOf(p.text),
                                     inside, true);
                }
            }
            bool declaresGlobal = s.kind == StmtKind::kDefine && isGlobalWord(toLower(s.name));
            bool makes = s.kind == StmtKind::kDim || s.kind == StmtKind::kNewList ||
                         s.kind == StmtKind::kNewMap;
            // A Dim in a procedure of a global array makes that one anew, no local of its own.
            if (makes && s.exprs.count > 0 &&
                tree_.exprs[tree_.child(s.exprs, 0)].kind != ExprKind::kField &&
                !(procedure >= 0 && isGlobalContainer(tree_.exprs[tree_.child(s.exprs, 0)].text)))
                addContainer(tree_.exprs[tree_.child(s.exprs, 0)],
                             s.kind == StmtKind::kDim       ? ContainerKind::kArray
                             : s.kind == StmtKind::kNewList ? ContainerKind::kList
                                                            : ContainerKind::kMap,
                             procedure, false, statik);
            if (makes && global && s.exprs.count > 0) {
                auto it =
                    programContainers_.find(toLower(tree_.exprs[tree_.child(s.exprs, 0)].text));
                if (it != programContainers_.end()) {
                    out_.containers[static_cast<size_t>(it->second)].global = true;
                    if (threaded) out_.containers[static_cast<size_t>(it->second)].threaded = true;
                }
            }
            bool statics = s.kind == StmtKind::kDefine && equalsIgnoreCase(s.name, L"static");
            collectContainers(s.body, declaresGlobal ? -1 : inside, statics && procedure >= 0,
                              declaresGlobal,
                              declaresGlobal && equalsIgnoreCase(s.name, L"threaded"));
            collectContainers(s.clauses, inside);
        }
    }

    bool isGlobalContainer(std::wstring_view name) const {
        auto it = programContainers_.find(toLower(name));
        return it != programContainers_.end() &&
               out_.containers[static_cast<size_t>(it->second)].global;
    }

    static ContainerKind kindOf(std::wstring_view keyword) {
        if (equalsIgnoreCase(keyword, L"list")) return ContainerKind::kList;
        if (equalsIgnoreCase(keyword, L"map")) return ContainerKind::kMap;
        return ContainerKind::kArray;
    }

    void addContainer(const Expr& e, ContainerKind kind, int procedure, bool parameter,
                      bool statik = false) {
        if (e.text.empty()) return; // a declaration that did not read: reported by the parser
        std::wstring key = toLower(e.text);
        auto& scope = procedure >= 0 ? procedureContainers_[procedure] : programContainers_;
        if (scope.count(key) != 0) return;
        Container c;
        c.kind = kind;
        c.scriptName = SymbolTable::containerName(key);
        c.element = out_.typeOf(e.suffix, e.text);
        c.procedure = procedure;
        c.parameter = parameter;
        c.statik = statik;
        std::wstring type = toLower(e.suffix.substr(e.suffix.empty() ? 0 : 1));
        if (!parameter && !elementKnown(e)) {
            c.element = {ValueKind::kInteger, L'i'};
            type = L"i";
        }
        c.factory =
            c.element.kind == ValueKind::kString  ? L"initstring"
            : c.element.kind == ValueKind::kFloat ? L"initfloat"
            : c.element.kind == ValueKind::kUnknown || c.element.kind == ValueKind::kStructure
                ? L"init" + type
                : L"initint";
        out_.symbols.declareContainer(c.scriptName, kind, type,
                                      procedure >= 0 ? toLower(procedureAt(procedure).name) : L"");
        // A static one lives at page level, under its procedure's name, as static variables do.
        if (statik)
            c.scriptName =
                L"static_" + std::wstring(procedureAt(procedure).name) + L"_" + c.scriptName;
        int index = static_cast<int>(out_.containers.size());
        out_.containers.push_back(std::move(c));
        scope[key] = index;
        if (procedure >= 0) procedureAt(procedure).containers.push_back(index);
    }

    int containerNamed(std::wstring_view name) const {
        std::wstring key = toLower(name);
        if (current_ >= 0) {
            auto own = procedureContainers_.find(current_);
            if (own != procedureContainers_.end())
                if (auto it = own->second.find(key); it != own->second.end()) return it->second;
        }
        auto it = programContainers_.find(key);
        return it == programContainers_.end() ? -1 : it->second;
    }

    // ---- statements

    void statements(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) statement(tree_.child(range, i));
    }

    void statement(NodeId id) {
        const Stmt& s = tree_.stmts[id];
        if (s.kind == StmtKind::kProcedure) return procedure(s);
        if (s.kind == StmtKind::kDeclare || s.kind == StmtKind::kStructure ||
            s.kind == StmtKind::kPrototype)
            return;
        if (s.kind == StmtKind::kCall) calledVariable(id, s);
        if (s.kind == StmtKind::kCall && s.exprs.count > 0 &&
            names(s, L"clearstructure", L"initializestructure", L"copystructure")) {
            // The last argument is a structure's name, no variable.
            for (std::uint32_t k = 0; k + 1 < s.exprs.count; ++k) expr(tree_.child(s.exprs, k));
            return;
        }
        if (s.kind == StmtKind::kLabel) return label(s);
        if (s.kind == StmtKind::kDataSection) {
            // Its labels are where Restore reads from, no place a Goto goes.
            for (std::uint32_t k = 0; k < s.body.count; ++k)
                if (tree_.stmts[tree_.child(s.body, k)].kind != StmtKind::kLabel)
                    statement(tree_.child(s.body, k));
            return;
        }
        if (s.kind == StmtKind::kDefine) return definition(s);
        if (s.kind == StmtKind::kDim || s.kind == StmtKind::kReDim ||
            s.kind == StmtKind::kNewList || s.kind == StmtKind::kNewMap)
            return dimension(s);
        for (std::uint32_t k = 0; k < s.exprs.count; ++k) expr(tree_.child(s.exprs, k));
        statements(s.body);
        statements(s.clauses);
    }

    void label(const Stmt& s) {
        std::wstring scope = current_ >= 0 ? toLower(procedureAt(current_).name) : L"";
        if (!out_.symbols.declareLabel(scope, toLower(s.name), s.at.line))
            report(message::atLine(s.at.line, L"label declared twice: " + std::wstring(s.name)));
    }

    static bool names(const Stmt& s, std::wstring_view a, std::wstring_view b,
                      std::wstring_view c) {
        return equalsIgnoreCase(s.name, a) || equalsIgnoreCase(s.name, b) ||
               equalsIgnoreCase(s.name, c);
    }

    // "f(1, 2)" as a statement, of a procedure variable f.
    void calledVariable(NodeId id, const Stmt& s) {
        if (out_.procedureIds.count(toLower(s.name)) != 0) return;
        int v = procedureVariable(s.name);
        if (v >= 0) out_.calledVariables[id] = v;
    }

    // The procedure variable a call's name means where it stands, -1 for none.
    int procedureVariable(std::wstring_view name) const {
        std::wstring key = toLower(name);
        const std::unordered_map<std::wstring, int>* scopes[] = {&scope_, &globals_, &main_};
        // A procedure sees its own names and the globals; the main program its own.
        int first = current_ >= 0 ? 0 : 2;
        int last = current_ >= 0 ? 2 : 3;
        for (int k = first; k < last; ++k) {
            auto it = scopes[k]->find(key);
            if (it == scopes[k]->end()) continue;
            const Variable& v = out_.variables[static_cast<size_t>(it->second)];
            return v.type.kind == ValueKind::kProcedure ? it->second : -1;
        }
        return -1;
    }

    // "Dim a.f(10, 2)": the array's own name, then the bounds as values.
    void dimension(const Stmt& s) {
        NodeId id = tree_.child(s.exprs, 0);
        const Expr& e = tree_.exprs[id];
        // "Dim b\items(10)": an Array field made anew; its bounds follow the structure value.
        if (e.kind == ExprKind::kField) {
            expr(id);
            return;
        }
        out_.container[id] = containerNamed(e.text);
        for (std::uint32_t k = 0; k < e.children.count; ++k) expr(tree_.child(e.children, k));
    }

    void procedure(const Stmt& s) {
        auto known = out_.procedureIds.find(toLower(s.name));
        if (known == out_.procedureIds.end()) return;
        current_ = known->second;
        scope_.clear();
        for (std::uint32_t k = 0; k < s.exprs.count; ++k) {
            const Expr& p = tree_.exprs[tree_.child(s.exprs, k)];
            NodeId name = tree_.child(p.children, 0);
            if (p.children.count > 1) expr(tree_.child(p.children, 1));
            if (!p.text.empty()) {
                out_.container[name] = containerNamed(tree_.exprs[name].text);
                procedureAt(current_).parameters.push_back(-1);
            } else {
                declare(name, Variable::Home::kParameter, {});
                declared(name, false);
                procedureAt(current_).parameters.push_back(out_.variable[name]);
            }
        }
        statements(s.body);
        current_ = -1;
        scope_.clear();
    }

    // Define, Global, Protected, Static, Shared: each name takes its home, its type (its own
    // suffix, else the keyword's), then its initial value is typed.
    void definition(const Stmt& s) {
        std::wstring keyword = toLower(s.name);
        for (std::uint32_t i = 0; i < s.body.count; ++i) {
            const Stmt& item = tree_.stmts[tree_.child(s.body, i)];
            if (item.kind != StmtKind::kVariable) {
                statement(tree_.child(s.body, i));
                continue;
            }
            NodeId name = tree_.child(item.exprs, 0);
            if (tree_.exprs[name].kind != ExprKind::kName &&
                tree_.exprs[name].kind != ExprKind::kPointer) {
                expr(name);
                continue;
            }
            NodeId initial = item.exprs.count > 1 ? tree_.child(item.exprs, 1) : kNoNode;
            if (initial != kNoNode) expr(initial);
            declared(name, isGlobalWord(keyword));
            if (keyword == L"shared") {
                share(name, s.suffix);
            } else {
                Variable::Home home = isGlobalWord(keyword)  ? Variable::Home::kGlobal
                                      : keyword == L"static" ? Variable::Home::kStatic
                                      : current_ >= 0        ? Variable::Home::kLocal
                                                             : Variable::Home::kMain;
                declare(name, home, s.suffix, initial);
                if (keyword == L"threaded" && out_.variable[name] >= 0)
                    out_.variables[static_cast<size_t>(out_.variable[name])].threaded = true;
            }
        }
    }

    // ---- names

    // A new variable for the name at `id`, in the home given; a name already declared in
    // that scope keeps its first type.
    // A pointer "*p" is a name of its own beside "p": an integer, an address of the page's
    // heap.
    std::wstring keyOf(const Expr& e) const {
        return (e.kind == ExprKind::kPointer ? L"*" : L"") + toLower(e.text);
    }

    void declare(NodeId id, Variable::Home home, std::wstring_view keywordSuffix,
                 NodeId initial = kNoNode) {
        const Expr& e = tree_.exprs[id];
        std::wstring key = keyOf(e);
        auto& scope = home == Variable::Home::kGlobal ? globals_ : current_ >= 0 ? scope_ : main_;
        auto found = scope.find(key);
        if (found != scope.end()) {
            bind(id, found->second);
            return;
        }
        Variable v;
        v.home = home;
        v.type = out_.typeOf(e.suffix.empty() ? keywordSuffix : e.suffix.view(), e.text);
        v.procedure = home == Variable::Home::kGlobal ? -1 : current_;
        v.initial = initial;
        std::wstring script = e.kind == ExprKind::kPointer ? L"qlcxptr_" + key.substr(1)
                                                           : out_.symbols.variableName(key);
        if (e.kind == ExprKind::kPointer) {
            std::wstring_view pointee = e.suffix.empty() ? keywordSuffix : e.suffix.view();
            if (pointee.size() > 1) v.pointee = toLower(pointee.substr(1));
            v.type = kInteger;
        }
        if (home == Variable::Home::kStatic && current_ >= 0)
            script = L"static_" + std::wstring(procedureAt(current_).name) + L"_" + script;
        v.scriptName = script;
        int index = static_cast<int>(out_.variables.size());
        out_.variables.push_back(std::move(v));
        scope[key] = index;
        if (home == Variable::Home::kGlobal) main_[key] = index;
        if (current_ >= 0 && home != Variable::Home::kGlobal)
            procedureAt(current_).locals.push_back(index);
        bind(id, index);
    }

    // "Shared x" inside a procedure: the main program's x.
    void share(NodeId id, std::wstring_view keywordSuffix) {
        std::wstring key = keyOf(tree_.exprs[id]);
        auto found = main_.find(key);
        if (found == main_.end()) {
            int saved = current_;
            current_ = -1;
            declare(id, Variable::Home::kMain, keywordSuffix);
            current_ = saved;
            found = main_.find(key);
        }
        scope_[key] = found->second;
        bind(id, found->second);
    }

    // EnableExplicit: a declaration by Define, Global, Protected, Static, Shared or as a
    // parameter, and every use, go to the record that decides by lines.
    void declared(NodeId id, bool global) {
        if (undeclared_ == nullptr || !undeclared_->active()) return;
        const Expr& e = tree_.exprs[id];
        undeclared_->declare(current_, toLower(e.text), e.at.line, global);
    }

    // A name used: what it means where it is used, declared on its first use.
    void use(NodeId id) {
        std::wstring key = keyOf(tree_.exprs[id]);
        if (undeclared_ != nullptr && undeclared_->active())
            undeclared_->use(current_, key, tree_.exprs[id].text, tree_.exprs[id].at.line);
        if (current_ >= 0) {
            if (auto it = scope_.find(key); it != scope_.end()) return bind(id, it->second);
            if (auto it = globals_.find(key); it != globals_.end()) return bind(id, it->second);
            return declare(id, Variable::Home::kLocal, {});
        }
        if (auto it = main_.find(key); it != main_.end()) return bind(id, it->second);
        declare(id, Variable::Home::kMain, {});
    }

    Procedure& procedureAt(int index) { return out_.procedures[static_cast<size_t>(index)]; }

    void bind(NodeId id, int variable) {
        out_.variable[id] = variable;
        out_.types[id] = out_.variables[static_cast<size_t>(variable)].type;
    }

    // ---- expressions

    ValueType expr(NodeId id) {
        const Expr& e = tree_.exprs[id];
        ValueType t;
        switch (e.kind) {
        case ExprKind::kNumber:
            t = e.text.view().find_first_of(L".eE") != std::wstring_view::npos && e.text[0] != L'$'
                    ? kFloat
                    : kInteger;
            break;
        case ExprKind::kCharacter:
        case ExprKind::kLabelAddress:
            t = kInteger;
            break;
        case ExprKind::kConstant:
            t = constantType(e);
            break;
        case ExprKind::kString:
            t = kString;
            break;
        case ExprKind::kName:
        case ExprKind::kPointer:
            use(id);
            return out_.types[id];
        case ExprKind::kCall:
            t = call(id, e);
            break;
        case ExprKind::kField:
            if (const Expr& base = tree_.expr(e.children, 0); base.kind == ExprKind::kPointer) {
                t = pointedField(id, tree_.child(e.children, 0), e.text);
            } else if (ValueType owner = operand(e, 0);
                       owner.kind == ValueKind::kInterface && e.brackets) {
                t = methodCall(id, e, owner);
                break;
            } else {
                const Field* reached = field(owner, e.text);
                out_.fields.set(id, reached);
                t = reached == nullptr ? ValueType{} : reached->type;
            }
            // "s\draw(x)" calls the procedure the field holds.
            if (t.kind == ValueKind::kProcedure && e.brackets) t = prototypeResult(t);
            for (std::uint32_t k = 1; k < e.children.count; ++k) expr(tree_.child(e.children, k));
            break;
        case ExprKind::kIndex:
            t = operand(e, 0);
            operand(e, 1);
            break;
        case ExprKind::kInvoke:
            t = operand(e, 0);
            for (std::uint32_t k = 1; k < e.children.count; ++k) expr(tree_.child(e.children, k));
            t = t.kind == ValueKind::kProcedure ? prototypeResult(t) : ValueType{};
            break;
        case ExprKind::kUnary:
            t = combined(e.op->typing, operand(e, 0), {});
            break;
        case ExprKind::kBinary:
            t = combined(e.op->typing, operand(e, 0), operand(e, 1));
            break;
        default:
            for (std::uint32_t k = 0; k < e.children.count; ++k) expr(tree_.child(e.children, k));
            break;
        }
        out_.types[id] = t;
        return t;
    }

    // A constant's type from the value it stands for: "#PI" is a float, "#CRLF$" a string.
    ValueType constantType(const Expr& e) const {
        std::wstring_view name = e.text;
        if (const ConstantValue* v = out_.programConstant(e))
            return v->kind == ConstantValue::Kind::kString  ? kString
                   : v->kind == ConstantValue::Kind::kFloat ? kFloat
                                                            : kInteger;
        std::optional<std::wstring> value = resolveConstant(name);
        if (!value || value->empty()) return kInteger;
        if ((*value)[0] == L'"' || name.ends_with(L"$")) return kString;
        if (value->starts_with(L"Math.") || value->find(L'.') != std::wstring::npos) return kFloat;
        return kInteger;
    }

    // "*p\x": the type of a field of what the pointer points at; a built-in type is a
    // structure of one field named by its letter ("*c.Character\c").
    ValueType pointedField(NodeId id, NodeId pointer, std::wstring_view name) {
        expr(pointer);
        const Variable* v = out_.variableOf(pointer);
        if (v == nullptr || v->pointee.empty()) return {};
        auto it = out_.structureIds.find(v->pointee);
        if (it != out_.structureIds.end())
            if (const Field* f = field({ValueKind::kStructure, L'i', it->second}, name)) {
                out_.fields.set(id, f);
                return f->type;
            }
        return typeOfSuffix(L"." + toLower(name), L"");
    }

    // The field of a structure value by its name; its type is its elements' for a static
    // array, list or map field.
    const Field* field(ValueType owner, std::wstring_view name) const {
        if (owner.kind != ValueKind::kStructure) return nullptr;
        std::wstring key = toLower(name);
        if (!key.empty() && key.back() == L'$') key.pop_back();
        for (const Field& f : out_.structures[static_cast<size_t>(owner.structure)].fields)
            if (f.scriptName == key) return &f;
        return nullptr;
    }

    ValueType operand(const Expr& e, std::uint32_t i) { return expr(tree_.child(e.children, i)); }

    // "SizeOf(Img)", "OffsetOf(Img\p)", "AllocateStructure(Img)": a type's name, which is
    // no use of a variable "img" beside it.
    bool namesType(const Expr& call) const {
        if (call.children.count != 1 || out_.layouts == nullptr) return false;
        if (!equalsIgnoreCase(call.text, L"sizeof") && !equalsIgnoreCase(call.text, L"offsetof") &&
            !equalsIgnoreCase(call.text, L"allocatestructure"))
            return false;
        const Expr* inside = &tree_.expr(call.children, 0);
        if (inside->kind == ExprKind::kField && inside->children.count == 1)
            inside = &tree_.expr(inside->children, 0);
        return inside->kind == ExprKind::kName && inside->suffix.empty() &&
               out_.layouts->sizeOf(inside->text).has_value();
    }

    ValueType call(NodeId id, const Expr& e) {
        if (!namesType(e))
            for (std::uint32_t k = 0; k < e.children.count; ++k) expr(tree_.child(e.children, k));
        // "total(1)" of a procedure and of an array of one name: either could be meant; the
        // call is taken (and the printer reports the name).
        if (auto it = out_.procedureIds.find(toLower(e.text)); it != out_.procedureIds.end()) {
            out_.callee[id] = it->second;
            return out_.procedures[static_cast<size_t>(it->second)].result;
        }
        if (int c = containerNamed(e.text); c >= 0) {
            out_.container[id] = c;
            return out_.containers[static_cast<size_t>(c)].element;
        }
        if (int v = procedureVariable(e.text); v >= 0) {
            out_.variable[id] = v;
            return prototypeResult(out_.variables[static_cast<size_t>(v)].type);
        }
        switch (commandResultType(e.text)) {
        case L'i':
            return kInteger;
        case L'f':
            return kFloat;
        case L's':
            return kString;
        default:
            return {};
        }
    }

    ValueType prototypeResult(ValueType procedure) const {
        return out_.prototypes[static_cast<size_t>(procedure.structure)];
    }

    const SyntaxTree& tree_;
    UndeclaredNames* undeclared_;
    Diagnostics* diag_;
    TypedTree out_;
    std::unordered_map<std::wstring, int> structureLines_; // the line of each structure's head
    std::unordered_map<std::wstring, int> main_;           // the main program's names, globals too
    std::unordered_map<std::wstring, int> globals_;        // seen in every procedure
    std::unordered_map<std::wstring, int> scope_;          // the current procedure's own names
    std::unordered_map<std::wstring, int> programContainers_;
    std::unordered_map<int, std::unordered_map<std::wstring, int>> procedureContainers_;
    int current_ = -1;
};

} // namespace

TypedTree typeTree(const SyntaxTree& tree, UndeclaredNames* undeclared, Diagnostics* diag,
                   const ProgramFacts* facts) {
    return Typer(tree, undeclared, diag, facts).run();
}

} // namespace qc
