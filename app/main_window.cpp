#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QUrl>

namespace qc::shell {
namespace {

QString toQString(std::wstring_view text) {
    return QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The controls are laid out from a 5-pixel margin and a row cursor, so the rows keep their
// spacing if one of them changes height.
constexpr int kMargin = 5;
constexpr int kRowGap = 5;
constexpr int kPathRowHeight = 20;
constexpr int kButtonRowHeight = 25;
constexpr int kSideButtonWidth = 70;

} // namespace

MainWindow::MainWindow(ShellState& state, ShellPlatform& platform, const ConversionStages& stages,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state), platform_(platform), stages_(stages) {
    setWindowTitle(toQString(kWindowTitle) + QLatin1Char(' ') + toQString(kVersionTag));
    setGeometry(kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight);
    setFixedSize(kWindowWidth, kWindowHeight);
    setAcceptDrops(true);
    buildControls();
    if (state_.stickyAtStart) {
        stickyButton_->setChecked(true);
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    sourceField_->setText(toQString(state_.sourcePath));
    outputField_->setText(toQString(state_.outputPath));

    passTimer_.setSingleShot(true);
    passTimer_.setInterval(0);
    connect(&passTimer_, &QTimer::timeout, this, &MainWindow::runPass);
    schedulePass();
}

void MainWindow::buildControls() {
    const int x0 = kMargin;
    const int width = kWindowWidth - 2 * kMargin;
    const int height = kWindowHeight - 2 * kMargin;
    const int fieldWidth = width - kSideButtonWidth;
    int y = kMargin;

    sourceField_ = addPathField(kSourceField, {x0, y, fieldWidth, kPathRowHeight});
    openButton_ = addButton(kOpenButton, QStringLiteral("open..."),
                            {x0 + fieldWidth, y, kSideButtonWidth, kPathRowHeight});
    y += kPathRowHeight + kRowGap;

    logField_ = new QPlainTextEdit(this);
    logField_->setObjectName(QStringLiteral("field%1").arg(int{kLogField}));
    logField_->setReadOnly(true);
    logField_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logField_->setGeometry(x0, y, width, height - y - 2 * kButtonRowHeight);
    y = logField_->y() + logField_->height() + kRowGap;

    outputField_ = addPathField(kOutputField, {x0, y, fieldWidth, kPathRowHeight});
    saveButton_ = addButton(kSaveButton, QStringLiteral("..."),
                            {x0 + fieldWidth, y, kSideButtonWidth, kPathRowHeight});
    y += kPathRowHeight + kRowGap;

    const int sideWidth = 50;
    stickyButton_ =
        addButton(kStickyButton, QStringLiteral("sticky"), {x0, y, sideWidth, kButtonRowHeight});
    stickyButton_->setCheckable(true);
    convertButton_ = addButton(kConvertButton, QStringLiteral("convert"),
                               {x0 + sideWidth, y, width - 2 * sideWidth, kButtonRowHeight});
    convertButton_->setEnabled(false);
    runButton_ = addButton(kRunButton, QStringLiteral("run"),
                           {x0 + width - sideWidth, y, sideWidth, kButtonRowHeight});
    runButton_->setEnabled(false);

    // textEdited, not textChanged: only the user's own edits count as a changed path.
    connect(sourceField_, &QLineEdit::textEdited, this, &MainWindow::sourceFieldEdited);
    connect(openButton_, &QPushButton::clicked, this, &MainWindow::openButtonClicked);
    connect(outputField_, &QLineEdit::textEdited, this, &MainWindow::outputFieldEdited);
    connect(saveButton_, &QPushButton::clicked, this, &MainWindow::saveButtonClicked);
    connect(stickyButton_, &QPushButton::toggled, this, &MainWindow::stickyToggled);
    connect(convertButton_, &QPushButton::clicked, this, &MainWindow::convertButtonClicked);
    connect(runButton_, &QPushButton::clicked, this, &MainWindow::runButtonClicked);
}

QLineEdit* MainWindow::addPathField(Control number, const QRect& geometry) {
    auto* field = new QLineEdit(QStringLiteral("path"), this);
    field->setObjectName(QStringLiteral("field%1").arg(int{number}));
    field->setGeometry(geometry);
    return field;
}

QPushButton* MainWindow::addButton(Control number, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("button%1").arg(int{number}));
    button->setGeometry(geometry);
    return button;
}

QLineEdit* MainWindow::pathField(Control number) const {
    return number == kSourceField ? sourceField_ : number == kOutputField ? outputField_ : nullptr;
}

void MainWindow::setFieldText(Control field, std::wstring_view text) {
    if (QLineEdit* target = pathField(field)) target->setText(toQString(text));
}

void MainWindow::setFieldColour(Control field, Rgb colour) {
    QLineEdit* target = pathField(field);
    if (target == nullptr) return;
    QPalette palette = target->palette();
    palette.setColor(QPalette::Base, QColor(colour.r, colour.g, colour.b));
    target->setPalette(palette);
}

void MainWindow::enableButton(Control button) {
    if (button == kConvertButton) convertButton_->setEnabled(true);
    if (button == kRunButton) runButton_->setEnabled(true);
}

void MainWindow::clearLog() {
    logField_->clear();
    logIsEmpty_ = true;
}

// Not appendPlainText: into an empty log it would swallow an empty first line, and the
// empty line before "convert..." is part of the log.
void MainWindow::appendLog(std::wstring_view line) {
    QTextCursor cursor = logField_->textCursor();
    cursor.movePosition(QTextCursor::End);
    if (!logIsEmpty_) cursor.insertBlock();
    cursor.insertText(toQString(line));
    logIsEmpty_ = false;
    logField_->setTextCursor(cursor);
    logField_->ensureCursorVisible();
}

void MainWindow::focusLog() {
    logField_->setFocus();
}

void MainWindow::drainEvents() {
    draining_ = true;
    handleWaitingEvents();
    draining_ = false;
}

void MainWindow::processEventsDuringWork() {
    handleWaitingEvents();
}

// Until none is left, including those posted while handling the others; the time limit
// only matters if events keep arriving faster than they are handled.
void MainWindow::handleWaitingEvents() {
    constexpr int kLongestMs = 100;
    QCoreApplication::processEvents(QEventLoop::AllEvents, kLongestMs);
}

bool MainWindow::askYesNo(std::wstring_view title, std::wstring_view question) {
    return platform_.askYesNo(this, toQString(title), toQString(question));
}

void MainWindow::openPage(std::wstring_view path) {
    platform_.openPage(toQString(path));
}

void MainWindow::shutDown() {
    ending_ = true;
    platform_.endProgram(false);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (draining_) {
        event->ignore();
        return;
    }
    if (inPass_) {
        // Met while the translator or the compaction processes events: nothing of the
        // running conversion is worth finishing.
        event->ignore();
        platform_.endProgram(true);
        return;
    }
    event->accept();
    shutDown();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

// Several files give one path with line feeds in it, which no file matches.
void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    QString joined = paths.join(QLatin1Char('\n'));
    sourceField_->setText(joined);
    sourceChanged(joined);
}

void MainWindow::sourceFieldEdited(const QString& text) {
    sourceChanged(text);
}

void MainWindow::openButtonClicked() {
    QString path = platform_.chooseSourceFile(this);
    if (path.isEmpty()) return;
    sourceField_->setText(path);
    sourceChanged(path);
}

void MainWindow::outputFieldEdited(const QString& text) {
    state_.outputPath = text.toStdWString();
    state_.outputChosenByUser = true;
    state_.pendingAction |= kOutputChanged;
    schedulePass();
}

// A cancelled requester keeps the path but still counts as the user's choice, and the path
// is validated again.
void MainWindow::saveButtonClicked() {
    QString path = platform_.chooseOutputFile(this);
    if (!path.isEmpty()) {
        state_.outputPath = path.toStdWString();
        outputField_->setText(path);
    }
    state_.outputChosenByUser = true;
    state_.pendingAction |= kOutputChanged;
    schedulePass();
}

void MainWindow::stickyToggled(bool pressed) {
    setWindowFlag(Qt::WindowStaysOnTopHint, pressed);
    show(); // changing the flags hides a shown window
}

void MainWindow::convertButtonClicked() {
    state_.convertRequested = true;
    schedulePass();
}

void MainWindow::runButtonClicked() {
    openLastPage(state_, *this);
}

void MainWindow::sourceChanged(const QString& path) {
    state_.sourcePath = path.toStdWString();
    state_.pendingAction |= kSourceChanged;
    schedulePass();
}

void MainWindow::schedulePass() {
    if (!ending_) passTimer_.start();
}

// One pass of the event loop: the path change first, then the conversion request. Events
// handled while a pass works (a "convert" click, a typed path) only set the flags, which
// the next pass picks up.
void MainWindow::runPass() {
    if (inPass_ || ending_) return;
    inPass_ = true;
    if (state_.pendingAction != 0) processPathChange(state_, *this, stages_);
    if (state_.convertRequested && !ending_) processConvertRequest(state_, *this, stages_);
    inPass_ = false;
    if (state_.pendingAction != 0 || state_.convertRequested) schedulePass();
}

} // namespace qc::shell
