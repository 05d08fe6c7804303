// The real quillcast binary, run unattended on the offscreen platform: "/c /r /q" converts,
// opens and ends; an existing page is asked about first ("/R" is covered by the conversion
// request table in test_shell_actions). The browser is a stub script named by QUILLCAST_OPEN that
// records its argument; the overwrite question is answered by the QUILLCAST_TEST_ANSWER test hook.
#include "recording_window.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace qc::shell::testing;

namespace {

constexpr int kRunLimitMs = 60000;

struct Run {
    QTemporaryDir dir;
    QProcess process;

    Run() {
        writeFile(path("game.pb"), "OpenWindow(0,10,10,200,100,\"hi\")\n");
        QString recorder = "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + path("opened.txt") + "'\n";
        writeFile(path("browser.sh"), recorder.toUtf8());
        QFile::setPermissions(path("browser.sh"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~Run() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void start(const QStringList& switches, const QString& answer) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QUILLCAST_OPEN", path("browser.sh"));
        env.insert("QUILLCAST_TEST_ANSWER", answer);
        process.setProcessEnvironment(env);
        process.start(QUILLCAST_APP, QStringList{path("game.pb"), path("out.html")} + switches);
    }
    QStringList opened() const {
        return QString::fromUtf8(readFile(path("opened.txt"))).split('\n', Qt::SkipEmptyParts);
    }
    bool pageWritten() const { return readFile(path("out.html")).startsWith("<!DOCTYPE html"); }
    QString question() const { return "info: overwrite file \"" + path("out.html") + "\"?"; }
};

} // namespace

class WindowProgramTest : public QObject {
    Q_OBJECT

private slots:
    void convertOpenAndEnd();
    void existingPageIsAskedAbout_data();
    void existingPageIsAskedAbout();
};

void WindowProgramTest::convertOpenAndEnd() {
    Run run;
    run.start({"/c", "/r", "/q"}, "no");
    QVERIFY(run.process.waitForFinished(kRunLimitMs));
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process.exitCode(), 0);
    QVERIFY(run.pageWritten());
    QVERIFY(!run.process.readAllStandardError().contains("info:")); // a new page: no question
    QTRY_COMPARE_WITH_TIMEOUT(run.opened(), QStringList({run.path("out.html")}), kRunLimitMs);
}

void WindowProgramTest::existingPageIsAskedAbout_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("No writes nothing and still ends") << "no" << false;
    QTest::newRow("Yes replaces the page and opens it") << "yes" << true;
}

void WindowProgramTest::existingPageIsAskedAbout() {
    QFETCH(QString, answer);
    QFETCH(bool, written);
    Run run;
    writeFile(run.path("out.html"), "old");
    run.start({"/c", "/r", "/q"}, answer);
    QVERIFY(run.process.waitForFinished(kRunLimitMs));
    QCOMPARE(run.process.exitCode(), 0);
    QString errors = QString::fromUtf8(run.process.readAllStandardError());
    QVERIFY2(errors.contains(run.question()), qPrintable(errors));
    QCOMPARE(run.pageWritten(), written);
    if (!written) QCOMPARE(readFile(run.path("out.html")), QByteArray("old"));
    QStringList expectedOpened = written ? QStringList{run.path("out.html")} : QStringList{};
    QTRY_COMPARE_WITH_TIMEOUT(run.opened(), expectedOpened, kRunLimitMs);
}

QTEST_GUILESS_MAIN(WindowProgramTest)
#include "test_window_program.moc"
