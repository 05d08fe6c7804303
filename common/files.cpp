#include "common/files.h"

#include "common/text.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <thread>

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

int scriptFirstPageLine(const std::vector<std::wstring>& pageLines) {
    for (size_t i = 0; i < pageLines.size(); ++i)
        if (startsWith(pageLines[i], L"<script")) return static_cast<int>(i) + 2;
    return 0;
}

namespace {

// The temporary page being written, for the signal handler: a conversion stopped by Ctrl+C
// or a kill during the write leaves no stray file beside the page.
char gTemporaryName[4096];
volatile std::sig_atomic_t gTemporaryActive = 0;

constexpr int kCleanupSignals[] = {
    SIGINT,
    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
#ifdef SIGQUIT
    SIGQUIT,
#endif
};

extern "C" void removeTemporaryAndStop(int signal) {
    if (gTemporaryActive != 0) std::remove(gTemporaryName);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Removes the temporary file when a signal stops the process while the guard lives.
class TemporaryGuard {
public:
    explicit TemporaryGuard(const std::string& name) {
        if (name.size() >= sizeof gTemporaryName) return;
        std::copy(name.begin(), name.end(), gTemporaryName);
        gTemporaryName[name.size()] = '\0';
        gTemporaryActive = 1;
        for (size_t i = 0; i < std::size(kCleanupSignals); ++i)
            previous_[i] = std::signal(kCleanupSignals[i], removeTemporaryAndStop);
    }
    ~TemporaryGuard() {
        if (gTemporaryActive == 0) return;
        for (size_t i = 0; i < std::size(kCleanupSignals); ++i)
            std::signal(kCleanupSignals[i], previous_[i] == SIG_ERR ? SIG_DFL : previous_[i]);
        gTemporaryActive = 0;
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

private:
    void (*previous_[std::size(kCleanupSignals)])(int) = {};
};

// Creates a new file beside the target, never opening a name that exists (nor following a
// link planted under the name): "x" asks for exclusive creation.
std::FILE* createTemporary(const fs::path& target, fs::path& tmp) {
    std::random_device rd;
    for (int attempt = 0; attempt < 16; ++attempt) {
        tmp = target;
        tmp += ".tmp" + std::to_string(rd() % 1000000);
        if (std::FILE* file = std::fopen(tmp.c_str(), "wbx")) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

// A test hook: QUILLCAST_TEST_WRITE_PAUSE_MS holds the write half way for that long, so a test
// can stop the process in the middle of it.
void pauseForTests() {
    const char* pause = std::getenv("QUILLCAST_TEST_WRITE_PAUSE_MS");
    if (pause != nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(pause)));
}

} // namespace

bool writePageFile(const fs::path& path, const std::vector<std::wstring>& pageLines,
                   const std::vector<std::wstring>& scriptLines,
                   const std::vector<std::wstring>& styleLines) {
    std::error_code ec;
    // Only a regular file is replaced: renaming over a device, a pipe or a socket (as root,
    // over /dev/null) would destroy it.
    fs::file_status existing = fs::status(path, ec);
    bool replacing = !ec && fs::exists(existing);
    if (replacing && !fs::is_regular_file(existing)) return false;
    std::string bytes = writePageText(pageLines, scriptLines, styleLines);
    fs::path tmp;
    std::FILE* out = createTemporary(path, tmp);
    if (out == nullptr) return false;
    TemporaryGuard guard(tmp.string());
    size_t half = bytes.size() / 2;
    bool written = std::fwrite(bytes.data(), 1, half, out) == half;
    pauseForTests();
    written = written &&
              std::fwrite(bytes.data() + half, 1, bytes.size() - half, out) == bytes.size() - half;
    written = std::fclose(out) == 0 && written;
    // A replaced page keeps who may read and run it.
    if (written && replacing) fs::permissions(tmp, existing.permissions(), ec);
    if (written) fs::rename(tmp, path, ec);
    if (!written || ec) {
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
