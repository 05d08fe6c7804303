#include "convert/embedded_files.h"

#include "common/files.h"
#include "common/text.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace qc {
namespace fs = std::filesystem;
namespace {

// The commands that load a file, by the name the script calls them, with the position of the
// file name among their arguments. A font is most often a font of the system, named by a
// variable as often as not, so LoadFont does not make the whole folder travel.
struct FileArgument {
    std::wstring_view command;
    size_t argument;
};
constexpr FileArgument kFileCommands[] = {
    {L"ReadFile", 1},  {L"OpenFile", 1},        {L"LoadImage", 1},
    {L"LoadSound", 1}, {L"OpenPreferences", 0}, {L"FileSize", 0},
    {L"CopyFile", 0},  {L"RenameFile", 0},      {L"ExamineDirectory", 1}};
// Listing a directory shows what the folder holds, whatever the name.
constexpr std::wstring_view kListsDirectory = L"ExamineDirectory";

bool isWordChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'_' || c == L'$';
}

// Reads the literal that starts at text[at] (a quote); `end` is left after its closing quote.
std::wstring readLiteral(std::wstring_view text, size_t at, size_t& end) {
    std::wstring value;
    size_t i = at + 1;
    for (; i < text.size() && text[i] != L'"'; ++i) {
        if (text[i] != L'\\' || i + 1 >= text.size()) {
            value += text[i];
            continue;
        }
        wchar_t e = text[++i];
        value += e == L'n' ? L'\n' : e == L't' ? L'\t' : e == L'r' ? L'\r' : e;
    }
    end = i + 1;
    return value;
}

// The arguments of the call whose "(" is at `open`, as written, split at the top-level commas.
std::vector<std::wstring_view> callArguments(std::wstring_view text, size_t open) {
    std::vector<std::wstring_view> args;
    int depth = 0;
    size_t start = open + 1;
    for (size_t i = open; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'"') {
            readLiteral(text, i, i);
            --i;
            continue;
        }
        if (c == L'(' || c == L'[') ++depth;
        if ((c == L')' || c == L']') && --depth == 0) {
            args.push_back(trim(text.substr(start, i - start)));
            return args;
        }
        if (c == L',' && depth == 1) {
            args.push_back(trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return args;
}

bool isOneLiteral(std::wstring_view arg) {
    if (arg.empty() || arg[0] != L'"') return false;
    size_t end = 0;
    readLiteral(arg, 0, end);
    return end == arg.size();
}

// Whether the call of `command` at `at` in the line names its file at run time.
bool callNamesAtRunTime(std::wstring_view line, size_t at, const FileArgument& command) {
    size_t open = at + command.command.size();
    if (open >= line.size() || line[open] != L'(') return false;
    if (command.command == kListsDirectory) return true;
    std::vector<std::wstring_view> args = callArguments(line, open);
    return args.size() > command.argument && !isOneLiteral(args[command.argument]);
}

// The entries of each folder looked into, found by their names in any letter case. A large
// program has thousands of texts that name no file; listing the folder again for each one
// took more than half of a conversion in a folder of two thousand files.
class FolderEntries {
public:
    // The entry of `folder` spelled `name` in some letter case (the last one listed, where
    // several are); empty when there is none.
    fs::path find(const fs::path& folder, std::wstring_view name) {
        auto [listed, added] = folders_.try_emplace(folder.native());
        if (added) {
            std::error_code ec;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
                fs::path entry = it->path().filename();
                listed->second.insert_or_assign(fromUtf8(entry.string()), entry);
            }
        }
        auto found = listed->second.find(name);
        return found == listed->second.end() ? fs::path() : found->second;
    }

private:
    std::unordered_map<std::string,
                       std::unordered_map<std::wstring, fs::path, NoCaseHash, NoCaseEqual>>
        folders_;
};

// The relative path as the disk spells it: sources written where letter case does not count
// name "Gfx/Ship.PNG" for gfx/ship.png. Each part that is not there as written is looked up
// among its folder's entries regardless of case; empty when one is not found.
fs::path spelledOnDisk(const fs::path& folder, const fs::path& relative, FolderEntries& entries) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(folder / relative, ec))) return relative;
    fs::path spelled;
    for (const fs::path& part : relative) {
        if (fs::exists(fs::symlink_status(folder / spelled / part, ec))) {
            spelled /= part;
            continue;
        }
        fs::path found = entries.find(folder / spelled, fromUtf8(part.string()));
        if (found.empty()) return {};
        spelled /= found;
    }
    return spelled;
}

// The name relative to the folder, "/" between parts, when `name` lies inside it; "" when it
// leaves the folder (by "..", an absolute name or a symbolic link) or names no regular file.
std::wstring insideFolder(const fs::path& folder, std::wstring_view name, FolderEntries& entries) {
    if (name.empty() || name.size() > 400 || name.find(L'\n') != std::wstring_view::npos)
        return L"";
    std::wstring slashed(name);
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    fs::path relative = fs::path(toUtf8(slashed)).lexically_normal();
    if (relative.empty() || relative.is_absolute() || relative.has_root_name() ||
        *relative.begin() == "..")
        return L"";
    relative = spelledOnDisk(folder, relative, entries);
    std::error_code ec;
    fs::path full = folder / relative;
    if (relative.empty() || !fs::is_regular_file(fs::symlink_status(full, ec))) return L"";
    fs::path real = fs::weakly_canonical(full, ec);
    fs::path base = fs::weakly_canonical(folder, ec);
    if (ec || real.lexically_relative(base) != relative) return L"";
    return fromUtf8(relative.generic_string());
}

