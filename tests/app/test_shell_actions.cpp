// The command line and the conversion actions, driven through a recording window: what the
// user would see in the fields and the log, and what lands on disk.
#include "app/command_line.h"
#include "app/conversion_actions.h"
#include "recording_window.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace qc::shell;
using qc::ConversionStages;
using qc::coreStages;
using namespace qc::shell::testing;

namespace {

// The real stages, optionally reporting one error each, and counting translations.
ConversionStages stagesReporting(std::wstring translateError, std::wstring compactError,
                                 int* translations = nullptr) {
    return {[=](std::wstring text, const qc::IncludeLoader* includes, qc::Diagnostics& diag,
                qc::StageTimes* times) {
                if (translations != nullptr) ++*translations;
                auto result = coreStages().translate(std::move(text), includes, diag, times);
                if (!translateError.empty()) diag.error(translateError);
                return result;
            },
            [=](const std::vector<std::wstring>& lines, qc::RenameState& names,
                qc::Diagnostics& diag, const qc::ReportedWords* reported,
                std::vector<int>* sourceLines) {
                auto result = coreStages().compact(lines, names, diag, reported, sourceLines);
                if (!compactError.empty()) diag.error(compactError);
                return result;
            }};
}

struct Scene {
    QTemporaryDir dir;
    ShellState state;
    RecordingWindow window;

    QString path(const QString& name) const { return dir.filePath(name); }
    // A source game.pb and the output path, both given (pendingAction 3).
    void givePaths(const QString& source, const QString& output) {
        state.sourcePath = wide(source);
        state.outputPath = wide(output);
        state.pendingAction = kSourceChanged | kOutputChanged;
    }
};

QString sourceText() {
    return QStringLiteral("OpenWindow(0,10,10,200,100,\"hi\")\n");
}

// A log with its messages after the progress lines, sorted, and without the headless tool's
// closing count ("3 errors"): the tool orders its messages by source line, the window shows
// them as they come.
std::vector<std::wstring> sortedMessages(const std::vector<std::wstring>& log) {
    std::vector<std::wstring> progress;
    std::vector<std::wstring> messages;
    for (const std::wstring& line : log) {
        QString text = QString::fromStdWString(line);
        if (QRegularExpression("^\\d+ errors?$").match(text).hasMatch()) continue;
        bool isProgress = text.isEmpty() || text.startsWith("read \"") ||
                          text.startsWith("finished!") || text == "convert...";
        (isProgress ? progress : messages).push_back(line);
    }
    std::sort(messages.begin(), messages.end());
    progress.insert(progress.end(), messages.begin(), messages.end());
    return progress;
}

std::vector<std::wstring> lines(std::initializer_list<std::wstring> items) {
    return items;
}

} // namespace

class ShellActionsTest : public QObject {
    Q_OBJECT

private slots:
    void switchScan_data();
    void switchScan();
    void fileNameRules_data();
    void fileNameRules();
    void pathValidation_data();
    void pathValidation();
    void outputAloneIsUsedUnchanged();
    void twoConversionsInARow();
    void sourceThatDisappears();
    void errorsHoldBackOpening_data();
    void errorsHoldBackOpening();
    void conversionRequest_data();
    void conversionRequest();
    void unwritableOutput_data();
    void unwritableOutput();
    void sameOutputAsTheHeadlessTool();
};

