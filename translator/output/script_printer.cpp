#include "translator/output/script_printer.h"

#include "common/text.h"
#include "loops/loop_segments.h"
#include "tables/command_table.h"
#include "tables/command_types.h"
#include "tables/constant_table.h"
#include "translator/lowering/waits.h"
#include "translator/output/expression_printer.h"
#include "vocabulary/statement_list.h"

namespace qc {
namespace {

std::wstring asWritten(std::wstring_view code) {
    return std::wstring(code);
}

// The lines that open, divide and close an If or a Select: in the main program, where its
// loops are cut into functions, each goes where its block went.
enum class BlockLine : std::uint8_t { kIf, kBranch, kElse, kEndIf, kSelect, kCase, kEndSelect };

class Printer {
public:
    Printer(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag)
        : tree_(tree), typed_(typed), types_(typed.types), diag_(diag),
          ex_(tree, typed, diag, line_), waiting_(findWaitingProcedures(tree, typed)),
          waits_(tree, typed, waiting_) {
        ex_.setWaitingProcedures(&waiting_);
    }

    PrintedScript run() {
        statements(tree_.program);
        return std::move(out_);
    }

    PrintedScript program() {
        line_ = 0;
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
            write(L"var " + v.scriptName + L"=" + initial);
        }
        for (const Container& c : typed_.containers)
            if (c.procedure < 0) write(L"var " + c.scriptName + L"=0;");
        ex_.setWaitForm(WaitForm::kAwaitAll);
        for (const Procedure& p : typed_.procedures)
            if (p.statement != kNoNode) procedure(p);
        // The main program: INIT and the functions its loops are cut into.
        LoopSegments segments(asWritten, L"}");
        segments_ = &segments;
        dataSections(tree_.program);
        statements(tree_.program);
        segments_ = nullptr;
        for (LoopLine& l : segments.emit()) {
            out_.lines.push_back(std::move(l.text));
            out_.sourceLines.push_back(l.source);
        }
        return std::move(out_);
    }

    std::wstring emptyValue(ValueType t) const { return typed_.emptyValue(t); }

    // Literals, constants and operators only: a value known before the program runs.
    bool isConstant(NodeId id) const {
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

    // A structure's constructor and element factory: every field with its empty value, a
    // static array, a structure, a list or a map field made anew for each element.
    void structure(const Structure& st) {
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
            if (f.shape == Field::Shape::kList || f.shape == Field::Shape::kMap)
                containers.push_back(L"struct." + f.scriptName + L"=" + made + L";");
        }
        write(L"return bufvar;");
        write(L"}");
        if (containers.empty()) return;
        write(L"function initializestruct" + st.scriptName + L"(struct){");
        for (const std::wstring& line : containers) write(line);
        write(L"}");
    }

    static std::wstring madeField(const Field& f) {
        switch (f.shape) {
        case Field::Shape::kStaticArray:
            return L"dimfunc(" + f.factory + L"," + f.size + L"-1,-1,-1)";
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

    // "Procedure.s Name(a, b = 2)": a function with its locals declared first, and the empty
    // value of its type returned when the body ends without ProcedureReturn.
    void procedure(const Procedure& p) {
        const Stmt& s = tree_.stmts[p.statement];
        line_ = s.at.line;
        bool waits = waiting_[static_cast<size_t>(&p - typed_.procedures.data())] != 0;
        std::wstring header = (waits ? L"async function " : L"function ") + p.scriptName + L"(";
        for (std::uint32_t k = 0; k < s.exprs.count; ++k) {
            const Expr& parameter = tree_.exprs[exprAt(s, k)];
            NodeId name = tree_.child(parameter.children, 0);
            bool array = typed_.containerOf(name) != nullptr;
            if ((!parameter.text.empty() && !array) ||
                (!array && tree_.exprs[name].kind != ExprKind::kName))
                ex_.unsupported(L"a list or map parameter");
            if (k > 0) header += L",";
            header += array ? typed_.containerOf(name)->scriptName : ex_.variableName(name);
            if (parameter.children.count > 1) {
                const Variable* v = typed_.variableOf(name);
                header += L"=" + ex_.stored(tree_.child(parameter.children, 1), v->type);
            }
        }
        write(header + L"){");
        for (int index : p.locals) {
            const Variable& v = typed_.variables[static_cast<size_t>(index)];
            if (v.home == Variable::Home::kLocal)
                write(L"var " + v.scriptName + L"=" + emptyValue(v.type) + L";");
        }
        for (int index : p.containers) {
            const Container& c = typed_.containers[static_cast<size_t>(index)];
            if (!c.parameter) write(L"var " + c.scriptName + L"=0;");
        }
        current_ = &p;
        statements(s.body);
        current_ = nullptr;
        bool returns = s.body.count > 0 &&
                       tree_.stmts[tree_.child(s.body, s.body.count - 1)].kind == StmtKind::kReturn;
        if (!returns) write(L"return " + emptyValue(p.result) + L";");
        write(L"}");
    }

    // ---- statements

    void statements(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) statement(tree_.child(range, i));
    }

    void statement(NodeId id) {
        const Stmt& s = tree_.stmts[id];
        line_ = s.at.line;
        if (segments_ != nullptr) return mainStatement(s);
        plainStatement(s);
    }

    void plainStatement(const Stmt& s) {
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
        case StmtKind::kFor:
            return forBlock(s);
        case StmtKind::kBreak:
            return breakLoops(s);
        case StmtKind::kContinue:
            if (loops_.empty())
                return diag_.error(message::withoutEnd(line_, L"Continue", L"loop"));
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
        case StmtKind::kLabel:
            return; // the data is given at start; a label alone does nothing
        case StmtKind::kVariable:
        case StmtKind::kStructure:
            return; // a structure variable declared alone, a structure: declared at page level
        case StmtKind::kError:
            return; // reported where it was read; half of it would run wrong
        default:
            return ex_.unsupported(L"this statement");
        }
    }

