#include "app/conversion_actions.h"

#include "common/files.h"
#include "common/text.h"

namespace qc::shell {
namespace {

// The core's log channel, ending in the log field.
class WindowLog : public LogSink {
public:
    explicit WindowLog(ShellWindow& window) : window_(window) {}
    void appendLine(std::wstring_view line) override { window_.appendLog(line); }
    void processPendingEvents() override { window_.processEventsDuringWork(); }

private:
    ShellWindow& window_;
};

std::wstring inQuotes(std::wstring_view text) {
    return L"\"" + std::wstring(text) + L"\"";
}

bool fileExists(std::wstring_view path) {
    return fileSize(toFsPath(path)) >= 0;
}

bool isUsableSource(std::wstring_view path) {
    return !path.empty() && fileExists(path) && isValidFileName(fileNamePart(path));
}

// The folder is not tested: a page in a missing folder fails only when it is written.
void validateOutput(ShellState& state, ShellWindow& window) {
    const std::wstring& path = state.outputPath;
    if (path.empty() || !isValidFileName(fileNamePart(path))) {
        state.outputState = OutputState::kUnusable;
        window.setFieldColour(kOutputField, kUnusableColour);
    } else if (fileExists(path)) {
        state.outputState = OutputState::kExists;
        window.setFieldColour(kOutputField, kExistingColour);
    } else {
        state.outputState = OutputState::kNew;
        window.setFieldColour(kOutputField, kUsableColour);
    }
}

bool shouldConvert(const ShellState& state, ShellWindow& window) {
    if (state.outputState == OutputState::kNew) return true;
    if (state.autoMode == AutoMode::kOverwriteSilently) return true;
    if (state.outputState != OutputState::kExists) return false;
    return window.askYesNo(L"info", L"overwrite file " + inQuotes(state.outputPath) + L"?");
}

// Compacts the translation waiting in the state and writes it to `outputPath`.
void convertLoadedSource(ShellState& state, ShellWindow& window, const ConversionStages& stages,
                         std::wstring_view outputPath) {
    WindowLog log(window);
    Diagnostics diag(&log);
    ConversionStatus status = writeConvertedPage(state.loaded, toFsPath(outputPath), {},
                                                 state.renameState, diag, nullptr, stages);
    if (diag.errorFlag()) state.errorFlag = true;
    state.sourceLoaded = false;
    state.loaded = {};
    if (status != ConversionStatus::kWritten) return;
    window.enableButton(kRunButton);
    state.lastWrittenPage = outputPath;
}

} // namespace

std::wstring fileNamePart(std::wstring_view path) {
    size_t separator = path.find_last_of(L"/\\");
    std::wstring_view name =
        separator == std::wstring_view::npos ? path : path.substr(separator + 1);
    if (!name.empty() && name.front() == L'"') name.remove_prefix(1);
    return std::wstring(name.substr(0, name.find(L'"')));
}

bool isValidFileName(std::wstring_view name) {
    if (name.empty()) return false;
    for (wchar_t c : name)
        if (c < 32 || containsChar(L"\"\\/:*?<>|", c)) return false;
    return true;
}

std::filesystem::path toFsPath(std::wstring_view path) {
    return {toUtf8(path)};
}

void processPathChange(ShellState& state, ShellWindow& window, const ConversionStages& stages) {
    // Taken and cleared first: a path edited while the source is read stays pending for the
    // next pass of the event loop instead of being lost.
    const int action = state.pendingAction;
    state.pendingAction = 0;
    window.clearLog();
    state.outputDerived = !state.outputChosenByUser && action == kSourceChanged;
    if (state.outputDerived) {
        state.outputPath = state.sourcePath + L".html";
        window.setFieldText(kOutputField, state.outputPath);
    }
    if ((action & kSourceChanged) != 0) {
        bool usable = isUsableSource(state.sourcePath);
        window.setFieldColour(kSourceField, usable ? kUsableColour : kUnusableColour);
    }
    if (state.outputDerived || (action & kOutputChanged) != 0) validateOutput(state, window);
    if ((action & kSourceChanged) != 0) loadSourceIntoWindow(state, window, stages);
    if (state.sourceFound && state.outputState != OutputState::kUnusable)
        window.enableButton(kConvertButton);
}

void loadSourceIntoWindow(ShellState& state, ShellWindow& window, const ConversionStages& stages) {
    // The field may change while events are drained below; this read stays with this path.
    const std::wstring source = state.sourcePath;
    WindowLog log(window);
    Diagnostics diag(&log);
    LoadedSource loaded;
    ConversionStatus status =
        loadSource(toFsPath(source), diag, loaded, nullptr, stages, {}, [&window] {
            window.focusLog();
            window.drainEvents();
        });
    if (diag.errorFlag()) state.errorFlag = true;
    state.sourceFound = status == ConversionStatus::kWritten;
    state.sourceLoaded = state.sourceFound;
    if (state.sourceLoaded) state.loaded = std::move(loaded);
}

void processConvertRequest(ShellState& state, ShellWindow& window, const ConversionStages& stages) {
    // Cleared first, so that a "convert" click during this conversion asks for another one.
    state.convertRequested = false;
    state.errorFlag = false;
    // The page goes where the output field pointed when the request was taken up.
    const std::wstring output = state.outputPath;
    if (shouldConvert(state, window)) {
        window.focusLog();
        if (!state.sourceLoaded) loadSourceIntoWindow(state, window, stages);
        if (state.sourceLoaded) {
            // Errors belong to the translation being written, even one made at the path change.
            if (state.loaded.hadErrors) state.errorFlag = true;
            convertLoadedSource(state, window, stages, output);
        }
    }
    if (state.autoMode == AutoMode::kOpenAfterConversion && !state.errorFlag) {
        openLastPage(state, window);
        if (state.quitAfterRun) window.shutDown();
    }
}

void openLastPage(const ShellState& state, ShellWindow& window) {
    if (!state.lastWrittenPage.empty()) window.openPage(state.lastWrittenPage);
}

} // namespace qc::shell
