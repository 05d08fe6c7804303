#pragma once
// The built-in words of the source language: the commands the page runtime implements, the
// keywords, and runtime names that generated code calls.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qc {

struct CommandRow {
    std::wstring name;       // the registered spelling, written into the script
    std::wstring targetName; // the name to write instead; empty for most rows
    bool hasParentheses = false;
    // Its first argument is a list or map itself ("ListSize(list)", "MapSize(map())"):
    // there "l()" is the whole list, everywhere else the current element.
    bool takesList = false;
    // Bit k set: argument k is a whole list or map too ("CopyList(list(),targetList())").
    unsigned listArguments = 0;
    bool takesListAt(size_t argument) const {
        return argument < 32 && ((listArguments >> argument) & 1u) != 0;
    }
};

struct CommandRegistration {
    const wchar_t* group;
    const wchar_t* signature;
    const wchar_t* targetName;
};

class CommandTable {
public:
    // The key is the signature trimmed, cut before its first "(", in lower case.
    void registerCommand(std::wstring_view signature, std::wstring_view targetName);
    // Case-insensitive; a word with "(" is cut before it. The word is not trimmed.
    const CommandRow* lookUpCommand(std::wstring_view word) const;
    size_t size() const { return rows_.size(); }

private:
    std::unordered_map<std::wstring, CommandRow> rows_;
};

// The process-wide table, filled on first use and read-only afterwards.
const CommandTable& commandTable();
// The rows as registered, grouped, for the language reference.
const std::vector<CommandRegistration>& commandRegistrations();

} // namespace qc