void ShellActionsTest::switchScan_data() {
    // clang-format off
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("flags"); // c = convert, r/R = autoMode 1/2, s = sticky, q = quit
    QTest::addColumn<int>("pending");

    QTest::newRow("nothing") << QStringList{} << "" << "" << "" << 0;
    QTest::newRow("source only") << QStringList{"a.pb"} << "a.pb" << "" << "" << 1;
    QTest::newRow("output only") << QStringList{"", "b.html"} << "" << "b.html" << "" << 2;
    QTest::newRow("both") << QStringList{"a.pb", "b.html"} << "a.pb" << "b.html" << "" << 3;
    QTest::newRow("parameter 1 is never a switch") << QStringList{"/c"} << "/c" << "" << "" << 1;
    QTest::newRow("switch as parameter 2 leaves the output empty")
        << QStringList{"a.pb", "/c"} << "a.pb" << "" << "c" << 1;
    QTest::newRow("every switch")
        << QStringList{"a.pb", "b.html", "/q", "/s", "/r", "/c"}
        << "a.pb" << "b.html" << "crsq" << 3;
    QTest::newRow("/R wins over a later /r")
        << QStringList{"a.pb", "b.html", "/R", "/r"} << "a.pb" << "b.html" << "R" << 3;
    QTest::newRow("/R wins over an earlier /r")
        << QStringList{"a.pb", "b.html", "/r", "/R"} << "a.pb" << "b.html" << "R" << 3;
    QTest::newRow("switches are case-sensitive")
        << QStringList{"a.pb", "b.html", "/C", "/Q", "/S"} << "a.pb" << "b.html" << "" << 3;
    QTest::newRow("unknown parameters are ignored")
        << QStringList{"a.pb", "b.html", "-c", "c", "/x"} << "a.pb" << "b.html" << "" << 3;
    QTest::newRow("seventh parameter counts")
        << QStringList{"a.pb", "b.html", "x", "x", "x", "x", "/c"}
        << "a.pb" << "b.html" << "c" << 3;
    QTest::newRow("eighth parameter is ignored")
        << QStringList{"a.pb", "b.html", "x", "x", "x", "x", "x", "/c"}
        << "a.pb" << "b.html" << "" << 3;
    // clang-format on
}

void ShellActionsTest::switchScan() {
    QFETCH(QStringList, parameters);
    QFETCH(QString, source);
    QFETCH(QString, output);
    QFETCH(QString, flags);
    QFETCH(int, pending);
    std::vector<std::wstring> given;
    for (const QString& p : parameters) given.push_back(wide(p));
    ShellState state;
    readCommandLine(given, state);

    QString seen;
    if (state.convertRequested) seen += 'c';
    if (state.autoMode == AutoMode::kOpenAfterConversion) seen += 'r';
    if (state.autoMode == AutoMode::kOverwriteSilently) seen += 'R';
    if (state.stickyAtStart) seen += 's';
    if (state.quitAfterRun) seen += 'q';
    QCOMPARE(QString::fromStdWString(state.sourcePath), source);
    QCOMPARE(QString::fromStdWString(state.outputPath), output);
    QCOMPARE(seen, flags);
    QCOMPARE(state.pendingAction, pending);
}

void ShellActionsTest::fileNameRules_data() {
    // clang-format off
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("posix") << "/home/u/game.pb" << "game.pb" << true;
    QTest::newRow("backslashes") << "C:\\games\\pong.pb" << "pong.pb" << true;
    QTest::newRow("quoted path") << "\"C:\\x y\\game.pb\"" << "game.pb" << true;
    QTest::newRow("quoted name") << "\"game.pb\" rest" << "game.pb" << true;
    QTest::newRow("folder only") << "/tmp/" << "" << false;
    QTest::newRow("empty") << "" << "" << false;
    QTest::newRow("colon") << "a:b.pb" << "a:b.pb" << false;
    QTest::newRow("wildcard") << "/tmp/*.pb" << "*.pb" << false;
    QTest::newRow("pipe") << "x|y" << "x|y" << false;
    QTest::newRow("two dropped files") << "/a/one.pb\n/a/two.pb" << "two.pb" << true;
    QTest::newRow("line feed in name") << "one.pb\ntwo.pb" << "one.pb\ntwo.pb" << false;
    QTest::newRow("tab") << "a\tb" << "a\tb" << false;
    // clang-format on
}

void ShellActionsTest::fileNameRules() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(bool, valid);
    std::wstring part = fileNamePart(wide(path));
    QCOMPARE(QString::fromStdWString(part), name);
    QCOMPARE(isValidFileName(part), valid);
}

