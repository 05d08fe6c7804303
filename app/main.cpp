// quillcast: the desktop compiler. One window; the command line presets the two paths and
// may ask for an unattended conversion ("/c"), opening the page ("/r"), overwriting without
// asking ("/R"), staying on top ("/s") and ending after the page is opened ("/q").
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/shell_platform.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<std::wstring> parameters;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        parameters.push_back(arguments[i].toStdWString());

    qc::shell::ShellState state;
    qc::shell::readCommandLine(parameters, state);
    auto platform = qc::shell::makeDesktopPlatform();
    qc::shell::MainWindow window(state, *platform);
    window.show();
    return QApplication::exec();
}
