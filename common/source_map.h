#pragma once
// Where each line of a program read from several files came from. Reading numbers the lines of
// the whole program one after another, include files in place, so every later stage keeps
// one plain line number; the map turns such a number back into the file and the line a
// person sees, where it is shown.
#include <string>
#include <string_view>
#include <vector>

namespace qc {

struct SourcePlace {
    int file = 0;       // 0: the main source
    long long line = 0; // from 1, in that file
};

class SourceMap {
public:
    // The main source is file 0; an include file gets the next number. name is how messages
    // show the file: its path relative to the main source's folder.
    int addFile(std::wstring name);
    // From programLine on, program lines count on from fileLine of file.
    void startRun(long long programLine, int file, long long fileLine);

    SourcePlace place(long long programLine) const;
    const std::wstring& fileName(int file) const { return files_[file]; }
    size_t fileCount() const { return files_.size(); }
    // True while every program line is the main source's own line of the same number.
    bool isIdentity() const { return identity_; }
    // "line 12" for the main source, "inc/x.pbi line 12" for an include file.
    std::wstring describe(long long programLine) const;

    // The runs as JSON for the page's fault panel: [[programLine, "name", fileLine], ...],
    // the name "" for the main source.
    std::wstring runsAsJson() const;

private:
    struct Run {
        long long programLine;
        int file;
        long long fileLine;
    };
    std::vector<std::wstring> files_;
    std::vector<Run> runs_;
    bool identity_ = true;
};

} // namespace qc
