#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace qc::shell {
namespace {

constexpr size_t kParametersRead = 7;

constexpr std::array<std::wstring_view, 5> kSwitches = {L"/c", L"/r", L"/R", L"/s", L"/q"};

bool isSwitch(std::wstring_view parameter) {
    return std::find(kSwitches.begin(), kSwitches.end(), parameter) != kSwitches.end();
}

// "/R" is applied after "/r", so with both given the page is overwritten silently and never
// opened, whatever their order.
void applySwitch(std::wstring_view name, ShellState& state) {
    if (name == L"/c") state.convertRequested = true;
    if (name == L"/r") state.autoMode = AutoMode::kOpenAfterConversion;
    if (name == L"/R") state.autoMode = AutoMode::kOverwriteSilently;
    if (name == L"/s") state.stickyAtStart = true;
    if (name == L"/q") state.quitAfterRun = true;
}

} // namespace

void readCommandLine(const std::vector<std::wstring>& parameters, ShellState& state) {
    std::array<std::wstring, kParametersRead> given;
    for (size_t i = 0; i < kParametersRead && i < parameters.size(); ++i) given[i] = parameters[i];

    state.sourcePath = given[0];
    state.outputPath = isSwitch(given[1]) ? std::wstring() : given[1];
    std::copy(given.begin() + 2, given.end(), state.laterParameters.begin());

    for (std::wstring_view name : kSwitches) {
        bool present = std::find(given.begin() + 1, given.end(), name) != given.end();
        if (present) applySwitch(name, state);
    }

    state.pendingAction = 0;
    if (!state.sourcePath.empty()) state.pendingAction |= kSourceChanged;
    if (!state.outputPath.empty()) state.pendingAction |= kOutputChanged;
}

} // namespace qc::shell
