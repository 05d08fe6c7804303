// The window as a user meets it, on the offscreen platform: the controls, typing and
// dropping paths, the buttons, and closing the window at the different moments of a
// conversion. The desktop (requesters, the question, the browser, ending the process) is a
// fake, so no dialog ever opens and the test process never ends early.
#include "app/main_window.h"
#include "recording_window.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace qc::shell;
using qc::ConversionStages;
using qc::coreStages;
using namespace qc::shell::testing;

namespace {

class FakePlatform : public ShellPlatform {
public:
    QString chooseSourceFile(QWidget*) override { return sourceChoice; }
    QString chooseOutputFile(QWidget*) override { return outputChoice; }
    bool askYesNo(QWidget*, const QString& title, const QString& question) override {
        questions << title + ": " + question;
        if (onQuestion) onQuestion();
        return answer;
    }
    void openPage(const QString& path) override { opened << path; }
    void endProgram(bool atOnce) override { endings.push_back(atOnce); }

    QString sourceChoice;
    QString outputChoice;
    bool answer = false;
    std::function<void()> onQuestion;
    QStringList questions;
    QStringList opened;
    std::vector<bool> endings;
};

const QByteArray kSource = "OpenWindow(0,10,10,200,100,\"hi\")\n";

// Lets the pending passes of the event loop run; each pass is started by a zero timer.
void runPasses() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

struct Scene {
    QTemporaryDir dir;
    ShellState state;
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    explicit Scene(const ConversionStages& stages = coreStages()) {
        writeFile(path("game.pb"), kSource);
        open(stages);
    }
    void open(const ConversionStages& stages = coreStages()) {
        window = std::make_unique<MainWindow>(state, platform, stages);
        window->show();
        runPasses();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    template <class T> T* control(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QStringList log() const {
        QString text = control<QPlainTextEdit>("field21")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }
    QColor colour(const char* name) const { return field(name)->palette().color(QPalette::Base); }
    void type(const char* name, const QString& text) {
        QTest::keyClicks(field(name), text);
        runPasses();
    }
    void click(const char* name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        runPasses();
    }
    void drop(const QStringList& files) {
        QList<QUrl> urls;
        for (const QString& f : files) urls << QUrl::fromLocalFile(f);
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter); // a drop always follows an entering drag
        QDropEvent event(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
        runPasses();
    }
};

const QColor kGreen(192, 255, 192);
const QColor kRed(255, 192, 192);
const QColor kYellow(255, 255, 192);

QString readLine(const QString& name, qint64 size) {
    return QStringLiteral("read \"%1\" %2 bytes...").arg(name).arg(size);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlTable_data();
    void controlTable();
    void windowFrame();
    void typedSourceDerivesTheOutputUntilTheUserTypesOne();
    void droppedFiles();
    void typedConvertedRunPageWorksInTheBrowser();
    void commandLineConvertsWithoutUserAction();
    void requesters();
    void sticky();
    void closeWhileIdleEndsTheProgram();
    void closeWhileSourceIsReadIsDiscarded();
    void closeWhileTranslatingEndsAtOnce();
    void convertClickDuringConversionOnlySetsTheFlag();
};

void MainWindowTest::controlTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("source path") << "field11" << QRect(5, 5, 370, 20) << "" << true;
    QTest::newRow("open...") << "button12" << QRect(375, 5, 70, 20) << "open..." << true;
    QTest::newRow("log") << "field21" << QRect(5, 30, 440, 210) << "" << true;
    QTest::newRow("output path") << "field41" << QRect(5, 245, 370, 20) << "" << true;
    QTest::newRow("...") << "button42" << QRect(375, 245, 70, 20) << "..." << true;
    QTest::newRow("sticky") << "button50" << QRect(5, 270, 50, 25) << "sticky" << true;
    QTest::newRow("convert") << "button51" << QRect(55, 270, 340, 25) << "convert" << false;
    QTest::newRow("run") << "button52" << QRect(395, 270, 50, 25) << "run" << false;
}

void MainWindowTest::controlTable() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    Scene scene;
    auto* control = scene.control<QWidget>(qPrintable(name));
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(control->property("text").toString() + control->property("plainText").toString(),
             text);
    QCOMPARE(scene.log(), QStringList()); // no parameters: nothing validated, nothing logged
}

void MainWindowTest::windowFrame() {
    Scene scene;
    MainWindow& window = *scene.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillcast Compiler r50"));
    QCOMPARE(window.geometry(), QRect(50, 50, 450, 300));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(window.acceptDrops());
    QVERIFY(scene.control<QPlainTextEdit>("field21")->isReadOnly());
    QVERIFY(scene.button("button50")->isCheckable());
    QVERIFY(!scene.button("button50")->isChecked());
}

void MainWindowTest::typedSourceDerivesTheOutputUntilTheUserTypesOne() {
    Scene scene;
    scene.type("field11", scene.path("game.pb"));
    QCOMPARE(scene.field("field41")->text(), scene.path("game.pb.html"));
    QCOMPARE(scene.log(), QStringList({readLine("game.pb", kSource.size()), "finished!"}));
    QVERIFY(!scene.state.outputChosenByUser);
    QVERIFY(scene.button("button51")->isEnabled());
    QCOMPARE(scene.colour("field11"), kGreen); // the other colours: pathValidation, below

    scene.type("field41", "x"); // from now on the output is the user's
    QVERIFY(scene.state.outputChosenByUser);
    QString chosen = scene.path("game.pb.htmlx");
    QCOMPARE(scene.field("field41")->text(), chosen);

    scene.field("field11")->clear();
    scene.type("field11", scene.path("other.pb"));
    QCOMPARE(scene.field("field41")->text(), chosen);
    QCOMPARE(scene.state.outputPath, wide(chosen));
}

void MainWindowTest::droppedFiles() {
    Scene scene;
    scene.drop({scene.path("game.pb")});
    QCOMPARE(scene.field("field11")->text(), scene.path("game.pb"));
    QCOMPARE(scene.field("field41")->text(), scene.path("game.pb.html"));
    writeFile(scene.path("two.pb"), "");
    scene.drop({scene.path("game.pb"), scene.path("two.pb")});
    QCOMPARE(scene.state.sourcePath, wide(scene.path("game.pb") + '\n' + scene.path("two.pb")));
    QCOMPARE(scene.colour("field11"), kRed); // the rest of that row is in pathValidation
}

// The whole road as a user takes it: type the path, press "convert", press "run" (which opens
// the last page written, whatever the output field says by then); the page handed to the
// browser then really runs in Chromium.
void MainWindowTest::typedConvertedRunPageWorksInTheBrowser() {
    Scene scene;
    const QByteArray source = "OpenWindow(0, 10, 10, 200, 100, \"Hello\")\n"
                              "ButtonGadget(1, 10, 10, 80, 24, \"Press\")\n"
                              "Debug \"started\"\n"
                              "Repeat\n"
                              "\te = WaitWindowEvent()\n"
                              "\tIf e = #PB_Event_Gadget : SetGadgetText(1, \"Pressed\") : EndIf\n"
                              "Until e = #PB_Event_CloseWindow\n"
                              "Debug \"bye\"\n";
    writeFile(scene.path("hello.pb"), source);
    scene.type("field11", scene.path("hello.pb"));
    scene.click("button51");
    QString page = scene.path("hello.pb.html");
    QString finished = QStringLiteral("finished! %1 bytes").arg(QFileInfo(page).size());
    QCOMPARE(scene.log(), QStringList({readLine("hello.pb", source.size()), "finished!", "",
                                       "convert...", finished}));
    QVERIFY(scene.button("button52")->isEnabled());
    QVERIFY(scene.platform.opened.isEmpty()); // no "/r": nothing opens by itself
    scene.field("field41")->clear();
    scene.type("field41", scene.path("elsewhere.html"));
    scene.click("button52");
    QCOMPARE(scene.platform.opened, QStringList({page}));

    const QString browserTests = QStringLiteral(QUILLCAST_SOURCE_DIR "/tests/browser");
    if (!QFileInfo::exists(browserTests + "/node_modules/playwright-core") ||
        !QFileInfo::exists("/usr/bin/chromium"))
        QSKIP("Chromium or playwright-core is not installed (scripts/install-deps installs both)");
    QProcess node;
    node.setProcessChannelMode(QProcess::MergedChannels);
    node.start("node", {QStringLiteral(QUILLCAST_SOURCE_DIR "/tests/app/page-check.mjs"), page});
    QVERIFY(node.waitForFinished(60000));
    QVERIFY2(node.exitCode() == 0, node.readAll().constData());
}

void MainWindowTest::commandLineConvertsWithoutUserAction() {
    QTemporaryDir dir;
    ShellState state;
    FakePlatform platform;
    writeFile(dir.filePath("game.pb"), "");
    state.sourcePath = wide(dir.filePath("game.pb"));
    state.outputPath = wide(dir.filePath("out.html"));
    state.pendingAction = kSourceChanged | kOutputChanged;
    state.convertRequested = true;
    state.autoMode = AutoMode::kOpenAfterConversion;
    state.quitAfterRun = true;
    MainWindow window(state, platform);
    QCOMPARE(window.findChild<QLineEdit*>("field11")->text(), dir.filePath("game.pb"));
    runPasses();
    QVERIFY(readFile(dir.filePath("out.html")).startsWith("<!DOCTYPE html"));
    QCOMPARE(platform.opened, QStringList({dir.filePath("out.html")}));
    QCOMPARE(platform.endings, std::vector<bool>{false});
}

void MainWindowTest::requesters() {
    Scene scene;
    scene.click("button12"); // cancelled: nothing changes, nothing runs
    QCOMPARE(scene.field("field11")->text(), QString());
    QCOMPARE(scene.state.sourcePath, std::wstring());

    scene.platform.sourceChoice = scene.path("game.pb");
    scene.click("button12");
    QCOMPARE(scene.field("field11")->text(), scene.path("game.pb"));
    QCOMPARE(scene.log(), QStringList({readLine("game.pb", kSource.size()), "finished!"}));

    scene.click("button42"); // cancelled: still the user's choice, validated again
    QVERIFY(scene.state.outputChosenByUser);
    QCOMPARE(scene.field("field41")->text(), scene.path("game.pb.html"));
    QVERIFY(scene.log().isEmpty());

    scene.platform.outputChoice = scene.path("chosen.html");
    scene.click("button42");
    QCOMPARE(scene.field("field41")->text(), scene.path("chosen.html"));
    QCOMPARE(scene.state.outputPath, wide(scene.path("chosen.html")));
}

void MainWindowTest::sticky() {
    Scene scene;
    scene.click("button50");
    QVERIFY(scene.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(scene.window->isVisible());
    scene.click("button50");
    QVERIFY(!scene.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(scene.window->isVisible());

    scene.state.stickyAtStart = true;
    scene.open();
    QVERIFY(scene.button("button50")->isChecked());
    QVERIFY(scene.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void MainWindowTest::closeWhileIdleEndsTheProgram() {
    Scene scene;
    scene.window->close();
    QCOMPARE(scene.platform.endings, std::vector<bool>{false});
}

// The second conversion reads the source again; a close request that arrives while the
// pending events are drained before that read is discarded, and the conversion completes.
void MainWindowTest::closeWhileSourceIsReadIsDiscarded() {
    Scene scene;
    writeFile(scene.path("old.html"), "old");
    scene.type("field11", scene.path("game.pb"));
    scene.field("field41")->clear();
    scene.type("field41", scene.path("old.html"));
    QCOMPARE(scene.colour("field41"), kYellow);
    scene.platform.answer = true;
    scene.click("button51");
    scene.platform.onQuestion = [&] {
        QCoreApplication::postEvent(scene.window.get(), new QCloseEvent);
    };
    scene.click("button51");
    QCOMPARE(scene.platform.questions.size(), 2);
    QVERIFY(scene.platform.endings.empty());
    QVERIFY(scene.window->isVisible());
    QStringList log = scene.log();
    QCOMPARE(log.size(), 8);
    QCOMPARE(log[3], readLine("game.pb", kSource.size()));
    QVERIFY(log[7].startsWith("finished! "));
}

void MainWindowTest::closeWhileTranslatingEndsAtOnce() {
    QWidget* target = nullptr;
    ConversionStages stages = coreStages();
    stages.translate = [&](std::wstring text, const qc::IncludeLoader* includes,
                           qc::Diagnostics& diag, qc::StageTimes* times) {
        QCoreApplication::postEvent(target, new QCloseEvent);
        diag.error(L"unknown command");
        return coreStages().translate(std::move(text), includes, diag, times);
    };
    Scene scene(stages);
    target = scene.window.get();
    scene.type("field11", scene.path("game.pb"));
    QCOMPARE(scene.platform.endings, std::vector<bool>{true});
}

void MainWindowTest::convertClickDuringConversionOnlySetsTheFlag() {
    QPushButton* convert = nullptr;
    int depth = 0;
    int deepest = 0;
    int conversions = 0;
    ConversionStages stages = coreStages();
    stages.compact = [&](const std::vector<std::wstring>& lines, qc::RenameState& names,
                         qc::Diagnostics& diag, const qc::ReportedWords* reported,
                         std::vector<int>* sourceLines) {
        deepest = std::max(deepest, ++depth);
        if (++conversions == 1) {
            convert->click();
            diag.error(L"slow"); // the host processes events here
        }
        auto result = coreStages().compact(lines, names, diag, reported, sourceLines);
        --depth;
        return result;
    };
    Scene scene(stages);
    convert = scene.button("button51");
    scene.type("field11", scene.path("game.pb"));
    scene.click("button51");
    QCOMPARE(deepest, 1);
    QCOMPARE(conversions, 2); // the click during the first one asked for a second one
    QVERIFY(!scene.state.convertRequested);
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
