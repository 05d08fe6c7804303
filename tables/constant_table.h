#pragma once
// Named constants of the source language: events, mouse buttons, key codes, plus a few
// names (colours, truth values, line ends) that are resolved before the table is asked.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qc {

struct ConstantRegistration {
    const wchar_t* group;
    const wchar_t* name;
    const wchar_t* value;
};

class ConstantTable {
public:
    // The key is the name in lower case, "#" included.
    void registerConstant(std::wstring_view name, std::wstring_view value);
    const std::wstring* lookUpConstant(std::wstring_view name) const;
    size_t size() const { return values_.size(); }

private:
    std::unordered_map<std::wstring, std::wstring> values_;
};

const ConstantTable& constantTable();
const std::vector<ConstantRegistration>& constantRegistrations();
// The names resolved before the table (compared after the "#", in lower case).
const std::vector<std::pair<const wchar_t*, const wchar_t*>>& builtInConstants();

// The text to write for a constant as written in the source ("#PB_Key_Escape"), or nothing
// when the constant is unknown.
std::optional<std::wstring> resolveConstant(std::wstring_view constant);

} // namespace qc
