#include "common/diagnostics.h"

#include <algorithm>

namespace qc {
namespace {

// What stands between "line N" and the words of the kind.
std::wstring separator(const Diagnostic& record) {
    switch (record.kind) {
    case MessageKind::kUnknownType:
    case MessageKind::kUnknownCharacter:
        return L"  column " + std::to_wstring(record.column) + L" ";
    case MessageKind::kConstNotFound:
    case MessageKind::kBracketError:
        return L" ";
    default:
        return L": ";
    }
}

std::wstring words(const Diagnostic& record) {
    switch (record.kind) {
    case MessageKind::kMessage:
        return record.text;
    case MessageKind::kFunctionNotFound:
        return L"function Not found: " + record.subject + L"()";
    case MessageKind::kUnknownType:
        return L"ERROR unknow typ \"" + record.subject + L"\"";
    case MessageKind::kUnknownCharacter:
        return L"error unknow character($" + record.subject + L")!";
    case MessageKind::kConstNotFound:
        return L"const Not found: " + record.subject;
    case MessageKind::kBracketError:
        return L"() error!";
    case MessageKind::kNotSupported:
        return L"not supported: " + record.subject;
    case MessageKind::kReservedName:
        return L"reserved " + record.text + L" name: " + record.subject;
    case MessageKind::kWithout:
        return record.subject + L" without " + record.text;
    case MessageKind::kSyntaxError:
        return L"syntax error near " + record.subject;
    }
    return record.text;
}

} // namespace

Diagnostic plainMessage(std::wstring text) {
    Diagnostic record;
    record.text = std::move(text);
    return record;
}

std::wstring formatDiagnostic(const Diagnostic& record, const SourceMap* map) {
    if (record.line == Diagnostic::kNoLine) return words(record);
    // Only a line of the program is in the map; "line -1" (before the first) is not.
    std::wstring where = L"line " + std::to_wstring(record.line);
    if (!record.file.empty())
        where = record.file + L" " + where;
    else if (map != nullptr && !map->isIdentity() && record.line >= 0)
        where = map->describe(record.line);
    return where + separator(record) + words(record);
}

void Diagnostics::error(Diagnostic record) {
    errorFlag_ = true;
    std::wstring shown = formatDiagnostic(record, map_);
    if (sink_ != nullptr) {
        sink_->appendError(record, shown);
        sink_->processPendingEvents();
    }
    errors_.push_back(std::move(shown));
    records_.push_back(std::move(record));
}

bool Diagnostics::hasReported(const Diagnostic& record) const {
    return std::find(records_.begin(), records_.end(), record) != records_.end();
}

void Diagnostics::note(std::wstring_view line) {
    if (sink_ != nullptr) sink_->appendLine(line);
}

} // namespace qc