    // "x = value" and "x + 1": the place takes the value, converted as its type stores it.
    void assignment(const Stmt& s) {
        NodeId place = exprAt(s, 0);
        if (const Container* c = typed_.containerOf(place)) {
            if (c->kind == ContainerKind::kArray && tree_.exprs[place].children.count == 0)
                return ex_.unsupported(L"a whole array as a place");
            return write(ex_.element(place) + L"=" + ex_.stored(exprAt(s, 1), c->element) + L";");
        }
        ExprKind kind = tree_.exprs[place].kind;
        if (kind == ExprKind::kField || kind == ExprKind::kIndex)
            return write(ex_.expr(place).text + L"=" + ex_.stored(exprAt(s, 1), types_[place]) +
                         L";");
        if (kind != ExprKind::kName) return ex_.unsupported(L"a place other than a variable");
        write(ex_.variableName(place) + L"=" +
              ex_.stored(exprAt(s, 1), typed_.variableOf(place)->type) + L";");
    }

    // The initial values of a declaration; a static's is its page-level variable's.
    void definition(const Stmt& s) {
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
            if (v == nullptr) {
                ex_.unsupported(L"a declared name other than a variable");
                continue;
            }
            if (item.exprs.count < 2 || v->home == Variable::Home::kStatic) continue;
            write(v->scriptName + L"=" + ex_.stored(exprAt(item, 1), v->type) + L";");
        }
    }

    // "Dim a.f(10, 2)" makes the array anew; "ReDim a(20)" resizes it and keeps its elements.
    void dimension(const Stmt& s) {
        if (didNotRead(s)) return;
        NodeId id = exprAt(s, 0);
        const Container* c = typed_.containerOf(id);
        const Expr& e = tree_.exprs[id];
        if (c == nullptr || e.children.count > 3 || e.children.count == 0)
            return ex_.unsupported(L"this array declaration");
        if (c->parameter) return ex_.unsupported(L"Dim of an array parameter");
        std::wstring bounds;
        for (std::uint32_t k = 0; k < 3; ++k)
            bounds +=
                L"," + (k < e.children.count ? ex_.stored(tree_.child(e.children, k),
                                                          ValueType{ValueKind::kInteger, L'i'})
                                             : std::wstring(L"-1"));
        if (s.kind == StmtKind::kDim)
            write(c->scriptName + L"=dimfunc(" + c->factory + bounds + L");");
        else
            write(c->scriptName + L"=redimfunc(" + c->scriptName + L",1," + c->factory + bounds +
                  L");");
    }

    // A declaration whose name did not read: the parser has said so.
    bool didNotRead(const Stmt& s) const {
        return s.exprs.count == 0 || tree_.exprs[exprAt(s, 0)].kind == ExprKind::kError ||
               tree_.exprs[exprAt(s, 0)].text.empty();
    }

