#include "translator/source/structure_layouts.h"

#include "common/text.h"
#include "translator/source/lexer.h"
#include "translator/source/parser.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <utility>

namespace qc {
namespace {

// The byte sizes of the dialect's built-in types; -1 for any other name.
long long typeSize(std::wstring_view lowerType) {
    static const std::unordered_map<std::wstring, long long> sizes = {
        {L"integer", 8}, {L"long", 4}, {L"word", 2},      {L"byte", 1},  {L"float", 4},
        {L"double", 8},  {L"quad", 8}, {L"character", 2}, {L"ascii", 1}, {L"unicode", 2},
        {L"string", 8},  {L"i", 8},    {L"l", 4},         {L"w", 2},     {L"b", 1},
        {L"f", 4},       {L"d", 8},    {L"q", 8},         {L"c", 2},     {L"a", 1},
        {L"u", 2},       {L"s", 8},    {L"", 8}};
    auto it = sizes.find(std::wstring(lowerType));
    return it == sizes.end() ? -1 : it->second;
}

// A field's name as the layout keys it: no "*", no "$", lower case.
std::wstring fieldKey(std::wstring_view name) {
    std::wstring key = toLower(name);
    if (startsWith(key, L"*")) key.erase(0, 1);
    if (endsWith(key, L"$")) key.pop_back();
    return key;
}

} // namespace

void StructureLayouts::record(const std::vector<std::wstring>& statements, size_t start,
                              const ConstantLookup& constants, std::wstring_view module) {
    auto count = [&](std::optional<ConstantValue> n) -> std::optional<long long> {
        if (n && n->kind == ConstantValue::Kind::kInteger) return n->integer;
        return std::nullopt;
    };
    std::vector<Token> head = lexLine(statements[start]);
    if (head.size() < 2 || head[1].kind != TokenKind::kName) return;
    auto scoped = [module](std::wstring_view written) {
        std::wstring lower = toLower(written);
        return module.empty() ? lower : std::wstring(module) + L"__" + lower;
    };
    std::wstring name = scoped(head[1].text);
    long long size = 0;
    std::vector<FieldLayout> fields;
    if (head.size() > 3 && equalsIgnoreCase(head[2].text, L"extends")) {
        std::wstring base = scoped(head[3].text);
        if (!sizes_.contains(base)) base = toLower(head[3].text);
        if (auto known = sizes_.find(base); known != sizes_.end()) size = known->second;
        fields = fields_[base];
    }
    // The fields of a StructureUnion all start where it starts; it takes the room of its
    // largest one.
    std::optional<long long> unionAt;
    long long unionEnd = 0;
    auto add = [&](std::wstring_view written, std::wstring type, long long one, long long n) {
        fields.push_back({fieldKey(written), unionAt.value_or(size), std::move(type), one, n});
        if (unionAt)
            unionEnd = std::max(unionEnd, *unionAt + one * n);
        else
            size += one * n;
    };
    auto endUnion = [&] {
        if (unionAt) size = unionEnd;
        unionAt.reset();
    };
    for (size_t k = start + 1; k < statements.size(); ++k) {
        if (isLineMarker(statements[k])) continue;
        if (equalsIgnoreCase(statements[k], L"endstructure")) break;
        if (equalsIgnoreCase(statements[k], L"structureunion")) {
            if (!unionAt) unionAt = unionEnd = size;
            continue;
        }
        if (equalsIgnoreCase(statements[k], L"endstructureunion")) {
            endUnion();
            continue;
        }
        std::wstring_view line = statements[k];
        std::vector<Token> tokens = lexLine(line);
        if (tokens.empty()) continue;
        // A list, array or map field holds a reference, as a pointer does.
        if (tokens[0].kind == TokenKind::kName && (equalsIgnoreCase(tokens[0].text, L"list") ||
                                                   equalsIgnoreCase(tokens[0].text, L"array") ||
                                                   equalsIgnoreCase(tokens[0].text, L"map"))) {
            if (tokens.size() > 1) add(tokens[1].text, L"", 8, 1);
            continue;
        }
        SyntaxTree tree;
        NodeId id = parseExpression(line, tree);
        if (id == kNoNode) continue;
        const Expr* e = &tree.exprs[id];
        long long elements = 1;
        if (e->kind == ExprKind::kIndex) {
            elements =
                count(evaluateConstant(tree, tree.child(e->children, 1), constants)).value_or(1);
            e = &tree.expr(e->children, 0);
        }
        if (e->kind == ExprKind::kPointer) {
            add(e->text, L"*" + toLower(e->suffix.empty() ? e->suffix.view() : e->suffix.substr(1)),
                8, elements);
            continue;
        }
        std::wstring type = toLower(e->suffix.empty() ? std::wstring_view() : e->suffix.substr(1));
        if (type.empty()) {
            // An integer, or a string's reference for a "$" name.
            add(e->text, e->text.ends_with(L"$") ? L"s" : L"i", 8, elements);
        } else if (startsWith(type, L"s{")) {
            // A fixed string is held in place, two bytes a character.
            std::wstring_view inside = std::wstring_view(type).substr(2, type.size() - 3);
            add(e->text, type, 2 * count(foldConstant(inside, constants)).value_or(4), elements);
        } else if (long long basic = typeSize(type); basic >= 0) {
            add(e->text, type.substr(0, 1), basic, elements);
        } else {
            auto nested = sizes_.find(type);
            add(e->text, type, nested == sizes_.end() ? 8 : nested->second, elements);
        }
    }
    endUnion();
    sizes_[name] = size;
    fields_[name] = std::move(fields);
}

const FieldLayout* StructureLayouts::field(std::wstring_view structure,
                                           std::wstring_view name) const {
    std::wstring key = toLower(structure);
    std::wstring wanted = fieldKey(name);
    if (auto it = fields_.find(key); it != fields_.end()) {
        for (const FieldLayout& f : it->second)
            if (f.name == wanted) return &f;
        return nullptr;
    }
    // "Long\l", "Character\c": the built-in types, each one field at the start.
    static const std::unordered_map<std::wstring, FieldLayout> basic = [] {
        std::unordered_map<std::wstring, FieldLayout> m;
        for (auto [type, letter] : {std::pair{L"integer", L"i"},
                                    {L"long", L"l"},
                                    {L"word", L"w"},
                                    {L"byte", L"b"},
                                    {L"float", L"f"},
                                    {L"double", L"d"},
                                    {L"quad", L"q"},
                                    {L"character", L"c"},
                                    {L"ascii", L"a"},
                                    {L"unicode", L"u"}})
            m[type] = {letter, 0, letter, typeSize(letter), 1};
        return m;
    }();
    auto it = basic.find(key);
    if (it == basic.end() || it->second.name != wanted) return nullptr;
    return &it->second;
}

std::optional<long long> StructureLayouts::sizeOf(std::wstring_view type) const {
    std::wstring key = toLower(type);
    if (auto it = sizes_.find(key); it != sizes_.end()) return it->second;
    long long basic = typeSize(key);
    if (basic < 0 || key.empty()) return std::nullopt;
    return basic;
}

std::optional<long long> StructureLayouts::offsetOf(std::wstring_view structure,
                                                    std::wstring_view field) const {
    const FieldLayout* f = this->field(structure, field);
    if (f == nullptr) return std::nullopt;
    return f->offset;
}

const std::vector<FieldLayout>* StructureLayouts::fieldsOf(std::wstring_view structure) const {
    auto it = fields_.find(toLower(structure));
    return it == fields_.end() ? nullptr : &it->second;
}

std::optional<ConstantValue> StructureLayouts::callValue(const SyntaxTree& tree,
                                                         const Expr& call) const {
    if (call.children.count != 1) return std::nullopt;
    const Expr& inside = tree.expr(call.children, 0);
    std::optional<long long> v;
    if (equalsIgnoreCase(call.text, L"sizeof") && inside.kind == ExprKind::kName &&
        inside.suffix.empty())
        v = sizeOf(inside.text);
    else if (equalsIgnoreCase(call.text, L"offsetof") && inside.kind == ExprKind::kField &&
             tree.expr(inside.children, 0).kind == ExprKind::kName)
        v = offsetOf(tree.expr(inside.children, 0).text, inside.text);
    if (!v) return std::nullopt;
    return integerValue(*v);
}

} // namespace qc
