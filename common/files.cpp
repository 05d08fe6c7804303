#include "common/files.h"

#include "common/text.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

namespace qc {

namespace fs = std::filesystem;

std::int64_t fileSize(const fs::path& path) {
    std::error_code ec;
    auto st = fs::status(path, ec);
    if (ec || !fs::exists(st)) return -1;
    if (!fs::is_regular_file(st)) return -2;
    auto size = fs::file_size(path, ec);
    if (ec) return -1;
    return static_cast<std::int64_t>(size);
}

std::optional<std::string> readFileBytes(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

bool markupAt(std::wstring_view rest, std::wstring_view what) {
    return startsWithIgnoreCase(rest, what);
}

} // namespace

std::wstring guardScriptLine(std::wstring_view line) {
    std::wstring out;
    out.reserve(line.size());
    wchar_t quote = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        wchar_t c = line[i];
        std::wstring_view rest = line.substr(i);
        if (quote != 0) {
            if (c == L'<' && (markupAt(rest, L"<!--") || markupAt(rest, L"<script"))) {
                out += L"\\x3C";
                continue;
            }
            out += c;
            if (c == L'<' && markupAt(rest, L"</")) out += L'\\';
            if (c == L'\\' && i + 1 < line.size())
                out += line[++i];
            else if (c == quote)
                quote = 0;
            continue;
        }
        out += c;
        if (c == L'"' || c == L'\'') quote = c;
        if (c == L'<' &&
            (markupAt(rest, L"</") || markupAt(rest, L"<!--") || markupAt(rest, L"<script")))
            out += L' ';
    }
    return out;
}

std::string writePageText(const std::vector<std::wstring>& pageLines,
                          const std::vector<std::wstring>& scriptLines,
                          const std::vector<std::wstring>& styleLines) {
    std::string out;
    auto put = [&out](std::wstring_view line) {
        out += toUtf8(line);
        out += "\r\n";
    };
    bool inserted = false;
    for (size_t i = 0; i < pageLines.size(); ++i) {
        put(pageLines[i]);
        if (inserted || !startsWith(pageLines[i], L"<script")) continue;
        inserted = true;
        for (const auto& s : scriptLines) put(guardScriptLine(s));
        if (i + 1 < pageLines.size()) put(pageLines[++i]);
        for (const auto& s : styleLines) put(s);
    }
    return out;
}

bool writePageFile(const fs::path& path, const std::vector<std::wstring>& pageLines,
                   const std::vector<std::wstring>& scriptLines,
                   const std::vector<std::wstring>& styleLines) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::string bytes = writePageText(pageLines, scriptLines, styleLines);
    std::random_device rd;
    fs::path tmp = path;
    tmp += ".tmp" + std::to_string(rd() % 1000000);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(tmp, ec);
            return false;
        }
    }
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    bool same = fs::equivalent(a, b, ec);
    return !ec && same;
}

} // namespace qc
