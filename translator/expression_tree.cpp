// Typed expressions: after the rewrite rules have written each token's target text, every
// statement's expressions are parsed into a small tree (precedence climbing over the kept
// tokens), typed from the registries, and the tree decides what token rewriting cannot: where
// "/" divides integers, where a float is rounded on its way into an integer place, where an
// integer of a narrow type wraps, and how far Not reaches.
#include "translator/expression_tree.h"

#include "common/text.h"
#include "tables/command_types.h"
#include "translator/output/script_literals.h"
#include "translator/semantics/operator_table.h"

#include <cstdint>
#include <cwchar>

namespace qc {
namespace {

enum class ValueKind : std::uint8_t { kUnknown, kInt, kFloat, kString, kStruct };

struct ValueType {
    ValueKind kind = ValueKind::kUnknown;
    wchar_t width = L'i'; // for integers: the type letter that decides how it wraps
};

constexpr ValueType kUnknownType{};
constexpr ValueType kIntType{ValueKind::kInt, L'i'};
constexpr ValueType kFloatType{ValueKind::kFloat, L'f'};
constexpr ValueType kStringType{ValueKind::kString, L's'};

ValueType typeOfLetter(std::wstring_view type) {
    if (type.empty()) return kIntType;
    if (type == kSelfDeclared) return kUnknownType;
    if (type.size() != 1) return {ValueKind::kStruct, 0};
    switch (type[0]) {
    case L's':
        return kStringType;
    case L'f':
    case L'd':
        return kFloatType;
    default:
        return isBasicType(type) ? ValueType{ValueKind::kInt, type[0]} : kUnknownType;
    }
}

bool isNarrow(wchar_t width) {
    return width != L'i' && width != L'q';
}

struct Node {
    size_t first = 0; // token index of its first and last token
    size_t last = 0;
    size_t op = 0; // its operator token; 0 for an operand
    int left = -1;
    int right = -1;
    const OperatorRow* row = nullptr; // its binary operator
    int parent = -1;                  // the node it is an operand of
    bool rightSide = false;           // the right operand of its parent
    ValueType type;
    bool literal = false; // a whole-number literal other than zero
    bool grouped = false; // in brackets of its own
    bool logical = false; // And, Or, XOr, also in brackets: a truth value of the script
};

class ExpressionPass {
public:
    ExpressionPass(TranslationTokens& all, const TranslatorState& state)
        : all_(all), t_(all.tokens), state_(state) {}

    void run() {
        size_t start = 1;
        for (size_t i = 1; i <= all_.last(); ++i) {
            if (t_[i].kind != kEnd) continue;
            statement(start, i);
            start = i + 1;
        }
    }

private:
    // ---- the tokens of one statement ----------------------------------------------------

    void statement(size_t from, size_t end) {
        kept_.clear();
        for (size_t i = from; i < end; ++i) {
            const SourceToken& token = t_[i];
            if (token.kind == kReady) return;
            if (token.kind == kEmpty || (token.kind == kOp && token.word == L" ")) continue;
            if (token.procedure >= 0) procedure_ = token.procedure;
            kept_.push_back(i);
        }
        if (kept_.empty()) return;
        nodes_.clear();
        pending_.clear();
        pos_ = 0;
        argumentDepth_ = 0;
        nesting_ = 0;
        tooDeep_ = false;
        condition_ = false;
        const SourceToken& first = t_[kept_[0]];
        ValueType returned = kUnknownType;
        bool placeFirst = true;
        if (first.kind == kCommand) {
            std::wstring key = toLower(first.word);
            if (key == L"procedure" || startsWith(key, L"procedure.")) return;
            if (key == L"endprocedure") {
                procedure_ = -1;
                return;
            }
            condition_ = key == L"if" || key == L"elseif" || key == L"while" || key == L"until";
            placeFirst = key == L"for";
            if (key == L"procedurereturn") returned = procedureResult();
            pos_ = 1;
        }
        if (placeFirst && pos_ < kept_.size() && t_[kept_[pos_]].kind == kVar) {
            placeStatement();
        }
        tooDeep_ = false;
        while (pos_ < kept_.size() && !tooDeep_) {
            if (!startsOperand(pos_)) {
                ++pos_;
                continue;
            }
            topExpression(returned);
        }
    }

