// The commands a page refuses: which calls are refused, and that none is also a command the
// runtime carries out.
#include "common/text.h"
#include "tables/command_table.h"
#include "tables/refused_table.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(RefusedTable, WhichCallsAreRefused) {
    struct Case {
        const wchar_t* lowerName;
        bool refused;
    };
    // clang-format off
    const Case cases[] = {
        {L"peekb", false}, {L"pokel", false}, {L"allocatememory", false},
        {L"createthread", false}, {L"waitsemaphore", false}, {L"sendnetworkstring", true},
        {L"initnetwork", true}, {L"runprogram", true}, {L"callcfunction", true},
        {L"openfile", false}, {L"readfile", false}, {L"examinedirectory", false},
        {L"openpreferences", false}, {L"eof", false}, {L"openwindow", false},
        {L"speek", false}, {L"createthreads", false}, {L"", false},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(isRefusedCommand(c.lowerName), c.refused) << toUtf8(c.lowerName);
}

TEST(RefusedTable, NoRefusedCommandIsAlsoCarriedOut) {
    for (const auto& row : refusedRegistrations()) {
        std::wstring name = row.name;
        if (endsWith(name, L"*")) name.pop_back();
        EXPECT_EQ(commandTable().lookUpCommand(name), nullptr) << toUtf8(name);
        EXPECT_TRUE(isRefusedCommand(toLower(name))) << toUtf8(name);
    }
}

} // namespace
} // namespace qc