void ShellActionsTest::pathValidation_data() {
    // clang-format off
    QTest::addColumn<QString>("source"); // relative to the scene's folder
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("colours"); // field 11, field 41: G green, R red, Y yellow
    QTest::addColumn<bool>("convertEnabled");
    QTest::addColumn<QString>("lastLog");

    QTest::newRow("new page") << "game.pb" << "new.html" << "GG" << true << "finished!";
    QTest::newRow("existing page") << "game.pb" << "old.html" << "GY" << true << "finished!";
    QTest::newRow("missing source")
        << "ghost.pb" << "new.html" << "RG" << false << "file not found!";
    QTest::newRow("folder as source") << "sub" << "new.html" << "RG" << false << "file not found!";
    QTest::newRow("two dropped files")
        << "game.pb\n/x/other.pb" << "new.html" << "RG" << false << "file not found!";
    QTest::newRow("invalid name, file exists")
        << "odd:name.pb" << "new.html" << "RG" << true << "finished!";
    QTest::newRow("output names a folder only")
        << "game.pb" << "sub/" << "GR" << false << "finished!";
    QTest::newRow("invalid output name") << "game.pb" << "a?.html" << "GR" << false << "finished!";
    QTest::newRow("output folder missing")
        << "game.pb" << "nowhere/x.html" << "GG" << true << "finished!";
    // clang-format on
}

void ShellActionsTest::pathValidation() {
    QFETCH(QString, source);
    QFETCH(QString, output);
    QFETCH(QString, colours);
    QFETCH(bool, convertEnabled);
    QFETCH(QString, lastLog);
    Scene scene;
    QVERIFY(writeFile(scene.path("game.pb"), sourceText().toUtf8()));
    QVERIFY(writeFile(scene.path("odd:name.pb"), sourceText().toUtf8()));
    QVERIFY(writeFile(scene.path("old.html"), "old"));
    QVERIFY(QDir(scene.dir.path()).mkdir("sub"));
    scene.givePaths(scene.path(source), scene.path(output));

    processPathChange(scene.state, scene.window);

    auto letter = [&](Control field) {
        Rgb c = scene.window.colour.at(field);
        return c == kUsableColour     ? 'G'
               : c == kExistingColour ? 'Y'
               : c == kUnusableColour ? 'R'
                                      : '?';
    };
    QCOMPARE(QString() + letter(kSourceField) + letter(kOutputField), colours);
    QCOMPARE(scene.window.enabled.count(kConvertButton) == 1, convertEnabled);
    QVERIFY(!scene.window.log.empty());
    QCOMPARE(QString::fromStdWString(scene.window.log.back()), lastLog);
    QCOMPARE(scene.state.errorFlag, lastLog == "file not found!");
    QCOMPARE(scene.state.pendingAction, 0);
    QVERIFY(scene.window.fieldText.empty()); // both paths given: nothing derived
}

void ShellActionsTest::outputAloneIsUsedUnchanged() {
    Scene scene;
    scene.state.outputPath = wide(scene.path("page.html"));
    scene.state.pendingAction = kOutputChanged;

    processPathChange(scene.state, scene.window);

    QVERIFY(scene.state.outputPath == wide(scene.path("page.html")));
    QCOMPARE(scene.window.colour.count(kSourceField), size_t{0}); // the source is not validated
    QVERIFY(scene.window.colour.at(kOutputField) == kUsableColour);
    QVERIFY(scene.window.log.empty());
    QVERIFY(scene.window.enabled.empty());
}

void ShellActionsTest::twoConversionsInARow() {
    Scene scene;
    QVERIFY(writeFile(scene.path("game.pb"), sourceText().toUtf8()));
    int translations = 0;
    ConversionStages stages = stagesReporting(L"", L"", &translations);
    scene.state.sourcePath = wide(scene.path("game.pb"));
    scene.state.pendingAction = kSourceChanged;
    processPathChange(scene.state, scene.window, stages);

    processConvertRequest(scene.state, scene.window, stages);
    processConvertRequest(scene.state, scene.window, stages);

    QString page = scene.path("game.pb.html");
    std::wstring finished = L"finished! " + std::to_wstring(QFileInfo(page).size()) + L" bytes";
    std::wstring read = L"read \"game.pb\" " + std::to_wstring(sourceText().size()) + L" bytes...";
    QVERIFY(scene.window.log == lines({read, L"finished!", L"", L"convert...", finished, read,
                                       L"finished!", L"", L"convert...", finished}));
    QCOMPARE(translations, 2); // the second conversion reads the source again
    // The output was new when the paths were checked; the page this run wrote is replaced
    // without a question.
    QVERIFY(scene.window.questions.empty());
    QVERIFY(readFile(page).startsWith("<!DOCTYPE html"));
    QVERIFY(scene.window.enabled.count(kRunButton) == 1);
    QVERIFY(scene.state.lastWrittenPage == wide(page));
    QVERIFY(!scene.state.errorFlag);
}

