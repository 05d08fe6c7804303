#include "app/conversion_actions.h"

#include "common/files.h"
#include "common/text.h"
#include "translator/page_writer.h"

#include <cstdint>
#include <fstream>

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
    return fileSize(ToFsPath(path)) >= 0;
}

bool isReadable(std::wstring_view path) {
    std::ifstream in(ToFsPath(path), std::ios::binary);
    return static_cast<bool>(in);
}

bool isUsableSource(std::wstring_view path) {
    return !path.empty() && fileExists(path) && IsValidFileName(FileNamePart(path));
}

// The folder is not tested: a page in a missing folder fails only when it is written.
void validateOutput(ShellState& state, ShellWindow& window) {
    const std::wstring& path = state.outputPath;
    if (path.empty() || !IsValidFileName(FileNamePart(path))) {
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

void reportLoadFailure(ShellState& state, ShellWindow& window, std::wstring_view message) {
    window.appendLog(message);
    state.errorFlag = true;
    state.sourceFound = false;
    state.sourceLoaded = false;
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
    window.appendLog(L"");
    window.appendLog(L"convert...");
    WindowLog log(window);
    Diagnostics diag(&log);
    std::vector<std::wstring> compacted =
        stages.compact(state.translation.scriptLines, state.renameState, diag);
    if (diag.errorFlag()) state.errorFlag = true;
    state.sourceLoaded = false;
    bool written = WritePage(outputPath, state.translatedPath, state.translation, compacted);
    state.translation = {};
    if (!written) {
        window.appendLog(L"cannot write " + inQuotes(outputPath));
        state.errorFlag = true;
        return;
    }
    window.appendLog(L"finished! " + std::to_wstring(fileSize(ToFsPath(outputPath))) + L" bytes");
    window.enableButton(kRunButton);
    state.lastWrittenPage = outputPath;
}

} // namespace

const ConversionStages& coreStages() {
    static const ConversionStages stages{
        [](const std::filesystem::path& source, Diagnostics& diag) {
            return TranslateSource(source, diag);
        },
        [](const std::vector<std::wstring>& lines, RenameState& names, Diagnostics& diag) {
            return CompactScript(lines, names, diag);
        }};
    return stages;
}

std::wstring FileNamePart(std::wstring_view path) {
    size_t separator = path.find_last_of(L"/\\");
    std::wstring_view name =
        separator == std::wstring_view::npos ? path : path.substr(separator + 1);
    if (!name.empty() && name.front() == L'"') name.remove_prefix(1);
    return std::wstring(name.substr(0, name.find(L'"')));
}

bool IsValidFileName(std::wstring_view name) {
    if (name.empty()) return false;
    for (wchar_t c : name)
        if (c < 32 || containsChar(L"\"\\/:*?<>|", c)) return false;
    return true;
}

std::filesystem::path ToFsPath(std::wstring_view path) {
    return {toUtf8(path)};
}

void ProcessPathChange(ShellState& state, ShellWindow& window, const ConversionStages& stages) {
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
    if ((action & kSourceChanged) != 0) LoadSource(state, window, stages);
    if (state.sourceFound && state.outputState != OutputState::kUnusable)
        window.enableButton(kConvertButton);
}

void LoadSource(ShellState& state, ShellWindow& window, const ConversionStages& stages) {
    // The field may change while events are drained below; this read stays with this path.
    const std::wstring source = state.sourcePath;
    std::int64_t size = fileSize(ToFsPath(source));
    if (size < 0) return reportLoadFailure(state, window, L"file not found!");
    if (!isReadable(source))
        return reportLoadFailure(state, window, L"cannot read " + inQuotes(source));
    window.focusLog();
    window.appendLog(L"read " + inQuotes(FileNamePart(source)) + L" " + std::to_wstring(size) +
                     L" bytes...");
    window.drainEvents();
    WindowLog log(window);
    Diagnostics diag(&log);
    state.translation = stages.translate(ToFsPath(source), diag);
    state.translatedPath = source;
    state.translationHadErrors = diag.errorFlag();
    if (diag.errorFlag()) state.errorFlag = true;
    state.sourceLoaded = true;
    window.appendLog(L"finished!");
    state.sourceFound = true;
}

void ProcessConvertRequest(ShellState& state, ShellWindow& window, const ConversionStages& stages) {
    // Cleared first, so that a "convert" click during this conversion asks for another one.
    state.convertRequested = false;
    state.errorFlag = false;
    // The page goes where the output field pointed when the request was taken up.
    const std::wstring output = state.outputPath;
    if (shouldConvert(state, window)) {
        window.focusLog();
        if (!state.sourceLoaded) LoadSource(state, window, stages);
        if (state.sourceLoaded) {
            // Errors belong to the translation being written, even one made at the path change.
            if (state.translationHadErrors) state.errorFlag = true;
            convertLoadedSource(state, window, stages, output);
        }
    }
    if (state.autoMode == AutoMode::kOpenAfterConversion && !state.errorFlag) {
        OpenLastPage(state, window);
        if (state.quitAfterRun) window.shutDown();
    }
}

bool WritePage(std::wstring_view outputPath, std::wstring_view sourcePath,
               const TranslationResult& translation, const std::vector<std::wstring>& compacted) {
    std::filesystem::path target = ToFsPath(outputPath);
    if (target.empty() || sameFile(target, ToFsPath(sourcePath))) return false;
    return writePageFile(target, translation.pageLines, compacted, styleBlockLines());
}

void OpenLastPage(const ShellState& state, ShellWindow& window) {
    if (!state.lastWrittenPage.empty()) window.openPage(state.lastWrittenPage);
}

} // namespace qc::shell
