// The symbol table: names of different kinds never share a script name, scopes decide which
// container a bracketed name reaches, and procedures give way to what the page already has.
#include "common/text.h"
#include "translator/semantics/symbol_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qc::ContainerKind;

struct Declared {
    std::wstring name;
    ContainerKind kind;
    std::wstring procedure;
};

qc::SymbolTable tableOf(const std::vector<Declared>& containers) {
    qc::SymbolTable table;
    for (const Declared& d : containers)
        table.declareContainer(qc::SymbolTable::containerName(d.name), d.kind, L"", d.procedure);
    table.declareStructure(L"point");
    return table;
}

TEST(SymbolTable, AVariableNeverTakesTheScriptNameOfAnotherKind) {
    qc::SymbolTable table = tableOf({{L"a", ContainerKind::kArray, L""},
                                     {L"items", ContainerKind::kList, L""},
                                     {L"ages", ContainerKind::kMap, L""},
                                     {L"m", ContainerKind::kArray, L"sum"},
                                     {L"empty", ContainerKind::kList, L""}});
    struct Row {
        std::wstring variable;
        std::wstring written;
    } rows[] = {
        {L"a", L"qlcxvar_a"},
        {L"items", L"qlcxvar_items"},
        {L"ages", L"qlcxvar_ages"},
        {L"m", L"qlcxvar_m"}, // a parameter elsewhere counts too
        {L"b", L"b"},
        {L"document", L"qlcxv_document"},
        {L"empty", L"qlcxvar_empty"},
        {L"initpoint", L"qlcxvar_initpoint"},
        {L"initint", L"qlcxvar_initint"},
        {L"point", L"point"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(qc::toUtf8(row.written), qc::toUtf8(table.variableName(row.variable)))
            << qc::toUtf8(row.variable);
    EXPECT_EQ("qlcxv_empty", qc::toUtf8(qc::SymbolTable::containerName(L"empty")));
}

TEST(SymbolTable, AParameterIsSeenOnlyInItsProcedureAndHidesTheProgramsContainer) {
    qc::SymbolTable table = tableOf({{L"m", ContainerKind::kMap, L""},
                                     {L"m", ContainerKind::kArray, L"sum"},
                                     {L"v", ContainerKind::kList, L"count"}});
    EXPECT_TRUE(table.isArray(L"m", L"sum"));
    EXPECT_TRUE(table.isMap(L"m", L""));
    EXPECT_TRUE(table.isMap(L"m", L"count"));
    EXPECT_TRUE(table.isList(L"v", L"count"));
    EXPECT_EQ(nullptr, table.container(L"v", L""));
    EXPECT_EQ(nullptr, table.container(L"v", L"sum"));
    EXPECT_TRUE(table.anyContainer(L"v"));
    EXPECT_TRUE(table.sameScope(L"m", L"sum"));
    EXPECT_FALSE(table.sameScope(L"v", L""));
}

TEST(SymbolTable, AProcedureGivesWayToTheRuntimeAndToVariablesAndContainersOfItsSpelling) {
    qc::SymbolTable table = tableOf({{L"grid", ContainerKind::kArray, L""}});
    table.useVariable(L"total");
    struct Row {
        std::wstring procedure;
        bool privateName;
    } rows[] = {
        {L"total", true}, {L"Total", false}, {L"grid", true},      {L"Grid", false},
        {L"alert", true}, {L"Date", true},   {L"initWorld", true}, {L"QLCXdraw", true},
        {L"INIT", true},  {L"Speed", false}, {L"speed", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.privateName, table.procedureNeedsPrivateName(row.procedure))
            << qc::toUtf8(row.procedure);
}

} // namespace
