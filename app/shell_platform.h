#pragma once
// The parts of the desktop that the window program asks for but tests must never meet: the
// file requesters, the Yes/No question, the browser and the end of the process. GUI tests
// replace this interface, so no dialog ever opens and no test process ends.
#include <QString>
#include <memory>

class QWidget;

namespace qc::shell {

class ShellPlatform {
public:
    virtual ~ShellPlatform() = default;
    // Each returns the chosen path, or an empty string when the requester was cancelled.
    virtual QString chooseSourceFile(QWidget* parent) = 0;
    virtual QString chooseOutputFile(QWidget* parent) = 0;
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& question) = 0;
    // Starts the browser (or the program named by QUILLCAST_OPEN) on the page; no waiting.
    virtual void openPage(const QString& path) = 0;
    // Ends the process with exit code 0: orderly once the event loop regains control, or at
    // once (a close request met while the translator or the compaction processes events).
    virtual void endProgram(bool atOnce) = 0;
};

// The real desktop. Test hook: when the environment variable QUILLCAST_TEST_ANSWER is "yes"
// or "no", the Yes/No question is answered with it instead of being shown, and the
// question is written to stderr as "TITLE: QUESTION" so a test can see that it was asked.
std::unique_ptr<ShellPlatform> makeDesktopPlatform();

} // namespace qc::shell
