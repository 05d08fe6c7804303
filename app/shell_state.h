#pragma once
// The window program's one process-wide record: paths, switches, pending actions, the
// conversion state and the error flag. The event loop and the conversion actions read and
// write it; it outlives every conversion, and so does the rename state it owns (converting
// the same source twice in one run gives the same short names).
#include "convert/conversion.h"

#include <array>
#include <string>

namespace qc::shell {

// Controls are addressed by their fixed numbers; the numbers are also their object names
// ("field11", "button51").
enum Control : int {
    kSourceField = 11,
    kOpenButton = 12,
    kLogField = 21,
    kOutputField = 41,
    kSaveButton = 42,
    kStickyButton = 50,
    kConvertButton = 51,
    kRunButton = 52,
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kUsableColour{192, 255, 192};   // a usable path
inline constexpr Rgb kUnusableColour{255, 192, 192}; // missing source or invalid name
inline constexpr Rgb kExistingColour{255, 255, 192}; // an output that would be replaced

// Bits of pendingAction.
inline constexpr int kSourceChanged = 1;
inline constexpr int kOutputChanged = 2;

enum class OutputState : int { kUnusable = 0, kNew = 1, kExists = 2 };

enum class AutoMode : int {
    kNone = 0,
    kOpenAfterConversion = 1, // "/r"
    kOverwriteSilently = 2,   // "/R"
};

struct ShellState {
    // From the command line.
    std::wstring sourcePath;
    std::wstring outputPath;
    std::array<std::wstring, 5> laterParameters; // parameters 3 to 7, for the switch scan
    bool convertRequested = false;
    AutoMode autoMode = AutoMode::kNone;
    bool stickyAtStart = false;
    bool quitAfterRun = false;

    int pendingAction = 0; // kSourceChanged | kOutputChanged
    bool errorFlag = false;

    // Conversion state.
    bool outputChosenByUser = false; // once set, the output path is never derived again
    bool outputDerived = false;
    OutputState outputState = OutputState::kUnusable;
    bool sourceFound = false;
    bool sourceLoaded = false; // `loaded` holds the current source, not yet written
    std::wstring lastWrittenPage;

    // The translation made by the last successful read. Its errors hold back the automatic
    // opening when this translation is written.
    LoadedSource loaded;

    RenameState renameState;
};

inline constexpr const wchar_t* kWindowTitle = L"Quillcast Compiler";
inline constexpr const wchar_t* kVersionTag = L"r50";
inline constexpr int kWindowWidth = 450;
inline constexpr int kWindowHeight = 300;
inline constexpr int kWindowLeft = 50;
inline constexpr int kWindowTop = 50;

} // namespace qc::shell
