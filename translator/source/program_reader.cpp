// Reading a program from all its files: physical lines, line continuation, include files
// and the compiler's own names for the file being read.
#include "common/text.h"
#include "translator/source/lexer.h"
#include "translator/source/source_reader.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <set>
#include <system_error>
#include <utility>

namespace qc {
namespace {

namespace fs = std::filesystem;

constexpr std::wstring_view kLineEnds = L"\r\n";
// A program whose includes include each other over and over (not in a cycle, which is
// reported) would otherwise grow without bound.
constexpr int kMostIncludeReads = 4096;

struct FileContext {
    int file = 0;
    fs::path folder;         // where the file lies, for names relative to it
    std::wstring name;       // relative to the main source's folder
    std::wstring folderName; // the same for its folder, "" or ending in "/"
};

std::wstring pathText(const fs::path& p) {
    return fromUtf8(p.generic_string());
}

fs::path toPath(std::wstring_view text) {
    return fs::path(toUtf8(text));
}

bool isRegularFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// The text of a string token, without its quotes (and the "~" of an escaped one).
std::wstring_view stringContent(std::wstring_view token) {
    if (!token.empty() && token.front() == L'~') token.remove_prefix(1);
    if (!token.empty() && token.front() == L'"') token.remove_prefix(1);
    if (!token.empty() && token.back() == L'"') token.remove_suffix(1);
    return token;
}

bool isWord(const Token& token, std::wstring_view word) {
    return token.kind == TokenKind::kName && equalsIgnoreCase(token.text, word);
}

enum class Directive { kNone, kInclude, kIncludeOnce, kIncludePath };

Directive directiveOf(const std::vector<Token>& tokens) {
    // Asked of every line: a name of another length is none of the three.
    if (tokens.empty() || tokens[0].kind != TokenKind::kName || tokens[0].text.size() < 11 ||
        tokens[0].text.size() > 12)
        return Directive::kNone;
    if (isWord(tokens[0], L"includefile")) return Directive::kInclude;
    if (isWord(tokens[0], L"xincludefile")) return Directive::kIncludeOnce;
    if (isWord(tokens[0], L"includepath")) return Directive::kIncludePath;
    return Directive::kNone;
}

class ProgramReader {
public:
    ProgramReader(const IncludeLoader* includes, Diagnostics& diag, ReadProgram& out)
        : includes_(includes), diag_(diag), out_(out) {
        if (includes_ != nullptr && !includes_->mainSource.empty()) {
            mainFolder_ = includes_->mainSource.parent_path();
            if (mainFolder_.empty()) mainFolder_ = ".";
        }
    }

    void readMain(std::wstring_view text) {
        FileContext main;
        main.folder = mainFolder_;
        if (includes_ != nullptr) {
            main.name = pathText(includes_->mainSource.filename());
            std::error_code ec;
            fs::path canonical = fs::weakly_canonical(includes_->mainSource, ec);
            if (!ec) open_.push_back(canonical);
        }
        main.file = out_.map.addFile(main.name);
        readFile(text, main);
    }

private:
    void readFile(std::wstring_view text, const FileContext& file) {
        long long fileLine = 0;
        size_t start = 0;
        runStarts_ = true;
        fs::path outerFolder = std::exchange(currentFolder_, file.folder);
        // At least one line is read, also from empty text; a line end at the very end of
        // the text does not start another line.
        for (;;) {
            size_t end = text.find_first_of(kLineEnds, start);
            size_t stop = end == std::wstring_view::npos ? text.size() : end;
            readPhysicalLine(text.substr(start, stop - start), ++fileLine, file);
            if (end == std::wstring_view::npos) break;
            start = end + 1;
            if (text[end] == L'\r' && start < text.size() && text[start] == L'\n') ++start;
            if (start >= text.size()) break;
        }
        flushPending();
        currentFolder_ = outerFolder;
    }

    void readPhysicalLine(std::wstring_view raw, long long fileLine, const FileContext& file) {
        long long programLine = ++lastLine_;
        if (runStarts_) {
            out_.map.startRun(programLine, file.file, fileLine);
            runStarts_ = false;
        }
        if (!passesCharacterCheck(raw, programLine, diag_)) {
            flushPending();
            return;
        }
        lexLine(raw, tokens_);
        if (!pending_ && directiveOf(tokens_) != Directive::kNone) {
            readDirective(raw, programLine, file);
            return;
        }
        std::wstring code = codeOf(raw, file, fileLine);
        if (pending_) {
            pendingText_ += L' ';
            pendingText_ += code;
        } else {
            pendingText_ = std::move(code);
            pendingLine_ = programLine;
            pending_ = true;
        }
        if (!continuesOnNextLine(tokens_)) flushPending();
    }

