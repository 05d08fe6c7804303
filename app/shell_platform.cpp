#include "app/shell_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace qc::shell {
namespace {

class DesktopPlatform : public ShellPlatform {
public:
    QString chooseSourceFile(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), QString());
    }

    QString chooseOutputFile(QWidget* parent) override {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("save"), QString(), QString());
    }

    bool askYesNo(QWidget* parent, const QString& title, const QString& question) override {
        QString preset = qEnvironmentVariable("QUILLCAST_TEST_ANSWER").toLower();
        if (preset == QLatin1String("yes") || preset == QLatin1String("no")) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(question));
            std::fflush(stderr);
            return preset == QLatin1String("yes");
        }
        auto answer =
            QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes;
    }

    void openPage(const QString& path) override {
        QFileInfo page(path);
        QString opener = qEnvironmentVariable("QUILLCAST_OPEN");
        if (!opener.isEmpty()) {
            QProcess::startDetached(opener, {page.absoluteFilePath()}, page.absolutePath());
            return;
        }
        QDesktopServices::openUrl(QUrl::fromLocalFile(page.absoluteFilePath()));
    }

    void endProgram(bool atOnce) override {
        if (!atOnce) {
            QCoreApplication::exit(0);
            return;
        }
        // Deep inside a conversion nothing needs unwinding: no settings are kept, and the page
        // is written only after the translator and the compaction are done.
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

} // namespace

std::unique_ptr<ShellPlatform> makeDesktopPlatform() {
    return std::make_unique<DesktopPlatform>();
}

} // namespace qc::shell