    // "NewList l.Point()", "NewMap m.s()": empty, with the elements' factory.
    void newContainer(const Stmt& s) {
        if (didNotRead(s)) return;
        const Container* c = typed_.containerOf(exprAt(s, 0));
        if (c == nullptr || c->parameter) return ex_.unsupported(L"this list or map declaration");
        write(c->scriptName + (s.kind == StmtKind::kNewList ? L"=NewList(" : L"=NewMap(") +
              c->factory + L");");
    }

    // "ForEach l()": every element in turn as the current one.
    void forEachBlock(const Stmt& s) {
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

    // "Read.s p\name, n": each place takes the next value of the data.
    void read(const Stmt& s) {
        for (std::uint32_t k = 0; k < s.exprs.count; ++k) {
            NodeId place = exprAt(s, k);
            std::wstring target = placeText(place);
            if (!target.empty()) write(target + L"=dataread();");
        }
    }

    // "Swap a, b" through the runtime's spare place; a place that calls something is refused
    // rather than called twice.
    void swap(const Stmt& s) {
        if (s.exprs.count != 2) return ex_.unsupported(L"Swap of other than two places");
        for (std::uint32_t k = 0; k < 2; ++k)
            if (callsSomething(tree_.exprs[exprAt(s, k)]))
                return ex_.unsupported(L"Swap of a place that calls something");
        std::wstring a = placeText(exprAt(s, 0));
        std::wstring b = placeText(exprAt(s, 1));
        if (a.empty() || b.empty()) return;
        write(L"QLCX_Swap=" + a + L";" + a + L"=" + b + L";" + b + L"=QLCX_Swap;");
    }

    bool callsSomething(const Expr& e) const {
        for (std::uint32_t k = 0; k < e.children.count; ++k) {
            const Expr& c = tree_.exprs[tree_.child(e.children, k)];
            if ((c.kind == ExprKind::kCall &&
                 typed_.containerOf(tree_.child(e.children, k)) == nullptr) ||
                callsSomething(c))
                return true;
        }
        return false;
    }

    // A place as the script writes it: a variable, an element, a field; empty (reported)
    // for anything else.
    std::wstring placeText(NodeId place) {
        const Expr& e = tree_.exprs[place];
        if (typed_.containerOf(place) != nullptr &&
            (e.children.count > 0 || typed_.containerOf(place)->kind != ContainerKind::kArray))
            return ex_.element(place);
        if (e.kind == ExprKind::kName) return ex_.variableName(place);
        if (e.kind == ExprKind::kField || e.kind == ExprKind::kIndex) return ex_.expr(place).text;
        ex_.unsupported(L"a place other than a variable, an element or a field");
        return {};
    }

    // The data sections' values, given to the page at start in the order they stand.
    void dataSections(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            if (s.kind != StmtKind::kDataSection) continue;
            for (std::uint32_t k = 0; k < s.body.count; ++k) {
                const Stmt& d = tree_.stmts[tree_.child(s.body, k)];
                line_ = d.at.line;
                if (d.kind == StmtKind::kLabel) {
                    write(L"datalabel(\"" + toLower(d.name) + L"\");");
                } else if (d.kind == StmtKind::kData) {
                    for (std::uint32_t v = 0; v < d.exprs.count; ++v)
                        write(L"datavalue(" + ex_.value(exprAt(d, v), false).text + L");");
                } else {
                    ex_.unsupported(L"this statement in a data section");
                }
            }
        }
    }

    void procedureReturn(const Stmt& s) {
        ValueType result = current_ != nullptr ? current_->result : ValueType{};
        if (s.exprs.count == 0) return write(L"return " + emptyValue(result) + L";");
        write(L"return " + ex_.stored(exprAt(s, 0), result) + L";");
    }

    void call(const Stmt& s) {
        if (equalsIgnoreCase(s.name, L"debug")) {
            if (s.exprs.count == 0) return write(L"Debug();");
            return write(L"Debug(" + ex_.value(exprAt(s, 0), false).text + L");");
        }
        if (equalsIgnoreCase(s.name, L"end") && s.exprs.count == 0)
            return write(L"end();ChangeLoop(0);return;");
        if (equalsIgnoreCase(s.name, L"goto") || equalsIgnoreCase(s.name, L"gosub") ||
            equalsIgnoreCase(s.name, L"return"))
            return ex_.unsupported(s.name);
        std::vector<NodeId> args;
        for (std::uint32_t i = 0; i < s.exprs.count; ++i) args.push_back(exprAt(s, i));
        write(ex_.callText(s.name, args) + L";");
    }