    void flushPending() {
        if (!pending_) return;
        pending_ = false;
        size_t first = out_.statements.size();
        splitStatements(pendingText_, pendingLine_, out_.statements);
        for (size_t k = first; k < out_.statements.size(); ++k)
            if (out_.statements[k].size() > 13 && startsWithWord(out_.statements[k]))
                placeBinary(out_.statements[k]);
    }

    static bool startsWithWord(std::wstring_view statement) {
        return equalsIgnoreCase(statement.substr(0, 13), L"includebinary") &&
               (statement.size() == 13 || statement[13] == L' ' || statement[13] == L'"');
    }

    // "IncludeBinary NAME": the file is found as an include file is, and the statement is
    // left naming it relative to the main source's folder, where the page's embedded files
    // are; a file that is not found becomes kMissingBinary for the language pass to report,
    // so that one in a CompilerIf branch not taken is no fault.
    void placeBinary(std::wstring& statement) {
        std::vector<Token> tokens;
        lexLine(statement, tokens);
        std::wstring name;
        bool valid = false;
        size_t i = 1;
        for (bool wantValue = true; i < tokens.size(); ++i, wantValue = !wantValue) {
            if (wantValue && tokens[i].kind == TokenKind::kString) {
                name += stringContent(tokens[i].text);
            } else if (wantValue || tokens[i].text != L"+") {
                break;
            }
            valid = wantValue;
        }
        if (!valid || i < tokens.size()) {
            diag_.error(
                message::notSupported(pendingLine_, L"IncludeBinary without a file name as text"));
            statement.clear();
            return;
        }
        fs::path found = resolve(name, currentFolder_);
        std::error_code ec;
        fs::path relative = found.empty() ? fs::path()
                                          : fs::relative(fs::weakly_canonical(found, ec),
                                                         fs::weakly_canonical(mainFolder_), ec);
        std::wstring text = pathText(relative);
        if (found.empty() || ec || relative.empty()) {
            statement = std::wstring(kMissingBinary) + L" \"" + name + L"\"";
        } else if (text.starts_with(L"..")) {
            diag_.error(message::notSupported(
                pendingLine_, L"IncludeBinary of a file outside the program's folder"));
            statement.clear();
        } else {
            statement = L"IncludeBinary \"" + text + L"\"";
        }
    }

    // The line without its comment, with the compiler's names for the file replaced by
    // their text.
    std::wstring codeOf(std::wstring_view raw, const FileContext& file, long long fileLine) {
        std::wstring code;
        size_t copied = 0;
        for (const Token& token : tokens_) {
            size_t at = static_cast<size_t>(token.column - 1);
            if (token.kind == TokenKind::kComment) {
                code.append(raw.substr(copied, at - copied));
                return code;
            }
            if (token.kind != TokenKind::kConstant) continue;
            std::wstring replacement = compilerName(token.text, file, fileLine, false);
            if (replacement.empty()) continue;
            code.append(raw.substr(copied, at - copied));
            code += replacement;
            copied = at + token.text.size();
        }
        code.append(raw.substr(copied));
        return code;
    }

    // The value of #PB_Compiler_File, #PB_Compiler_FilePath or #PB_Compiler_Line as a literal;
    // "" for any other constant. Include names use the real folder, code the page's.
    std::wstring compilerName(std::wstring_view constant, const FileContext& file,
                              long long fileLine, bool forInclude) const {
        if (equalsIgnoreCase(constant, L"#pb_compiler_line")) return std::to_wstring(fileLine);
        std::wstring value;
        if (equalsIgnoreCase(constant, L"#pb_compiler_file")) {
            value = forInclude ? pathText(file.folder / toPath(file.name).filename()) : file.name;
        } else if (equalsIgnoreCase(constant, L"#pb_compiler_filepath")) {
            value = forInclude ? pathText(file.folder) + L"/" : file.folderName;
        } else {
            return L"";
        }
        return L"\"" + value + L"\"";
    }

