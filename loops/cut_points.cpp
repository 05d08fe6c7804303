#include "loops/cut_points.h"

#include "common/text.h"
#include "loops/block_words.h"
#include "vocabulary/statement_list.h"

#include <optional>

namespace qc {
namespace {

bool isNameChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'_' || c == L'.' || c == L'\\' || c == L'$' || c == L'#' || c == L'*';
}

// Where `word` (lower case) stands alone outside strings and brackets, from `from` on.
std::optional<size_t> findTopLevelWord(std::wstring_view text, std::wstring_view word,
                                       size_t from) {
    int depth = 0;
    bool inString = false;
    for (size_t i = from; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'"') inString = !inString;
        if (inString) continue;
        if (c == L'(') ++depth;
        if (c == L')') --depth;
        if (depth != 0 || (i > 0 && isNameChar(text[i - 1]))) continue;
        if (i + word.size() > text.size()) break;
        if (!equalsIgnoreCase(text.substr(i, word.size()), word)) continue;
        size_t end = i + word.size();
        if (end == text.size() || !isNameChar(text[end])) return i;
    }
    return std::nullopt;
}

std::wstring trimmed(std::wstring_view text) {
    return std::wstring(trim(text, L" \t"));
}

struct LoopRewrite {
    std::vector<std::wstring> head;      // in place of the For or While line
    std::vector<std::wstring> tail;      // in place of its Next or Wend
    std::vector<std::wstring> continue_; // in place of a Continue that belongs to it
};

LoopRewrite rewriteWhile(std::wstring_view statement) {
    std::wstring condition = trimmed(statement.substr(5));
    std::wstring exitTest = L"Not(" + condition + L")";
    return {{L"If " + condition, L"Repeat"},
            {L"Until " + exitTest, L"EndIf"},
            {L"If " + exitTest, L"Break", L"EndIf", L"Continue"}};
}

// Nothing when the header is not of the form "For v = a To b [Step s]": it stays a script
// loop.
std::optional<LoopRewrite> rewriteFor(std::wstring_view statement) {
    std::wstring_view rest = statement.substr(4);
    size_t equals = rest.find(L'=');
    std::optional<size_t> to = findTopLevelWord(rest, L"to", 0);
    if (equals == std::wstring_view::npos || !to || *to < equals) return std::nullopt;
    std::optional<size_t> step = findTopLevelWord(rest, L"step", *to + 2);
    std::wstring variable = trimmed(rest.substr(0, equals));
    std::wstring start = trimmed(rest.substr(equals + 1, *to - equals - 1));
    std::wstring bound = trimmed(rest.substr(*to + 2, step ? *step - *to - 2 : std::wstring::npos));
    std::wstring stepValue = step ? trimmed(rest.substr(*step + 4)) : L"1";
    if (variable.empty() || start.empty() || bound.empty() || stepValue.empty())
        return std::nullopt;
    bool down = stepValue[0] == L'-';
    std::wstring stepLine = variable + L" = " + variable + L" + (" + stepValue + L")";
    std::wstring past = variable + (down ? L" < " : L" > ") + L"(" + bound + L")";
    return LoopRewrite{{variable + L" = " + start,
                        L"If " + variable + (down ? L" >= " : L" <= ") + L"(" + bound + L")",
                        L"Repeat"},
                       {stepLine, L"Until " + past, L"EndIf"},
                       {stepLine, L"If " + past, L"Break", L"EndIf", L"Continue"}};
}

struct OpenBlock {
    size_t start;   // index of its opening statement
    BlockWord kind; // For, ForEach, While or Repeat
    bool holdsCut = false;
    std::vector<size_t> continues; // Continue statements that belong to it
};

bool isLoopOpening(BlockWord kind) {
    return kind == BlockWord::kFor || kind == BlockWord::kForEach || kind == BlockWord::kWhile ||
           kind == BlockWord::kRepeat;
}

bool isLoopEnd(BlockWord kind) {
    return kind == BlockWord::kNext || kind == BlockWord::kWend || kind == BlockWord::kUntil ||
           kind == BlockWord::kForEver;
}

// The commands that wait, and the runtime's awaited form of each (commands of the table).
// Delay and FlipBuffers are awaited only in procedures and in loops of the script: a loop of
// the main program that is cut into parts keeps them, since its next pass is their wait.
struct AwaitedWait {
    std::wstring_view command;
    std::wstring_view awaited;
    bool onlyInScriptLoops;
};
constexpr AwaitedWait kAwaitedWaits[] = {{L"waitwindowevent", L"awaitnextevent", false},
                                         {L"input", L"awaitinput", false},
                                         {L"delay", L"awaitdelay", true},
                                         {L"flipbuffers", L"awaitflip", true}};

// Where the first call of `name` (lower case) at or after `from` starts: the word outside
// strings, whole, with "(" after it (blanks between allowed).
std::optional<size_t> findCall(std::wstring_view statement, std::wstring_view name,
                               size_t from = 0) {
    bool inString = false;
    for (size_t i = 0; i + name.size() < statement.size(); ++i) {
        if (statement[i] == L'"') inString = !inString;
        if (i < from || inString || (i > 0 && isNameChar(statement[i - 1]))) continue;
        if (!equalsIgnoreCase(statement.substr(i, name.size()), name)) continue;
        size_t k = i + name.size();
        while (k < statement.size() && statement[k] == L' ') ++k;
        if (k < statement.size() && statement[k] == L'(') return i;
    }
    return std::nullopt;
}

} // namespace

bool callsCommand(std::wstring_view statement, std::wstring_view name) {
    return findCall(statement, name).has_value();
}

