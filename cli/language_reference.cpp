#include "cli/language_reference.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "tables/constant_table.h"
#include "tables/refused_table.h"
#include "tables/target_word_table.h"

namespace qc {

std::string languageReferenceMarkdown() {
    std::wstring md = L"### Commands and keywords\n";
    std::wstring group;
    for (const auto& row : commandRegistrations()) {
        if (group != row.group) {
            group = row.group;
            md += L"\n\n**" + group + L"**: ";
        } else {
            md += L", ";
        }
        md += L"`" + std::wstring(row.signature) + L"`";
        std::wstring_view target = row.targetName;
        if (target == L"empty")
            md += L" (does nothing in a page; gives 1)";
        else if (!target.empty())
            md += L" (runs as `" + std::wstring(target) + L"`)";
    }
    md += L"\n\n### Commands a page refuses\n\nA call of one is reported `not supported` and does "
          L"nothing.";
    group.clear();
    for (const auto& row : refusedRegistrations()) {
        if (group != row.group) {
            group = row.group;
            md += L"\n\n**" + group + L"**: ";
        } else {
            md += L", ";
        }
        md += L"`" + std::wstring(row.name) + L"`";
        if (*row.reason != L'\0') md += L" (" + std::wstring(row.reason) + L")";
    }
    md += L"\n\n### Constants\n\nResolved first: ";
    bool first = true;
    for (const auto& [name, text] : builtInConstants()) {
        md += (first ? L"`#" : L", `#") + std::wstring(name) + L"` = `" + text + L"`";
        first = false;
    }
    md += L"\n";
    group.clear();
    for (const auto& row : constantRegistrations()) {
        if (group != row.group) {
            group = row.group;
            md += L"\n\n**" + group + L"**: ";
        } else {
            md += L", ";
        }
        md += L"`" + std::wstring(row.name) + L"` " + row.value;
    }
    md += L"\n";
    return toUtf8(md);
}

std::string tableDump() {
    std::wstring out;
    for (const auto& row : commandRegistrations())
        out += std::wstring(L"command\t") + row.signature + L"\t" + row.targetName + L"\n";
    for (const wchar_t* word : targetWordRegistrations())
        out += std::wstring(L"target\t") + word + L"\n";
    return toUtf8(out);
}

} // namespace qc
