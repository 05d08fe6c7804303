#include "common/diagnostics.h"

namespace qc {

void Diagnostics::error(std::wstring message) {
    errorFlag_ = true;
    if (sink_ != nullptr) {
        sink_->appendLine(message);
        sink_->processPendingEvents();
    }
    errors_.push_back(std::move(message));
}

void Diagnostics::note(std::wstring_view line) {
    if (sink_ != nullptr) sink_->appendLine(line);
}

} // namespace qc