std::vector<std::wstring> calledNames(std::wstring_view statement) {
    std::vector<std::wstring> names;
    bool inString = false;
    size_t i = 0;
    while (i < statement.size()) {
        wchar_t c = statement[i];
        if (c == L'"') inString = !inString;
        if (inString || !isNameChar(c)) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < statement.size() && isNameChar(statement[i])) ++i;
        size_t k = i;
        while (k < statement.size() && statement[k] == L' ') ++k;
        bool reference = start > 0 && statement[start - 1] == L'@'; // "@Name()" is no call
        if (k < statement.size() && statement[k] == L'(' && !reference)
            names.push_back(toLower(statement.substr(start, i - start)));
    }
    return names;
}

std::wstring awaitEventStatement(std::wstring_view statement) {
    std::optional<size_t> at = findCall(statement, L"waitwindowevent");
    size_t open = at ? statement.find(L'(', *at) : std::wstring_view::npos;
    size_t close = open == std::wstring_view::npos ? open : matchingParen(statement, open);
    if (close == std::wstring_view::npos) return L"awaitevent()";
    return L"awaitevent" + std::wstring(statement.substr(open, close - open + 1));
}

std::optional<std::wstring> awaitedForm(std::wstring_view statement, bool inScriptLoop) {
    std::optional<std::wstring> out;
    for (const AwaitedWait& wait : kAwaitedWaits) {
        if (wait.onlyInScriptLoops && !inScriptLoop) continue;
        std::wstring_view text = out ? std::wstring_view(*out) : statement;
        std::optional<size_t> at = findCall(text, wait.command);
        if (!at) continue;
        if (!out) out = std::wstring(statement);
        for (; at; at = findCall(*out, wait.command, *at + wait.awaited.size()))
            out->replace(*at, wait.command.size(), wait.awaited);
    }
    return out;
}

bool isAwaitedWait(std::wstring_view name) {
    for (const AwaitedWait& wait : kAwaitedWaits)
        if (name == wait.awaited) return true;
    return false;
}

bool makesProcedureWait(std::wstring_view name) {
    for (const AwaitedWait& wait : kAwaitedWaits)
        if (name == wait.command) return true;
    return false;
}

bool isDelayStatement(std::wstring_view statement) {
    return startsWithIgnoreCase(statement, L"delay(") ||
           startsWithIgnoreCase(statement, L"delay (");
}

std::vector<std::wstring> loopsAroundCuts(const std::vector<std::wstring>& mainProgram) {
    // First walk: which For and While blocks hold a cut point, and where they end. A Delay is a
    // cut point only where no Repeat is open: inside one it delays the loop's next pass.
    std::vector<OpenBlock> open;
    std::vector<std::optional<LoopRewrite>> rewrites(mainProgram.size());
    std::vector<size_t> ends(mainProgram.size(), 0);
    bool any = false;
    for (size_t i = 0; i < mainProgram.size(); ++i) {
        const std::wstring& statement = mainProgram[i];
        BlockWord kind = classifyBlockWord(statement);
        if (kind == BlockWord::kLineMarker) continue;
        bool repeatOpen = false;
        for (const OpenBlock& block : open) repeatOpen |= block.kind == BlockWord::kRepeat;
        bool cut = waitsForLine(statement) || waitsForEvent(statement) ||
                   (!repeatOpen && isDelayStatement(statement));
        if (isLoopOpening(kind) || kind == BlockWord::kSelect) open.push_back({i, kind, false, {}});
        if (kind == BlockWord::kEndSelect && !open.empty() &&
            open.back().kind == BlockWord::kSelect)
            open.pop_back();
        // Inside a Select or a ForEach the loop pass cannot cut (their script blocks would be
        // split), so the loops around such a cut stay as they are.
        bool blocked = false;
        for (const OpenBlock& block : open)
            blocked |= block.kind == BlockWord::kSelect || block.kind == BlockWord::kForEach;
        if (cut && !blocked)
            for (OpenBlock& block : open) block.holdsCut = true;
        if (kind == BlockWord::kContinue)
            for (auto it = open.rbegin(); it != open.rend(); ++it)
                if (it->kind != BlockWord::kSelect) {
                    it->continues.push_back(i);
                    break;
                }
        if (!isLoopEnd(kind) || open.empty() || open.back().kind == BlockWord::kSelect) continue;
        OpenBlock block = open.back();
        open.pop_back();
        if (!block.holdsCut) continue;
        const std::wstring& head = mainProgram[block.start];
        if (block.kind == BlockWord::kWhile) rewrites[block.start] = rewriteWhile(head);
        if (block.kind == BlockWord::kFor) rewrites[block.start] = rewriteFor(head);
        if (!rewrites[block.start]) continue;
        any = true;
        ends[i] = block.start + 1;
        for (size_t c : block.continues) ends[c] = block.start + 1;
    }
    if (!any) return mainProgram;
    // Second walk: the rewritten lines take the places of the old ones; the line markers
    // stay where they were, so each new line carries the line of the one it replaces.
    std::vector<std::wstring> out;
    out.reserve(mainProgram.size() + 8);
    for (size_t i = 0; i < mainProgram.size(); ++i) {
        const std::optional<LoopRewrite>& own = rewrites[i];
        const std::optional<LoopRewrite>* closing = ends[i] != 0 ? &rewrites[ends[i] - 1] : nullptr;
        bool isContinue = classifyBlockWord(mainProgram[i]) == BlockWord::kContinue;
        if (own) {
            out.insert(out.end(), own->head.begin(), own->head.end());
        } else if (closing != nullptr && isContinue) {
            out.insert(out.end(), (*closing)->continue_.begin(), (*closing)->continue_.end());
        } else if (closing != nullptr) {
            out.insert(out.end(), (*closing)->tail.begin(), (*closing)->tail.end());
        } else {
            out.push_back(mainProgram[i]);
        }
    }
    return out;
}

} // namespace qc