    void ifBlock(const Stmt& s) {
        blockLine(L"if(" + ex_.condition(exprAt(s, 0)) + L"){", BlockLine::kIf);
        statements(s.body);
        for (std::uint32_t i = 0; i < s.clauses.count; ++i) {
            const Stmt& c = tree_.stmts[tree_.child(s.clauses, i)];
            line_ = c.at.line;
            if (c.kind == StmtKind::kElseIf) {
                beforeWaits(waits_.ofStatement(c), false);
                blockLine(L"}else if(" + ex_.condition(exprAt(c, 0)) + L"){", BlockLine::kBranch);
            } else {
                blockLine(L"}else{", BlockLine::kElse);
            }
            statements(c.body);
        }
        blockLine(L"}", BlockLine::kEndIf);
    }

    // A Select is a chain of conditions on its value, computed once: a variable is tested as
    // it is, anything else is kept in a variable of its own first.
    void selectBlock(const Stmt& s) {
        NodeId subject = exprAt(s, 0);
        const Expr& e = tree_.exprs[subject];
        std::wstring tested;
        if (e.kind == ExprKind::kName) {
            tested = ex_.variableName(subject);
        } else {
            tested = L"qlcxselect" + std::to_wstring(++selects_);
            write(L"var " + tested + L"=" + ex_.value(subject, false).text + L";");
        }
        std::wstring opener = L"if(";
        bool any = false;
        for (std::uint32_t i = 0; i < s.clauses.count; ++i) {
            const Stmt& c = tree_.stmts[tree_.child(s.clauses, i)];
            line_ = c.at.line;
            BlockLine kind = any ? BlockLine::kCase : BlockLine::kSelect;
            if (c.kind == StmtKind::kDefault) {
                blockLine(any ? L"}else{" : L"{", kind);
            } else {
                blockLine(opener + caseCondition(c, tested) + L"){", kind);
                opener = L"}else if(";
            }
            any = true;
            statements(c.body);
        }
        if (any) blockLine(L"}", BlockLine::kEndSelect);
    }

    // "Case 1, 3 To 5": the value is one of them or within the range.
    std::wstring caseCondition(const Stmt& c, const std::wstring& tested) {
        std::wstring condition;
        for (std::uint32_t k = 0; k < c.exprs.count; ++k) {
            if (k > 0) condition += L"||";
            const Expr& v = tree_.exprs[exprAt(c, k)];
            if (v.kind == ExprKind::kRange) {
                condition += L"(" + tested + L">=" +
                             bound(ex_.number(tree_.child(v.children, 0)), 10) + L"&&" + tested +
                             L"<=" + bound(ex_.number(tree_.child(v.children, 1)), 10) + L")";
            } else {
                condition += tested + L"==" + bound(ex_.number(exprAt(c, k)), 9);
            }
        }
        return condition;
    }

    void repeatBlock(const Stmt& s) {
        if (s.exprs.count == 0) {
            write(loopLabel(s) + L"for(;;){");
            return closeBody(s);
        }
        write(loopLabel(s) + L"do{");
        enterLoop();
        statements(s.body);
        loops_.pop_back();
        line_ = tree_.exprs[exprAt(s, 0)].at.line;
        beforeWaits(waits_.ofExpression(exprAt(s, 0)), false);
        write(L"}while(!(" + ex_.condition(exprAt(s, 0)) + L"));");
    }

    // "For i = a To b Step -2": the counter, its start, the test that goes on, the step.
    struct ForParts {
        std::wstring counter, start, bound, step;
        bool down = false; // the step's sign, known from its literal, decides the test
    };

