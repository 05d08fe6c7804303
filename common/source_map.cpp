#include "common/source_map.h"

#include <algorithm>

namespace qc {

int SourceMap::addFile(std::wstring name) {
    files_.push_back(std::move(name));
    return static_cast<int>(files_.size()) - 1;
}

void SourceMap::startRun(long long programLine, int file, long long fileLine) {
    if (!runs_.empty() && runs_.back().programLine == programLine) runs_.pop_back();
    runs_.push_back({programLine, file, fileLine});
    if (file != 0 || fileLine != programLine) identity_ = false;
}

SourcePlace SourceMap::place(long long programLine) const {
    auto after =
        std::upper_bound(runs_.begin(), runs_.end(), programLine,
                         [](long long line, const Run& run) { return line < run.programLine; });
    if (after == runs_.begin()) return {0, programLine};
    const Run& run = *(after - 1);
    return {run.file, run.fileLine + (programLine - run.programLine)};
}

std::wstring SourceMap::describe(long long programLine) const {
    SourcePlace at = place(programLine);
    std::wstring text = L"line " + std::to_wstring(at.line);
    if (at.file == 0 || static_cast<size_t>(at.file) >= files_.size()) return text;
    return files_[at.file] + L" " + text;
}

std::wstring SourceMap::runsAsJson() const {
    std::wstring json = L"[";
    for (const Run& run : runs_) {
        if (json.size() > 1) json += L',';
        json += L"[" + std::to_wstring(run.programLine) + L",\"";
        if (run.file != 0) {
            for (wchar_t c : files_[run.file]) {
                // "<" is written as an escape so that no name can close the script element.
                if (c == L'<') {
                    json += L"\\u003c";
                    continue;
                }
                if (c == L'"' || c == L'\\') json += L'\\';
                json += c;
            }
        }
        json += L"\"," + std::to_wstring(run.fileLine) + L"]";
    }
    return json + L"]";
}

} // namespace qc