void ShellActionsTest::sourceThatDisappears() {
    Scene scene;
    QVERIFY(writeFile(scene.path("game.pb"), sourceText().toUtf8()));
    scene.givePaths(scene.path("game.pb"), scene.path("out.html"));
    processPathChange(scene.state, scene.window);
    QVERIFY(scene.state.sourceLoaded);

    scene.state.sourcePath = wide(scene.path("ghost.pb"));
    scene.state.pendingAction = kSourceChanged;
    processPathChange(scene.state, scene.window);
    QVERIFY(scene.window.log == lines({L"file not found!"}));
    QVERIFY(!scene.state.sourceLoaded);

    processConvertRequest(scene.state, scene.window);
    QVERIFY(scene.window.log == lines({L"file not found!", L"file not found!"}));
    QVERIFY(scene.state.errorFlag);
    QVERIFY(!QFileInfo::exists(scene.path("out.html")));
    QVERIFY(scene.window.enabled.count(kRunButton) == 0);
}

void ShellActionsTest::errorsHoldBackOpening_data() {
    // clang-format off
    QTest::addColumn<QString>("translateError");
    QTest::addColumn<QString>("compactError");
    QTest::addColumn<bool>("readAgain"); // a second request, which translates anew
    QTest::addColumn<bool>("opened");
    QTest::newRow("no error") << "" << "" << false << true;
    QTest::newRow("translation made at the path change") << "bad line" << "" << false << false;
    QTest::newRow("translation made at the request") << "bad line" << "" << true << false;
    QTest::newRow("compaction") << "" << "bad name" << false << false;
    // clang-format on
}

// "/r /q": the page is written in every case, but opened (and the program ended) only when
// neither the translation being written nor the compaction reported an error.
void ShellActionsTest::errorsHoldBackOpening() {
    QFETCH(QString, translateError);
    QFETCH(QString, compactError);
    QFETCH(bool, readAgain);
    QFETCH(bool, opened);
    Scene scene;
    QVERIFY(writeFile(scene.path("game.pb"), sourceText().toUtf8()));
    ConversionStages stages = stagesReporting(wide(translateError), wide(compactError));
    scene.state.autoMode = AutoMode::kOpenAfterConversion;
    scene.state.quitAfterRun = true;
    scene.givePaths(scene.path("game.pb"), scene.path("out.html"));
    processPathChange(scene.state, scene.window, stages);
    if (readAgain) {
        scene.state.autoMode = AutoMode::kOverwriteSilently;
        processConvertRequest(scene.state, scene.window, stages);
        scene.state.autoMode = AutoMode::kOpenAfterConversion;
        QVERIFY(QFile::remove(scene.path("out.html")));
        scene.state.outputState = OutputState::kNew;
    }

    processConvertRequest(scene.state, scene.window, stages);

    QVERIFY(QFileInfo::exists(scene.path("out.html")));
    QCOMPARE(scene.state.errorFlag, !opened);
    QCOMPARE(scene.window.opened.size(), size_t{opened ? 1u : 0u});
    QCOMPARE(scene.window.shutDowns, opened ? 1 : 0);
    if (opened) QVERIFY(scene.window.opened[0] == wide(scene.path("out.html")));
}

void ShellActionsTest::conversionRequest_data() {
    // clang-format off
    QTest::addColumn<QString>("output"); // "page.html" exists already with "old"
    QTest::addColumn<int>("autoMode");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("opened"); // pages opened (the one written earlier in this run)

    QTest::newRow("new page") << "new.html" << 0 << false << false << true << 0;
    QTest::newRow("existing, answered No") << "page.html" << 0 << false << true << false << 0;
    QTest::newRow("existing, answered Yes") << "page.html" << 0 << true << true << true << 0;
    QTest::newRow("existing, /R") << "page.html" << 2 << false << false << true << 0;
    QTest::newRow("existing, /r, No opens the earlier page")
        << "page.html" << 1 << false << true << false << 1;
    QTest::newRow("unusable output does nothing")
        << "bad?.html" << 0 << true << false << false << 0;
    // clang-format on
}