    // "x = value", "a(i)\x + 5": a place first in its statement.
    void placeStatement() {
        size_t startLevel = beginLevel();
        int place = primary();
        pending_.resize(startLevel);
        if (place < 0 || pos_ >= kept_.size()) return;
        const SourceToken& next = t_[kept_[pos_]];
        if (next.kind != kOp) return;
        ValueType target = nodes_[place].type;
        if (next.word == L"=") {
            ++pos_;
            topExpression(target);
            return;
        }
        if (!isInPlaceOperator(next.word) || condition_) return;
        shorthand(place, kept_[pos_]);
    }

    // "a(1) + 5" adds 5 to a(1). An integer place computes the whole new value, so that it
    // divides as integers, rounds a float and wraps as its type does.
    void shorthand(int place, size_t opIndex) {
        ++pos_;
        ValueType target = nodes_[place].type;
        std::wstring_view opWord = t_[opIndex].word;
        wchar_t op = opWord[0];
        int value = topExpression(target, /*store=*/false);
        if (value < 0) return;
        const Node& v = nodes_[value];
        if (!containsChar(L"+-*/|", op) || opWord.size() > 1)
            return computeInPlace(place, opIndex, v);
        bool integer = target.kind == ValueKind::kInt;
        bool rewrite = integer && (op == L'/' || op == L'|' || v.type.kind == ValueKind::kFloat ||
                                   isNarrow(target.width));
        if (!rewrite) {
            t_[opIndex].text = std::wstring(1, op) + L"=";
            return;
        }
        std::wstring targetText = placeText(nodes_[place]);
        std::wstring prefix;
        std::wstring suffix = L")";
        if (op == L'|') {
            prefix = L"QLCX_BitOr(" + targetText + L",";
            if (v.type.kind == ValueKind::kFloat) {
                prefix += L"QLCX_Round(";
                suffix = L"))";
            }
        } else if (op == L'/' && v.literal) {
            prefix = L"Math.trunc(" + targetText + L"/";
        } else if (op == L'/' && v.type.kind == ValueKind::kInt) {
            prefix = L"QLCX_Div(" + targetText + L",";
        } else if (op == L'/' || v.type.kind == ValueKind::kFloat) {
            prefix = L"QLCX_Round(" + targetText + op + L"(";
            suffix = L"))";
        } else {
            prefix = targetText + op + L"(";
        }
        if (isNarrow(target.width)) {
            prefix.insert(0, L"(");
            suffix += wrapSuffix(target.width);
        }
        t_[opIndex].text = L"=" + prefix;
        t_[v.last].text += suffix;
    }

    // "a % b", "a & b", "a ! b", "a << 1", "a >> 1": the place takes the whole new value,
    // computed as the same operator in an expression computes it.
    void computeInPlace(int place, size_t opIndex, const Node& v) {
        const OperatorRow* row = binaryOperator(t_[opIndex].word);
        if (row == nullptr) return;
        bool round = row->kind != OperatorClass::kRemainder && v.type.kind == ValueKind::kFloat;
        t_[opIndex].text =
            L"=" + call(*row) + placeText(nodes_[place]) + L"," + (round ? L"QLCX_Round(" : L"");
        t_[v.last].text += round ? L"))" : L")";
    }

    std::wstring placeText(const Node& place) const {
        std::wstring text;
        for (size_t k = place.first; k <= place.last; ++k)
            if (t_[k].kind != kEmpty && t_[k].kind != kEnd) text += t_[k].text;
        return text;
    }

    // ---- parsing ------------------------------------------------------------------------

    bool startsOperand(size_t p) const {
        const SourceToken& token = t_[kept_[p]];
        switch (token.kind) {
        case kVar:
            return !startsWith(token.word, L"\\");
        case kNumber:
        case kFloat:
        case kText:
        case kConst:
        case kProc:
            return true;
        case kCommand:
            return isWord(token, L"not") || followedByBracket(p);
        case kOp:
            return token.word == L"(" || token.word == L"-" || token.word == L"~";
        default:
            return false;
        }
    }

