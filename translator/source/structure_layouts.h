#pragma once
// The byte layout of the program's structures, for SizeOf and OffsetOf. It is known before
// the program is parsed, since a constant may be defined by it ("#Record = SizeOf(Entry)")
// and constants decide compiler conditions, and it is the one layout: constant definitions
// and the page's expressions both read it.
//   Structure Point : x.l : y.l : EndStructure   -> SizeOf(Point) = 8, OffsetOf(Point\y) = 4
// Structures are packed, with no room between fields, as in the dialect's memory. The fields of
// a StructureUnion share its start, and it is as long as its longest field:
//   Structure Colour : StructureUnion : rgba.l : bytes.a[4] : EndStructureUnion : EndStructure
//                                             -> SizeOf(Colour) = 4, OffsetOf(Colour\bytes) = 0
#include "translator/source/constant_folder.h"
#include "translator/source/syntax_tree.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qc {

// A field as the heap holds it.
struct FieldLayout {
    std::wstring name;    // lower case, without "*" and "$"
    long long offset = 0; // bytes from the structure's start
    // A basic type letter (b a w u c l i q f d), "s" for a string, "s{N}" for a fixed one, "*"
    // and what it points at for a pointer ("*node"), "" for a list, array or map, or the name
    // of a structure.
    std::wstring type;
    long long size = 0;  // of one element
    long long count = 1; // the elements of a static array field ("cells.i[10]")
};

class StructureLayouts {
public:
    // Reads the structure whose head is statements[start] ("Structure Point Extends Base"),
    // its fields up to EndStructure; the constants in counts ("cells.i[#Size]", ".s{#Len}")
    // are looked up with `constants`.
    // Inside a module (its name in lower case) the structure is known as "module__name", as
    // the parser writes it.
    void record(const std::vector<std::wstring>& statements, size_t start,
                const ConstantLookup& constants, std::wstring_view module = {});

    bool known(const std::wstring& lowerName) const { return sizes_.contains(lowerName); }

    // "SizeOf(Long)", "SizeOf(Point)": nullopt for a type that is neither.
    std::optional<long long> sizeOf(std::wstring_view type) const;
    // A field of a structure by its name, with "*" or "$" or neither; the built-in types
    // are structures of one field named by their letter ("*c.Character\c"). Null when the
    // structure or the field is not known.
    const FieldLayout* field(std::wstring_view structure, std::wstring_view name) const;

    // "OffsetOf(Point\y)": the field's byte offset; nullopt for a structure or a field that
    // is not known.
    std::optional<long long> offsetOf(std::wstring_view structure, std::wstring_view field) const;
    // The fields of a structure in their order (a base structure's first); null when it is
    // not known.
    const std::vector<FieldLayout>* fieldsOf(std::wstring_view structure) const;

    // The value of a SizeOf or OffsetOf call of the tree; nullopt for any other call, or one
    // whose type or field is not known.
    std::optional<ConstantValue> callValue(const SyntaxTree& tree, const Expr& call) const;

private:
    std::unordered_map<std::wstring, long long> sizes_;
    std::unordered_map<std::wstring, std::vector<FieldLayout>> fields_;
};

} // namespace qc