void ShellActionsTest::conversionRequest() {
    QFETCH(QString, output);
    QFETCH(int, autoMode);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    QFETCH(int, opened);
    Scene scene;
    QVERIFY(writeFile(scene.path("game.pb"), sourceText().toUtf8()));
    QVERIFY(writeFile(scene.path("page.html"), "old"));
    scene.state.lastWrittenPage = L"earlier.html";
    scene.state.autoMode = static_cast<AutoMode>(autoMode);
    scene.state.quitAfterRun = true;
    scene.givePaths(scene.path("game.pb"), scene.path(output));
    processPathChange(scene.state, scene.window);
    size_t linesBefore = scene.window.log.size();
    scene.window.answer = answer;

    processConvertRequest(scene.state, scene.window);

    QCOMPARE(scene.window.questions.size(), size_t{asked ? 1u : 0u});
    bool wrote = readFile(scene.path(output)).startsWith("<!DOCTYPE html");
    QCOMPARE(wrote, written);
    if (!written) QCOMPARE(scene.window.log.size(), linesBefore); // a "no" logs nothing
    QCOMPARE(int(scene.window.opened.size()), opened);
    if (opened > 0) QVERIFY(scene.window.opened[0] == L"earlier.html");
    QCOMPARE(scene.window.shutDowns, opened);
    QCOMPARE(scene.state.lastWrittenPage == L"earlier.html", !written);
}

void ShellActionsTest::unwritableOutput_data() {
    // clang-format off
    QTest::addColumn<QString>("output");
    QTest::newRow("folder does not exist") << "nowhere/page.html";
    QTest::newRow("a folder") << "sub";
    QTest::newRow("the source itself") << "game.pb";
    QTest::newRow("read-only file system") << "/proc/quillcast-page.html";
    // clang-format on
}

// A page that cannot be written is a failure: it is reported, sets the error flag and
// leaves "run" and the last written page as they were; the source is never touched.
void ShellActionsTest::unwritableOutput() {
    QFETCH(QString, output);
    Scene scene;
    QVERIFY(writeFile(scene.path("game.pb"), sourceText().toUtf8()));
    QVERIFY(QDir(scene.dir.path()).mkdir("sub"));
    QString target = output.startsWith('/') ? output : scene.path(output);
    scene.state.autoMode = AutoMode::kOverwriteSilently;
    scene.state.lastWrittenPage = L"earlier.html";
    scene.givePaths(scene.path("game.pb"), target);
    processPathChange(scene.state, scene.window);

    processConvertRequest(scene.state, scene.window);

    QVERIFY(scene.window.log.back() == L"cannot write \"" + wide(target) + L"\"");
    QVERIFY(scene.state.errorFlag);
    QVERIFY(scene.window.enabled.count(kRunButton) == 0);
    QVERIFY(scene.state.lastWrittenPage == L"earlier.html");
    QCOMPARE(readFile(scene.path("game.pb")), sourceText().toUtf8());
    QVERIFY(QDir(scene.dir.path()).entryList({"*.tmp*"}, QDir::Files).isEmpty());
}

// Both programs run the same driver: for every golden program the window's path change and
// "convert" write the very bytes, and log the very lines, that the headless tool does.
void ShellActionsTest::sameOutputAsTheHeadlessTool() {
    QDir golden(QUILLCAST_SOURCE_DIR "/tests/golden");
    const QStringList programs = golden.entryList({"*.bas"}, QDir::Files);
    QVERIFY(!programs.isEmpty());
    for (const QString& name : programs) {
        Scene scene;
        QString source = scene.path(name);
        QVERIFY(QFile::copy(golden.filePath(name), source));
        scene.givePaths(source, scene.path("window.html"));
        processPathChange(scene.state, scene.window);
        processConvertRequest(scene.state, scene.window);

        QProcess cli;
        cli.start(QUILLCAST_CLI, {source, "-o", scene.path("cli.html")});
        QVERIFY(cli.waitForFinished(60000));
        std::vector<std::wstring> cliLog;
        for (const QString& line : QString::fromUtf8(cli.readAllStandardError()).split('\n'))
            cliLog.push_back(wide(line));
        cliLog.pop_back(); // after the last line's end

        QVERIFY2(sortedMessages(scene.window.log) == sortedMessages(cliLog), qPrintable(name));
        QByteArray page = readFile(scene.path("cli.html"));
        QVERIFY2(!page.isEmpty() && readFile(scene.path("window.html")) == page, qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(ShellActionsTest)
#include "test_shell_actions.moc"