    bool followedByBracket(size_t p) const {
        return p + 1 < kept_.size() && isBracket(p + 1, L"(");
    }

    bool isBracket(size_t p, std::wstring_view bracket) const {
        const SourceToken& token = t_[kept_[p]];
        return token.kind == kOp && token.word == bracket;
    }

    static bool isWord(const SourceToken& token, std::wstring_view lower) {
        return equalsIgnoreCase(token.word, lower);
    }

    // The binary operator of the table a token is: a symbol, or And, Or, XOr.
    static const OperatorRow* binaryRow(const SourceToken& token) {
        if (token.kind != kOp && token.kind != kCommand) return nullptr;
        const OperatorRow* row = binaryOperator(token.word);
        if (row != nullptr && (token.kind == kCommand) != (row->kind == OperatorClass::kLogical))
            return nullptr;
        return row;
    }

    // One expression on its own: an argument, an index, a value stored or returned.
    int topExpression(ValueType destination, bool store = true) {
        size_t level = beginLevel();
        bool sawFloat = sawFloat_;
        sawFloat_ = false;
        int root = expression(0);
        endLevel(level, destination);
        if (root >= 0 && nodes_[root].logical && !(condition_ && argumentDepth_ == 0))
            asNumber(nodes_[root]);
        if (root >= 0 && store) convertForStore(nodes_[root], destination);
        sawFloat_ = sawFloat;
        return root;
    }

    size_t beginLevel() const { return pending_.size(); }

    // The operators of one expression are written once it is read whole, innermost first,
    // so that an outer operator's brackets go around an inner one's. Its divisions divide
    // as integers when no operand of it is a float and its value does not go to a float
    // place.
    void endLevel(size_t level, ValueType destination) {
        bool integer = !sawFloat_ && destination.kind != ValueKind::kFloat;
        for (size_t d = level; d < pending_.size(); ++d) {
            Node& node = nodes_[pending_[d].node];
            if (pending_[d].asNumber)
                asNumber(node);
            else if (node.row->kind != OperatorClass::kDivision)
                writeOperator(node);
            else if (integer && node.type.kind == ValueKind::kInt)
                writeIntegerDivision(node);
        }
        pending_.resize(level);
    }

    // Brackets nested deeper than this leave the statement as the rules wrote it: the
    // browser would not parse it anyway, and the translator must not run out of stack.
    static constexpr int kMaxNesting = 200;

    int expression(int minPrecedence) {
        if (nesting_ >= kMaxNesting) {
            tooDeep_ = true;
            return -1;
        }
        ++nesting_;
        int left = unary();
        if (left >= 0) left = binaryRest(left, minPrecedence);
        --nesting_;
        return tooDeep_ ? -1 : left;
    }

    int binaryRest(int left, int minPrecedence) {
        while (pos_ < kept_.size()) {
            size_t opIndex = kept_[pos_];
            const OperatorRow* row = binaryRow(t_[opIndex]);
            if (row == nullptr || row->precedence < minPrecedence) break;
            ++pos_;
            if (pos_ >= kept_.size()) break;
            int right = expression(row->operandPrecedence);
            if (right < 0) break;
            left = binary(left, right, opIndex, *row);
        }
        return left;
    }

    int binary(int left, int right, size_t opIndex, const OperatorRow& row) {
        Node node;
        node.first = nodes_[left].first;
        node.last = nodes_[right].last;
        node.op = opIndex;
        node.left = left;
        node.right = right;
        node.row = &row;
        node.type = resultType(row.typing, nodes_[left].type, nodes_[right].type);
        node.logical = row.kind == OperatorClass::kLogical;
        if (!node.logical) {
            // And and Or give the script's truth values; inside arithmetic they count 1 or 0.
            for (int child : {left, right})
                if (nodes_[child].logical) pending_.push_back({child, true});
        }
        if (row.kind == OperatorClass::kComparison && argumentDepth_ > 0 &&
            t_[opIndex].text == L"=")
            t_[opIndex].text = row.script; // "Bool(a = 1)": no assignment inside brackets
        nodes_.push_back(node);
        int index = static_cast<int>(nodes_.size()) - 1;
        nodes_[left].parent = nodes_[right].parent = index;
        nodes_[right].rightSide = true;
        if (row.kind != OperatorClass::kAddition && row.kind != OperatorClass::kProduct &&
            row.kind != OperatorClass::kComparison)
            pending_.push_back({index, false});
        return index;
    }

