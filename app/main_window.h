#pragma once
// The compiler's one window: a source path row, the log field, an output path row and the
// buttons "sticky", "convert" and "run". Every user action only changes the shell state; the
// work runs in the next pass of the event loop (runPass), outside the slot that asked for it.
#include "app/conversion_actions.h"
#include "app/shell_platform.h"
#include "app/shell_state.h"
#include "app/shell_window.h"

#include <QTimer>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qc::shell {

class MainWindow : public QWidget, public ShellWindow {
    Q_OBJECT

public:
    // Builds the controls, shows the command line's paths in the path fields and schedules
    // the first pass, which handles what the command line asked for before any user action.
    MainWindow(ShellState& state, ShellPlatform& platform,
               const ConversionStages& stages = coreStages(), QWidget* parent = nullptr);

    void setFieldText(Control field, std::wstring_view text) override;
    void setFieldColour(Control field, Rgb colour) override;
    void enableButton(Control button) override;
    void clearLog() override;
    void appendLog(std::wstring_view line) override;
    void focusLog() override;
    void drainEvents() override;
    void processEventsDuringWork() override;
    bool askYesNo(std::wstring_view title, std::wstring_view question) override;
    void openPage(std::wstring_view path) override;
    void shutDown() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void sourceFieldEdited(const QString& text);
    void openButtonClicked();
    void outputFieldEdited(const QString& text);
    void saveButtonClicked();
    void stickyToggled(bool pressed);
    void convertButtonClicked();
    void runButtonClicked();

private:
    void buildControls();
    QLineEdit* addPathField(Control number, const QRect& geometry);
    QPushButton* addButton(Control number, const QString& text, const QRect& geometry);
    QLineEdit* pathField(Control number) const;
    void sourceChanged(const QString& path);
    void schedulePass();
    void handleWaitingEvents();
    void runPass();

    ShellState& state_;
    ShellPlatform& platform_;
    const ConversionStages& stages_;
    QTimer passTimer_;
    bool inPass_ = false;   // a pass is running; events handled meanwhile only set flags
    bool draining_ = false; // the source is about to be read: a close request is discarded
    bool ending_ = false;   // "/q" asked to end; no further pass
    bool logIsEmpty_ = true;

    QLineEdit* sourceField_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPlainTextEdit* logField_ = nullptr;
    QLineEdit* outputField_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* stickyButton_ = nullptr;
    QPushButton* convertButton_ = nullptr;
    QPushButton* runButton_ = nullptr;
};

} // namespace qc::shell
