#pragma once
// Test doubles for the window program: a ShellWindow that records what the conversion
// actions ask of the window, and helpers for files in a temporary folder.
#include "app/shell_window.h"

#include <QFile>
#include <QString>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qc::shell::testing {

class RecordingWindow : public ShellWindow {
public:
    void setFieldText(Control field, std::wstring_view text) override { fieldText[field] = text; }
    void setFieldColour(Control field, Rgb c) override { colour[field] = c; }
    void enableButton(Control button) override { enabled.insert(button); }
    void clearLog() override { log.clear(); }
    void appendLog(std::wstring_view line) override { log.emplace_back(line); }
    void focusLog() override {}
    void drainEvents() override {
        if (onDrain) onDrain();
    }
    void processEventsDuringWork() override {}
    bool askYesNo(std::wstring_view title, std::wstring_view question) override {
        questions.push_back(std::wstring(title) + L": " + std::wstring(question));
        return answer;
    }
    void openPage(std::wstring_view path) override { opened.emplace_back(path); }
    void shutDown() override { ++shutDowns; }

    std::map<Control, std::wstring> fieldText;
    std::map<Control, Rgb> colour;
    std::set<Control> enabled;
    std::vector<std::wstring> log;
    std::function<void()> onDrain;
    bool answer = false;
    std::vector<std::wstring> questions;
    std::vector<std::wstring> opened;
    int shutDowns = 0;
};

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::wstring wide(const QString& text) {
    return text.toStdWString();
}

} // namespace qc::shell::testing