    static ValueType resultType(Typing typing, ValueType a, ValueType b) {
        if (typing == Typing::kTruth || typing == Typing::kWhole) return kIntType;
        if (a.kind == ValueKind::kString || b.kind == ValueKind::kString) return kStringType;
        if (a.kind == ValueKind::kFloat || b.kind == ValueKind::kFloat) return kFloatType;
        if (a.kind == ValueKind::kInt && b.kind == ValueKind::kInt) return kIntType;
        return kUnknownType;
    }

    int unary() {
        if (pos_ >= kept_.size()) return -1;
        size_t index = kept_[pos_];
        const SourceToken& token = t_[index];
        if (token.kind == kCommand && isWord(token, L"not")) {
            ++pos_;
            // Not takes the whole comparison after it: "Not a = 1" is "Not (a = 1)".
            int operand = expression(3);
            if (operand < 0) return -1;
            // "!x", "!(a==1)": only an operator's value needs brackets after "!".
            bool bracket = nodes_[operand].row != nullptr;
            std::wstring_view not_ = condition_ && argumentDepth_ == 0 ? L"!(" : L"+!(";
            t_[index].text = bracket ? not_ : not_.substr(0, not_.size() - 1);
            if (bracket) t_[nodes_[operand].last].text += L")";
            return wrapped(index, operand, kIntType);
        }
        if (token.kind == kOp && (token.word == L"-" || token.word == L"~")) {
            ++pos_;
            int operand = unary();
            if (operand < 0) return -1;
            if (token.word == L"-") return wrapped(index, operand, nodes_[operand].type);
            // The bitwise not of a 64-bit integer, exact where the browser's ~ keeps 32 bits.
            wholeOperand(nodes_[operand]);
            t_[index].text = L"(-(";
            t_[nodes_[operand].last].text += L")-1)";
            return wrapped(index, operand, kIntType);
        }
        return primary();
    }

    // A prefix operator or a bracket around `inner` (none when inner < 0), from token
    // `first` on.
    int wrapped(size_t first, int inner, ValueType type, size_t last = 0) {
        Node node;
        node.first = first;
        node.last = inner >= 0 ? nodes_[inner].last : last;
        node.type = type;
        nodes_.push_back(node);
        int index = static_cast<int>(nodes_.size()) - 1;
        if (inner >= 0) nodes_[inner].parent = index;
        return index;
    }

    int primary() {
        if (pos_ >= kept_.size()) return -1;
        size_t index = kept_[pos_];
        const SourceToken& token = t_[index];
        if (token.kind == kOp && token.word == L"(") {
            ++pos_;
            int inner = expression(0);
            size_t last = index;
            if (pos_ < kept_.size() && isBracket(pos_, L")"))
                last = kept_[pos_++];
            else if (inner >= 0)
                last = nodes_[inner].last;
            int group = wrapped(index, -1, inner >= 0 ? nodes_[inner].type : kUnknownType, last);
            if (inner >= 0) nodes_[inner].parent = group;
            nodes_[group].grouped = last != index && t_[last].word == L")";
            nodes_[group].logical = inner >= 0 && nodes_[inner].logical;
            return group;
        }
        if (!startsOperand(pos_)) return -1;
        ++pos_;
        Node node;
        node.first = node.last = index;
        std::wstring structure;
        switch (token.kind) {
        case kNumber:
            node.type = kIntType;
            node.literal = token.text != L"0" && token.text != L"-0";
            break;
        case kFloat:
            node.type = kFloatType;
            break;
        case kText:
            node.type = kStringType;
            break;
        case kConst:
            node.type = constantType(token.text);
            break;
        case kProc:
            node.type = procedureResultOf(token.text);
            break;
        case kCommand:
            node.type = commandType(commandResultType(token.word));
            break;
        default:
            node.type = variableType(token.word, namesContainer(t_, index, state_, procedureKey()),
                                     &structure);
            break;
        }
        bool element = false;
        while (pos_ < kept_.size()) {
            if (isBracket(pos_, L"(") && token.kind != kNumber && token.kind != kFloat &&
                token.kind != kText) {
                arguments(token);
                node.last = kept_[pos_ - 1];
                if (token.kind == kVar && !element) {
                    element = true;
                    const ContainerSymbol* symbol = state_.symbols.container(
                        SymbolTable::containerName(baseName(token.word)), procedureKey());
                    structure = symbol != nullptr ? symbol->elementType : L"";
                    node.type = symbol != nullptr ? typeOfLetter(structure) : kUnknownType;
                }
                continue;
            }
            const SourceToken& next = t_[kept_[pos_]];
            if (next.kind == kVar && startsWith(next.word, L"\\")) {
                node.type = fieldChainType(next.word, &structure);
                node.last = kept_[pos_++];
                continue;
            }
            break;
        }
        if (node.type.kind == ValueKind::kFloat) sawFloat_ = true;
        nodes_.push_back(node);
        return static_cast<int>(nodes_.size()) - 1;
    }

