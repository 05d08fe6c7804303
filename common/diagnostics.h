#pragma once
// The log channel of a conversion. The core never prints: it hands whole lines to a LogSink,
// which the window, the headless tool and the tests each implement.
#include "common/source_map.h"

#include <string>
#include <string_view>
#include <vector>

namespace qc {

class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void appendLine(std::wstring_view line) = 0;
    // Called after every reported error so a window stays responsive during long work. A
    // host that meets a close request here ends the program at once.
    virtual void processPendingEvents() {}
};

// Collects what one conversion reports. A null sink stands for the log target -1: nothing
// is logged and no events are processed, but errors are still counted and listed.
class Diagnostics {
public:
    explicit Diagnostics(LogSink* sink = nullptr) : sink_(sink) {}

    // An error: sets the error flag, goes to the error list and to the log. A message that
    // begins "line N" names a program line; while a source map is set, that is shown as the
    // file and line a person sees ("inc/x.pbi line 3: ...").
    void error(std::wstring message);
    // A progress line for the log only.
    void note(std::wstring_view line);

    bool errorFlag() const { return errorFlag_; }
    void setErrorFlag(bool on) { errorFlag_ = on; }
    const std::vector<std::wstring>& errors() const { return errors_; }
    // The program line each error names, 0 for one that names none: the order in which
    // errors are listed, whatever file they are in.
    const std::vector<long long>& errorLines() const { return errorLines_; }

    // The map must outlive the messages reported while it is set; nullptr clears it.
    void setSourceMap(const SourceMap* map) { map_ = map; }

private:
    LogSink* sink_;
    bool errorFlag_ = false;
    std::vector<std::wstring> errors_;
    std::vector<long long> errorLines_;
    const SourceMap* map_ = nullptr;
};

// A sink that keeps the lines, for tests and for callers that print them later.
class CollectingSink : public LogSink {
public:
    void appendLine(std::wstring_view line) override { lines.emplace_back(line); }
    std::vector<std::wstring> lines;
};

} // namespace qc