    bool forParts(const Stmt& s, ForParts& parts) {
        NodeId counter = exprAt(s, 0);
        // A head that did not read was reported where it was read.
        if (tree_.exprs[counter].kind == ExprKind::kError) return false;
        if (tree_.exprs[counter].kind != ExprKind::kName) {
            ex_.unsupported(L"a For place other than a variable");
            return false;
        }
        ValueType type = typed_.variableOf(counter)->type;
        parts.counter = ex_.variableName(counter);
        parts.step = L"++";
        if (s.exprs.count > 3) {
            NodeId stepId = exprAt(s, 3);
            const Expr& e = tree_.exprs[stepId];
            parts.down = e.kind == ExprKind::kUnary && e.op->kind == OperatorClass::kMinus;
            if (!parts.down && e.kind != ExprKind::kNumber) {
                ex_.unsupported(L"a For step that is not a number");
                return false;
            }
            parts.step = L"+=" + ex_.stored(stepId, type);
        }
        parts.start = ex_.stored(exprAt(s, 1), type);
        parts.bound = ex_.value(exprAt(s, 2), false).text;
        return true;
    }

    void forBlock(const Stmt& s) {
        ForParts f;
        if (!forParts(s, f)) {
            if (tree_.exprs[exprAt(s, 0)].kind != ExprKind::kError) return;
            // A head that did not read was reported; the body still runs, once, so that its
            // own faults are found too, and a Break in it still has a loop to leave.
            write(loopLabel(s) + L"do{");
            enterLoop();
            statements(s.body);
            loops_.pop_back();
            return write(L"}while(false);");
        }
        write(loopLabel(s) + L"for(" + f.counter + L"=" + f.start + L";" + f.counter +
              (f.down ? L">=" : L"<=") + f.bound + L";" + f.counter + f.step + L"){");
        closeBody(s);
    }

    // The body of a loop (or another block) and its closing bracket.
    void closeBody(const Stmt& s) {
        bool loop = s.kind == StmtKind::kWhile || s.kind == StmtKind::kRepeat ||
                    s.kind == StmtKind::kFor || s.kind == StmtKind::kForEach;
        if (loop) enterLoop();
        statements(s.body);
        if (loop) loops_.pop_back();
        write(L"}");
    }

    // ---- the main program: its loops cut into functions, its waits cut or awaited

    void mainStatement(const Stmt& s) {
        LoopSegments& seg = *segments_;
        switch (s.kind) {
        case StmtKind::kRepeat:
            if (seg.atLevel()) return repeatAsLevel(s);
            break;
        case StmtKind::kWhile:
        case StmtKind::kFor:
            if (seg.atLevel() && waits_.holdsCut(s, repeatsOpen_ > 0))
                return s.kind == StmtKind::kWhile ? whileAsLevel(s) : forAsLevel(s);
            break;
        case StmtKind::kBreak:
            if (seg.level() > 0) return breakInMain(s);
            break;
        case StmtKind::kContinue:
            if (seg.level() == 0 || seg.insideScriptLoop()) break;
            if (!levelSteps_.back().empty()) write(levelSteps_.back());
            return seg.nextPass(line_);
        default:
            break;
        }
        // A Repeat's only expression is its test, which comes at its end.
        beforeWaits(s.kind == StmtKind::kRepeat ? Waits{} : waits_.ofStatement(s), true);
        bool block = s.kind == StmtKind::kWhile || s.kind == StmtKind::kFor ||
                     s.kind == StmtKind::kForEach || s.kind == StmtKind::kRepeat;
        if (block) seg.openBlock(s.kind == StmtKind::kRepeat);
        if (s.kind == StmtKind::kRepeat) ++repeatsOpen_;
        plainStatement(s);
        if (s.kind == StmtKind::kRepeat) --repeatsOpen_;
        if (block) seg.closeBlock();
        // A Delay in straight code: the rest runs once its time is over.
        if (seg.level() == 0 && seg.atLevel() && s.kind == StmtKind::kCall &&
            equalsIgnoreCase(s.name, L"delay"))
            seg.cut(std::nullopt, line_);
    }

    // Before a line with a statement's own expressions: the program is cut before an Input()
    // or a WaitWindowEvent() where it can be, and the statement then reads the line or the
    // event that came; elsewhere the wait is awaited.
    void beforeWaits(const Waits& w, bool canCut) {
        if (segments_ == nullptr) return;
        LoopSegments& seg = *segments_;
        if (canCut && seg.atLevel() && (w.line || w.event)) {
            std::wstring call = L"QLCX_AskLine();";
            if (!w.line) {
                std::vector<NodeId> args;
                for (std::uint32_t k = 0; k < w.eventArgs.count; ++k)
                    args.push_back(tree_.child(w.eventArgs, k));
                call = ex_.callText(L"awaitevent", args) + L";";
            }
            seg.cut(LoopLine{std::move(call), line_, false}, line_);
            ex_.setWaitForm(WaitForm::kAsWritten);
            return;
        }
        ex_.setWaitForm(seg.insideScriptLoop() ? WaitForm::kAwaitAll : WaitForm::kAwaitEvents);
    }