    // The arguments of a call or the indexes of an element, each an expression of its own.
    void arguments(const SourceToken& owner) {
        ++pos_; // "("
        ++argumentDepth_;
        const std::vector<std::wstring>* parameters = nullptr;
        if (owner.kind == kProc) {
            auto it = state_.parameterLists.find(toLower(owner.text));
            if (it != state_.parameterLists.end()) parameters = &it->second;
        }
        bool floats = owner.kind == kCommand && takesFloatArguments(owner.word);
        bool index = owner.kind == kVar;
        size_t argument = 0;
        while (pos_ < kept_.size() && !isBracket(pos_, L")") && !tooDeep_) {
            if (isBracket(pos_, L",")) {
                ++pos_;
                ++argument;
                continue;
            }
            if (!startsOperand(pos_)) {
                ++pos_;
                continue;
            }
            ValueType destination = kUnknownType;
            if (floats) destination = kFloatType;
            if (index) destination = kIntType;
            if (parameters != nullptr && argument < parameters->size())
                destination = typeOfLetter((*parameters)[argument]);
            if (destination.kind == ValueKind::kStruct) destination = kUnknownType;
            topExpression(destination);
        }
        if (pos_ < kept_.size()) ++pos_; // ")"
        --argumentDepth_;
    }

    // ---- types --------------------------------------------------------------------------

    static ValueType commandType(wchar_t letter) {
        switch (letter) {
        case L'i':
            return kIntType;
        case L'f':
            return kFloatType;
        case L's':
            return kStringType;
        default:
            return kUnknownType;
        }
    }

    static ValueType constantType(const std::wstring& value) {
        if (value.empty()) return kUnknownType;
        if (value[0] == L'"') return kStringType;
        if (value.find_first_of(L".eE") != std::wstring::npos) return kFloatType;
        return kIntType;
    }

    ValueType procedureResultOf(const std::wstring& name) const {
        auto it = state_.procedureResults.find(toLower(name));
        return it == state_.procedureResults.end() ? kUnknownType : typeOfLetter(it->second);
    }

    ValueType procedureResult() const {
        if (procedure_ < 0) return kUnknownType;
        return procedureResultOf(all_.procedures[static_cast<size_t>(procedure_)].name);
    }

    std::wstring procedureKey() const {
        return procedure_ >= 0 ? toLower(all_.procedures[static_cast<size_t>(procedure_)].name)
                               : std::wstring();
    }