// Every regular file under the folder, relative names in order; hidden entries, symbolic
// links and empty files are passed over, and the walk stops after kMostEntries entries.
std::vector<std::wstring> folderFiles(const fs::path& folder) {
    constexpr size_t kMostEntries = 20000;
    std::vector<std::wstring> names;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    size_t seen = 0;
    for (; !ec && it != fs::recursive_directory_iterator() && ++seen <= kMostEntries;
         it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        // An entry that cannot be asked about is passed over; the walk goes on.
        std::error_code asked;
        bool hidden = entry.path().filename().string().rfind('.', 0) == 0;
        if (hidden || entry.is_symlink(asked)) {
            if (entry.is_directory(asked)) it.disable_recursion_pending();
            continue;
        }
        // A file the system reports empty may be one that never ends (a folder of the system's
        // own files): the walk passes it over.
        if (entry.is_regular_file(asked) && entry.file_size(asked) > 0 && !asked)
            names.push_back(fromUtf8(entry.path().lexically_relative(folder).generic_string()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring megabytes(size_t bytes) {
    return std::to_wstring(bytes / (1024 * 1024)) + L" MB";
}

void appendJsonText(std::wstring& out, std::wstring_view text) {
    constexpr std::wstring_view kHex = L"0123456789abcdef";
    auto unit = [&out, kHex](unsigned u) {
        out += L"\\u";
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 15];
    };
    out += L'"';
    for (wchar_t c : text) {
        auto code = static_cast<unsigned>(c);
        if (code >= 0x10000) {
            unit(0xD800 + ((code - 0x10000) >> 10));
            unit(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else if (code < 0x20 || code >= 0x7F || c == L'"' || c == L'\\' || c == L'<') {
            unit(code);
        } else {
            out += c;
        }
    }
    out += L'"';
}

std::wstring base64(std::string_view bytes) {
    constexpr std::wstring_view kDigits =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::wstring out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        unsigned n = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(n >> 18) & 63];
        out += kDigits[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : L'=';
        out += i + 2 < bytes.size() ? kDigits[n & 63] : L'=';
    }
    return out;
}

} // namespace

std::vector<std::wstring> scriptStringLiterals(std::span<const std::wstring> lines) {
    std::vector<std::wstring> literals;
    for (const std::wstring& line : lines) {
        for (size_t i = 0; i < line.size();) {
            if (line[i] != L'"') {
                ++i;
                continue;
            }
            literals.push_back(readLiteral(line, i, i));
        }
    }
    return literals;
}

bool namesFilesAtRunTime(std::span<const std::wstring> lines) {
    for (const std::wstring& line : lines) {
        bool quoted = false;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == L'\\' && quoted) {
                ++i;
                continue;
            }
            if (line[i] == L'"') quoted = !quoted;
            if (quoted || (i > 0 && (isWordChar(line[i - 1]) || line[i - 1] == L'.'))) continue;
            for (const FileArgument& command : kFileCommands)
                if (line[i] == command.command[0] &&
                    line.compare(i, command.command.size(), command.command) == 0 &&
                    callNamesAtRunTime(line, i, command))
                    return true;
        }
    }
    return false;
}

std::vector<EmbeddedFile> collectEmbeddedFiles(std::span<const std::wstring> programLines,
                                               const fs::path& sourceFolder,
                                               const fs::path& skipped, Diagnostics& diag,
                                               std::size_t limit) {
    std::vector<std::wstring> names;
    // Each distinct text is looked for once: a large program repeats its captions and keys
    // thousands of times, and each look asks the file system.
    std::unordered_set<std::wstring> looked;
    FolderEntries entries;
    for (std::wstring& literal : scriptStringLiterals(programLines)) {
        if (!looked.insert(literal).second) continue;
        std::wstring name = insideFolder(sourceFolder, literal, entries);
        if (!name.empty()) names.push_back(name);
    }
    if (namesFilesAtRunTime(programLines))
        for (std::wstring& name : folderFiles(sourceFolder)) names.push_back(std::move(name));
    std::vector<EmbeddedFile> files;
    std::set<std::wstring> taken;
    std::wstring firstLeftOut;
    size_t leftOut = 0;
    size_t total = 0;
    for (const std::wstring& name : names) {
        fs::path full = sourceFolder / toUtf8(name);
        if (!taken.insert(name).second || (!skipped.empty() && sameFile(full, skipped))) continue;
        std::int64_t size = fileSize(full);
        if (size < 0) continue;
        if (total + static_cast<size_t>(size) > limit) {
            if (leftOut++ == 0) firstLeftOut = name;
            continue;
        }
        std::optional<std::string> bytes = readFileBytes(full);
        if (!bytes) continue;
        total += bytes->size();
        files.push_back({name, std::move(*bytes)});
    }
    if (leftOut > 0)
        diag.note(L"file \"" + firstLeftOut + L"\"" +
                  (leftOut > 1 ? L" and " + std::to_wstring(leftOut - 1) + L" more" : L"") +
                  L" not embedded: the files in the page would pass " + megabytes(limit));
    return files;
}

std::vector<std::wstring> withEmbeddedFiles(const std::vector<std::wstring>& pageLines,
                                            const std::vector<EmbeddedFile>& files) {
    if (files.empty()) return pageLines;
    std::wstring block = L"<script type=\"application/json\" id=\"QLCXfiles\">[";
    for (size_t i = 0; i < files.size(); ++i) {
        if (i > 0) block += L',';
        block += L'[';
        appendJsonText(block, files[i].name);
        block += L",\"" + base64(files[i].bytes) + L"\"]";
    }
    block += L"]</script>";
    std::vector<std::wstring> page = pageLines;
    auto body = std::find_if(page.begin(), page.end(),
                             [](const std::wstring& l) { return startsWith(l, L"<body"); });
    page.insert(body == page.end() ? page.end() : body + 1, block);
    return page;
}

} // namespace qc