    // The exit test of a loop of the program: "if(c){" switches on to what follows the loop.
    LoopLine exitTest(const std::wstring& condition) {
        return loopLine(L"if(" + condition + L"){");
    }

    void levelBody(const Stmt& s, std::wstring step) {
        levelSteps_.push_back(std::move(step));
        statements(s.body);
        levelSteps_.pop_back();
    }

    void repeatAsLevel(const Stmt& s) {
        LoopSegments& seg = *segments_;
        bool tested = s.exprs.count > 0;
        ex_.setWaitForm(WaitForm::kAsWritten);
        seg.openLoop(tested ? std::optional(exitTest(ex_.condition(exprAt(s, 0)))) : std::nullopt,
                     line_);
        ++repeatsOpen_;
        levelBody(s, {});
        --repeatsOpen_;
        std::optional<LoopLine> test;
        if (tested) {
            line_ = tree_.exprs[exprAt(s, 0)].at.line;
            beforeWaits(waits_.ofExpression(exprAt(s, 0)), true);
            test = exitTest(ex_.condition(exprAt(s, 0)));
        }
        seg.closeLoop(test, line_);
    }

    // "While c ... Wend" around a cut: "if(c){", then a loop of the program that ends when
    // "!(c)".
    void whileAsLevel(const Stmt& s) {
        LoopSegments& seg = *segments_;
        NodeId c = exprAt(s, 0);
        beforeWaits(waits_.ofStatement(s), true);
        seg.openIf(loopLine(L"if(" + ex_.condition(c) + L"){"));
        ex_.setWaitForm(WaitForm::kAsWritten);
        seg.openLoop(exitTest(L"!(" + ex_.condition(c) + L")"), line_);
        levelBody(s, {});
        line_ = s.at.line;
        beforeWaits(waits_.ofStatement(s), true);
        seg.closeLoop(exitTest(L"!(" + ex_.condition(c) + L")"), line_);
        seg.endIf(loopLine(L"}"));
    }

    // "For i = a To b ... Next" around a cut: "i = a", "if(i<=b){", then a loop of the program
    // that steps i and ends when "i>b". A Continue steps before the test too.
    void forAsLevel(const Stmt& s) {
        LoopSegments& seg = *segments_;
        beforeWaits(waits_.ofStatement(s), true);
        ForParts f;
        if (!forParts(s, f)) return;
        std::wstring past = f.counter + (f.down ? L"<" : L">") + f.bound;
        std::wstring step = f.counter + f.step + L";";
        write(f.counter + L"=" + f.start + L";");
        seg.openIf(loopLine(L"if(" + f.counter + (f.down ? L">=" : L"<=") + f.bound + L"){"));
        seg.openLoop(exitTest(past), line_);
        levelBody(s, step);
        line_ = s.at.line;
        write(step);
        seg.closeLoop(exitTest(past), line_);
        seg.endIf(loopLine(L"}"));
    }

    // A Break in a loop of the program: out of its script loops as a script does, out of the
    // program's loops by switching to what follows the outermost one it leaves.
    void breakInMain(const Stmt& s) {
        LoopSegments& seg = *segments_;
        int loops = s.exprs.count == 0 ? 1 : breakLevel(s);
        int script = static_cast<int>(loops_.size());
        if (loops >= 1 && loops <= script) return breakLoops(s);
        if (loops < 1 || loops - script > seg.openLoops())
            return diag_.error(message::notSupported(
                line_, L"Break " + std::wstring(tree_.exprs[exprAt(s, 0)].text)));
        if (script == 0) return seg.leaveLoop(line_, loops);
        write(seg.leaveLevels(loops - script));
        write(L"return 0;");
    }

    // ---- Break with a level: the loop it leaves gets a label of its own

    // "qlcxloop1:" when a "Break 2" or deeper inside the loop leaves it; empty otherwise.
    std::wstring loopLabel(const Stmt& loop) {
        pendingLabel_.clear();
        if (!leftFromInside(loop.body, 1)) return {};
        pendingLabel_ = L"qlcxloop" + std::to_wstring(++labels_);
        return pendingLabel_ + L":";
    }