    // The declared type of a name (its script name and its lower-case name as written) as
    // the statement's scope sees it: a procedure's own variable or parameter, else the
    // program's variable.
    std::wstring declaredType(const std::wstring& written, const std::wstring& lower) const {
        if (procedure_ >= 0) {
            const ProcedureScope& scope = all_.procedures[static_cast<size_t>(procedure_)];
            if (const std::wstring* local = scope.locals.find(written)) {
                const int* declared = scope.scopes.find(written);
                int kind = declared != nullptr ? *declared : kScopeNone;
                bool global = kind == kScopeShared || kind == kScopeGlobal ||
                              (kind != kScopeProtected && state_.globals.contains(written));
                if (*local == kSelfDeclared) {
                    auto it = state_.parameterTypes.find(toLower(scope.name) + L"\\" + lower);
                    if (it != state_.parameterTypes.end()) return it->second;
                    return *local;
                }
                if (!global) return *local;
            }
        }
        const std::wstring* type = state_.variables.find(written);
        return type != nullptr ? *type : std::wstring();
    }

    ValueType variableType(std::wstring_view word, bool container, std::wstring* structure) const {
        size_t slash = word.find(L'\\');
        std::wstring_view head = word.substr(0, slash);
        size_t dot = head.find(L'.');
        std::wstring name = toLower(head.substr(0, dot));
        std::wstring type;
        if (!name.empty() && name.back() == L'$')
            type = L"s";
        else if (dot != std::wstring_view::npos)
            type = toLower(head.substr(dot + 1));
        else
            type = declaredType(container ? SymbolTable::containerName(name)
                                          : state_.symbols.variableName(name),
                                name);
        // A list named alone is its current element (where the list itself is meant, the
        // value's type does not matter).
        if (container && type == kSelfDeclared) {
            const ContainerSymbol* symbol =
                state_.symbols.container(SymbolTable::containerName(name), procedureKey());
            if (symbol != nullptr && symbol->kind != ContainerKind::kArray)
                type = symbol->elementType;
        }
        *structure = type;
        ValueType result = typeOfLetter(type);
        if (slash != std::wstring_view::npos)
            result = fieldChainType(word.substr(slash), structure);
        return result;
    }

    // "\pos\x" from the structure in *structure; leaves the last field's type there.
    ValueType fieldChainType(std::wstring_view path, std::wstring* structure) const {
        ValueType result = kUnknownType;
        while (!path.empty() && path[0] == L'\\') {
            path.remove_prefix(1);
            size_t end = path.find(L'\\');
            std::wstring field = toLower(path.substr(0, end));
            path = end == std::wstring_view::npos ? std::wstring_view() : path.substr(end);
            if (!field.empty() && field.back() == L'$') {
                *structure = L"s";
                result = kStringType;
                continue;
            }
            auto it = state_.fieldTypes.find(*structure + L"\\" + field);
            if (it == state_.fieldTypes.end()) {
                structure->clear();
                return kUnknownType;
            }
            *structure = it->second;
            result = typeOfLetter(it->second);
        }
        return result;
    }

    // ---- writing ------------------------------------------------------------------------

    // Whether a node written with the script's operator of its row needs brackets of its own:
    // the dialect binds it tighter than its parent's operator, the script does not
    // ("a * b % 3" is "a*(b%3)", "x = a % 3" is "x=a%3"). Under a prefix operator or in a
    // bracket the node is bracketed already.
    bool needsBrackets(const Node& node) const {
        if (node.parent < 0) return false;
        const Node& parent = nodes_[node.parent];
        if (parent.row == nullptr) return false;
        int inner = node.row->scriptPrecedence;
        int outer = parent.row->scriptPrecedence;
        return inner < outer || (inner == outer && node.rightSide);
    }

    // The runtime function that computes a row exactly, with its opening bracket.
    static std::wstring call(const OperatorRow& row) { return std::wstring(row.exactCall) + L"("; }

    void wrap(size_t first, size_t last, std::wstring_view prefix, std::wstring_view suffix) {
        t_[first].text.insert(0, prefix);
        t_[last].text += suffix;
    }

