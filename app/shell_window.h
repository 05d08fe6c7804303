#pragma once
// What the conversion actions need of the window. The main window implements it; tests
// replace it with a recorder, so the actions run without any window toolkit.
#include "app/shell_state.h"

#include <string_view>

namespace qc::shell {

class ShellWindow {
public:
    virtual ~ShellWindow() = default;

    // The program's own update of a path field; it never counts as the user's edit.
    virtual void setFieldText(Control field, std::wstring_view text) = 0;
    virtual void setFieldColour(Control field, Rgb colour) = 0;
    virtual void enableButton(Control button) = 0;

    virtual void clearLog() = 0;
    virtual void appendLog(std::wstring_view line) = 0;
    virtual void focusLog() = 0;

    // Handles the events waiting now before a translation starts; a close request among
    // them is discarded.
    virtual void drainEvents() = 0;
    // Handles the events waiting now on behalf of the translator or the compaction, which
    // report progress during long work; a close request among them ends the program at once.
    virtual void processEventsDuringWork() = 0;

    // A Yes/No question; true for Yes.
    virtual bool askYesNo(std::wstring_view title, std::wstring_view question) = 0;
    // Opens a written page in the browser without waiting for it.
    virtual void openPage(std::wstring_view path) = 0;
    // Ends the program once the current step returns (the "/q" ending).
    virtual void shutDown() = 0;
};

} // namespace qc::shell