    // "IncludeFile NAME", "XIncludeFile NAME" or "IncludePath NAME", with statements after a
    // ":" read as usual.
    void readDirective(std::wstring_view raw, long long programLine, const FileContext& file) {
        Directive directive = directiveOf(tokens_);
        std::wstring name;
        size_t i = 1;
        bool valid = false;
        for (bool wantValue = true; i < tokens_.size(); ++i, wantValue = !wantValue) {
            const Token& token = tokens_[i];
            if (token.kind == TokenKind::kSeparator || token.kind == TokenKind::kComment) break;
            if (wantValue && token.kind == TokenKind::kString) {
                name += stringContent(token.text);
            } else if (wantValue && token.kind == TokenKind::kConstant) {
                std::wstring value = compilerName(token.text, file, 0, true);
                if (value.size() < 2) break;
                name += value.substr(1, value.size() - 2);
            } else if (wantValue || token.text != L"+") {
                break;
            }
            valid = wantValue;
        }
        std::vector<Token> tokens = std::move(tokens_);
        if (!valid || (i < tokens.size() && tokens[i].kind != TokenKind::kSeparator &&
                       tokens[i].kind != TokenKind::kComment)) {
            diag_.error(message::notSupported(programLine, std::wstring(tokens[0].text) +
                                                               L" without a file name as text"));
            return;
        }
        if (directive == Directive::kIncludePath) {
            includePath_ = toPath(name);
            if (includePath_.is_relative()) includePath_ = mainFolder_ / includePath_;
        } else {
            include(name, directive == Directive::kIncludeOnce, programLine, file);
        }
        if (i < tokens.size() && tokens[i].kind == TokenKind::kSeparator)
            splitStatements(raw.substr(static_cast<size_t>(tokens[i].column)), programLine,
                            out_.statements);
    }

    fs::path resolve(std::wstring_view name, const fs::path& from) const {
        fs::path wanted = toPath(name);
        if (wanted.is_absolute()) return isRegularFile(wanted) ? wanted : fs::path();
        for (const fs::path& folder : {includePath_, mainFolder_, from}) {
            if (folder.empty()) continue;
            fs::path candidate = folder / wanted;
            if (isRegularFile(candidate)) return candidate;
        }
        return {};
    }

    void include(const std::wstring& name, bool once, long long programLine,
                 const FileContext& from) {
        fs::path found =
            includes_ != nullptr && includes_->read ? resolve(name, from.folder) : fs::path();
        if (found.empty()) {
            // Left in the program for the language pass to report: a file missing in a
            // CompilerIf branch that is not taken (another system's part of a portable
            // program) is no fault, and only that pass knows which branches are taken.
            flushPending();
            out_.statements.push_back(lineMarker(programLine));
            out_.statements.push_back(std::wstring(kMissingInclude) + L" \"" + name + L"\"");
            return;
        }
        std::error_code ec;
        fs::path canonical = fs::weakly_canonical(found, ec);
        if (ec) canonical = found;
        if (once && included_.count(canonical) != 0) return;
        if (std::find(open_.begin(), open_.end(), canonical) != open_.end()) {
            diag_.error(
                message::atLine(programLine, L"include file includes itself: \"" + name + L"\""));
            return;
        }
        if (++reads_ > kMostIncludeReads) {
            if (reads_ == kMostIncludeReads + 1)
                diag_.error(message::atLine(programLine, L"too many include files"));
            return;
        }
        included_.insert(canonical);
        FileContext file;
        file.folder = found.parent_path();
        std::error_code relativeError;
        fs::path relative =
            fs::relative(canonical, fs::weakly_canonical(mainFolder_), relativeError);
        file.name = relativeError || relative.empty() ? pathText(canonical) : pathText(relative);
        fs::path relativeFolder = toPath(file.name).parent_path();
        file.folderName = relativeFolder.empty() ? L"" : pathText(relativeFolder) + L"/";
        std::optional<std::wstring> text = includes_->read(found, file.name, diag_);
        if (!text) {
            diag_.error(
                message::atLine(programLine, L"cannot read include file: \"" + name + L"\""));
            return;
        }
        file.file = out_.map.addFile(file.name);
        open_.push_back(canonical);
        flushPending();
        readFile(*text, file);
        open_.pop_back();
        runStarts_ = true;
    }

    const IncludeLoader* includes_;
    Diagnostics& diag_;
    ReadProgram& out_;
    fs::path mainFolder_;
    fs::path includePath_;
    fs::path currentFolder_; // the folder of the file being read
    std::set<fs::path> included_;
    std::vector<fs::path> open_; // the files being read, innermost last
    int reads_ = 0;
    long long lastLine_ = 0;
    bool runStarts_ = true;
    std::vector<Token> tokens_;
    bool pending_ = false; // a line that goes on on the next one is being collected
    std::wstring pendingText_;
    long long pendingLine_ = 0;
};

} // namespace

ReadProgram readProgram(std::wstring_view mainText, const IncludeLoader* includes,
                        Diagnostics& diag) {
    ReadProgram result;
    // The reader's own messages name files too: the map grows ahead of every line read.
    diag.setSourceMap(&result.map);
    ProgramReader(includes, diag, result).readMain(mainText);
    diag.setSourceMap(nullptr);
    return result;
}

} // namespace qc