    void writeOperator(const Node& node) {
        Node& left = nodes_[node.left];
        Node& right = nodes_[node.right];
        if (node.row->kind == OperatorClass::kLogical) return writeLogical(node, left, right);
        if (node.row->kind == OperatorClass::kRemainder) {
            // The script's % keeps the sign of the left operand, as the dialect's does.
            bool checked = node.type.kind == ValueKind::kInt && !right.literal;
            if (checked) {
                wrap(left.first, right.last, call(*node.row), L")");
                t_[node.op].text = L",";
            } else if (needsBrackets(node)) {
                wrap(left.first, right.last, L"(", L")");
            }
            return;
        }
        wholeOperand(left);
        wholeOperand(right);
        if (node.row->kind == OperatorClass::kBitwise && fits32Bits(left) && fits32Bits(right)) {
            if (needsBrackets(node)) wrap(left.first, right.last, L"(", L")");
            t_[node.op].text = node.row->script;
            return;
        }
        wrap(left.first, right.last, call(*node.row), L")");
        t_[node.op].text = L",";
    }

    // XOr holds when exactly one side does; an And after an Or takes the Or whole, as both
    // bind alike in the dialect.
    void writeLogical(const Node& node, const Node& left, const Node& right) {
        if (isWord(t_[node.op], L"xor")) {
            for (const Node* side : {&left, &right}) {
                bool bracket = side->row != nullptr;
                wrap(side->first, side->last, bracket ? L"!(" : L"!", bracket ? L")" : L"");
            }
            t_[node.op].text = node.row->script;
        } else if (isWord(t_[node.op], L"and") && !left.grouped && left.logical &&
                   isWord(t_[left.op], L"or")) {
            wrap(left.first, left.last, L"(", L")");
        }
    }

    // A truth value where a number is wanted: "x = a And b" stores 1 or 0.
    void asNumber(Node& node) {
        if (node.grouped)
            wrap(node.first, node.last, L"+!!", L"");
        else
            wrap(node.first, node.last, L"+!!(", L")");
        node.logical = false;
    }

    // The bit operators work on integers: a float operand is rounded first.
    void wholeOperand(const Node& node) {
        if (node.type.kind == ValueKind::kFloat) wrap(node.first, node.last, L"QLCX_Round(", L")");
    }

    bool fits32Bits(const Node& node) const {
        if (node.first != node.last || t_[node.first].kind != kNumber) return false;
        const std::wstring& text = t_[node.first].text;
        if (text.empty() || text.size() > 11) return false;
        long long value = std::wcstoll(text.c_str(), nullptr, 10);
        return value >= INT32_MIN && value <= INT32_MAX;
    }

    // A divisor known not to be zero needs no test; any other goes through the runtime,
    // which stops the program on zero as the dialect does.
    void writeIntegerDivision(const Node& node) {
        const Node& left = nodes_[node.left];
        const Node& right = nodes_[node.right];
        if (right.literal) {
            wrap(left.first, right.last, L"Math.trunc(", L")");
        } else {
            wrap(left.first, right.last, L"QLCX_Div(", L")");
            t_[node.op].text = L",";
        }
    }

    // A float stored into an integer place is rounded, ties to even; a narrow integer
    // wraps as its type does.
    void convertForStore(const Node& value, ValueType destination) {
        if (destination.kind != ValueKind::kInt) return;
        if (value.type.kind == ValueKind::kFloat)
            wrap(value.first, value.last, L"QLCX_Round(", L")");
        if (!isNarrow(destination.width)) return;
        if (value.first == value.last && t_[value.first].kind == kNumber &&
            literalFitsWidth(t_[value.first].text, destination.width))
            return;
        wrap(value.first, value.last, L"(", wrapSuffix(destination.width));
    }

    TranslationTokens& all_;
    std::vector<SourceToken>& t_;
    const TranslatorState& state_;
    std::vector<size_t> kept_; // the statement's tokens that take part, in order
    std::vector<Node> nodes_;
    struct Pending {
        int node;
        bool asNumber; // a truth value that counts as 1 or 0 where it is
    };
    std::vector<Pending> pending_; // operators of the expressions being read, to be written
    size_t pos_ = 0;
    int procedure_ = -1;
    int argumentDepth_ = 0;
    bool condition_ = false;
    bool sawFloat_ = false;
    int nesting_ = 0;
    bool tooDeep_ = false;
};

} // namespace

void typeExpressions(TranslationTokens& tokens, const TranslatorState& state) {
    ExpressionPass(tokens, state).run();
}

} // namespace qc