    void enterLoop() {
        loops_.push_back(pendingLabel_);
        pendingLabel_.clear();
    }

    // Whether a Break at `depth` loops inside (1: directly in the loop's body) leaves the loop.
    bool leftFromInside(NodeRange range, int depth) const {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            if (s.kind == StmtKind::kBreak && s.exprs.count > 0 && depth > 1 &&
                breakLevel(s) == depth)
                return true;
            bool loop = s.kind == StmtKind::kWhile || s.kind == StmtKind::kRepeat ||
                        s.kind == StmtKind::kFor || s.kind == StmtKind::kForEach;
            if (leftFromInside(s.body, depth + (loop ? 1 : 0))) return true;
            for (std::uint32_t k = 0; k < s.clauses.count; ++k)
                if (leftFromInside(tree_.stmts[tree_.child(s.clauses, k)].body, depth)) return true;
        }
        return false;
    }

    int breakLevel(const Stmt& s) const {
        const Expr& e = tree_.exprs[tree_.child(s.exprs, 0)];
        if (e.kind != ExprKind::kNumber || e.text.size() > 3) return -1;
        return std::stoi(std::wstring(e.text));
    }

    // "Break" and "Continue" with no loop around them, "Break 3" with fewer: the script would
    // not parse, so the statement is reported and left out.
    void breakLoops(const Stmt& s) {
        int level = s.exprs.count == 0 ? 1 : breakLevel(s);
        if (level < 1 || static_cast<size_t>(level) > loops_.size()) {
            if (level == 1) return diag_.error(message::withoutEnd(line_, L"Break", L"loop"));
            std::wstring written(tree_.exprs[exprAt(s, 0)].text);
            return diag_.error(message::notSupported(line_, L"Break " + written));
        }
        if (level == 1) return write(L"break;");
        write(L"break " + loops_[loops_.size() - static_cast<size_t>(level)] + L";");
    }

    NodeId exprAt(const Stmt& s, std::uint32_t i) const { return tree_.child(s.exprs, i); }

    void write(std::wstring line) {
        if (segments_ != nullptr) return segments_->code(loopLine(std::move(line)));
        ex_.takeAwaited(); // a procedure's lines: its head already says it is async
        out_.lines.push_back(std::move(line));
        out_.sourceLines.push_back(line_);
    }

    LoopLine loopLine(std::wstring text) {
        return LoopLine{std::move(text), line_, ex_.takeAwaited()};
    }

    void blockLine(std::wstring text, BlockLine kind) {
        if (segments_ == nullptr) return write(std::move(text));
        LoopLine line = loopLine(std::move(text));
        switch (kind) {
        case BlockLine::kIf:
            return segments_->openIf(std::move(line));
        case BlockLine::kBranch:
        case BlockLine::kElse:
            return segments_->nextBranch(std::move(line), kind == BlockLine::kElse);
        case BlockLine::kEndIf:
            return segments_->endIf(std::move(line));
        case BlockLine::kSelect:
            return segments_->openSelect(std::move(line));
        case BlockLine::kCase:
            return segments_->nextCase(std::move(line));
        case BlockLine::kEndSelect:
            return segments_->endSelect(std::move(line));
        }
    }

    const SyntaxTree& tree_;
    const TypedTree& typed_;
    const std::vector<ValueType>& types_;
    Diagnostics& diag_;
    const Procedure* current_ = nullptr;
    PrintedScript out_;
    int line_ = 0;
    ExpressionPrinter ex_;
    int selects_ = 0;
    int labels_ = 0;
    std::wstring pendingLabel_;       // of the loop being opened
    std::vector<std::wstring> loops_; // the open script loops' labels, innermost last
    std::vector<char> waiting_;       // by procedure index: it waits
    WaitFinder waits_;
    LoopSegments* segments_ = nullptr; // while the main program is written
    // The main program's loops that are cut into functions, innermost last: the line that
    // steps a For's counter, which a Continue runs before the loop's test.
    std::vector<std::wstring> levelSteps_;
    int repeatsOpen_ = 0; // Repeat blocks open around the statement being written
};

} // namespace

PrintedScript printScript(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag) {
    return Printer(tree, typed, diag).run();
}

PrintedScript printProgram(const SyntaxTree& tree, const TypedTree& typed, Diagnostics& diag) {
    return Printer(tree, typed, diag).program();
}

} // namespace qc
