#include "common/diagnostics.h"

#include "common/text.h"

namespace qc {
namespace {

constexpr std::wstring_view kLine = L"line ";

// The length of the "line N" a message begins with, 0 when it begins otherwise.
size_t linePrefixLength(std::wstring_view message) {
    if (!startsWith(message, kLine)) return 0;
    size_t end = kLine.size();
    while (end < message.size() && message[end] >= L'0' && message[end] <= L'9') ++end;
    return end > kLine.size() ? end : 0;
}

} // namespace

void Diagnostics::error(std::wstring message) {
    errorFlag_ = true;
    size_t prefix = linePrefixLength(message);
    long long line = prefix > 0 ? parseDecimal(std::wstring_view(message).substr(kLine.size())) : 0;
    if (prefix > 0 && map_ != nullptr && !map_->isIdentity())
        message = map_->describe(line) + message.substr(prefix);
    if (sink_ != nullptr) {
        sink_->appendLine(message);
        sink_->processPendingEvents();
    }
    errors_.push_back(std::move(message));
    errorLines_.push_back(line);
}

void Diagnostics::note(std::wstring_view line) {
    if (sink_ != nullptr) sink_->appendLine(line);
}

} // namespace qc
