#pragma once
// The log channel of a conversion. The core never prints: it hands whole lines to a LogSink,
// which the window, the headless tool and the tests each implement. An error is a record
// (where, what kind, about what), turned into its words once, where it is shown; a stage
// that needs to know what was reported reads the record, never the words.
#include "common/source_map.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// What an error says. Each kind has fixed words around its subject (the word the message is
// about) and, for some, a second word (`text`).
enum class MessageKind {
    kMessage,          // text: "line 3: include file not found: "x.pbi""
    kFunctionNotFound, // "line 3: function Not found: subject()"
    kUnknownType,      // "line 3  column 5 ERROR unknow typ "subject""
    kUnknownCharacter, // "line 3  column 5 error unknow character($subject)!" (subject in hex)
    kConstNotFound,    // "line 3 const Not found: subject"
    kBracketError,     // "line 3 () error!"
    kNotSupported,     // "line 3: not supported: subject"
    kReservedName,     // "line 3: reserved text name: subject"
    kWithout,          // "line 3: subject without text" ("EndIf without If")
    kSyntaxError,      // "line 3: syntax error near subject"
};

struct Diagnostic {
    // A record without a line shows its words alone ("file not found!").
    static constexpr long long kNoLine = std::numeric_limits<long long>::min();

    long long line = kNoLine; // the program line; -1 before the program's first line
    int column = 0;           // 1-based, in the statement as read; 0 when none is named
    MessageKind kind = MessageKind::kMessage;
    std::wstring subject;
    std::wstring text;
    // Set when `line` is a line of this include file rather than of the program: a fault
    // found before the file had its place among the program's lines.
    std::wstring file;

    // The program line it names, 0 for none: the order in which errors are listed, whatever
    // file they are in.
    long long programLine() const { return file.empty() && line > 0 ? line : 0; }
    bool operator==(const Diagnostic&) const = default;
};

// A message that names no line.
Diagnostic plainMessage(std::wstring text);

// The words of a record. "line N" is shown as the file and line a person sees
// ("inc/x.pbi line 3: ...") when a source map is given that is not the identity.
std::wstring formatDiagnostic(const Diagnostic& record, const SourceMap* map = nullptr);

class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void appendLine(std::wstring_view line) = 0;
    // An error, with its words as shown. A host that lists errors apart from the progress
    // lines (sorted, after them) keeps the record instead.
    virtual void appendError(const Diagnostic& record, std::wstring_view shown) {
        (void)record;
        appendLine(shown);
    }
    // Called after every reported error so a window stays responsive during long work. A
    // host that meets a close request here ends the program at once.
    virtual void processPendingEvents() {}
};

// Collects what one conversion reports. A null sink stands for the log target -1: nothing
// is logged and no events are processed, but errors are still counted and listed.
class Diagnostics {
public:
    explicit Diagnostics(LogSink* sink = nullptr) : sink_(sink) {}

    // An error: sets the error flag, goes to the error list and to the log.
    void error(Diagnostic record);
    // An error that names no line.
    void error(std::wstring text) { error(plainMessage(std::move(text))); }
    // A progress line for the log only.
    void note(std::wstring_view line);

    bool errorFlag() const { return errorFlag_; }
    void setErrorFlag(bool on) { errorFlag_ = on; }
    // The errors as shown, and as records, in the order reported.
    const std::vector<std::wstring>& errors() const { return errors_; }
    const std::vector<Diagnostic>& records() const { return records_; }
    bool hasReported(const Diagnostic& record) const;

    // The map must outlive the messages reported while it is set; nullptr clears it.
    void setSourceMap(const SourceMap* map) { map_ = map; }

private:
    LogSink* sink_;
    bool errorFlag_ = false;
    std::vector<std::wstring> errors_;
    std::vector<Diagnostic> records_;
    const SourceMap* map_ = nullptr;
};

// A sink that keeps the lines, for tests and for callers that print them later.
class CollectingSink : public LogSink {
public:
    void appendLine(std::wstring_view line) override { lines.emplace_back(line); }
    std::vector<std::wstring> lines;
};

} // namespace qc
