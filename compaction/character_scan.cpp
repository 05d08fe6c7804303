#include "compaction/character_scan.h"

#include "common/text.h"
#include "compaction/split_statements.h"
#include "vocabulary/token.h"

#include <array>
#include <optional>

namespace qc {
namespace {

class Walk {
public:
    Walk(std::wstring_view s, std::wstring_view separators, SeparatorHandler& handler,
         std::wstring& buffer)
        : s_(s), separators_(separators), handler_(handler), buffer_(buffer) {
        for (wchar_t c : separators)
            if (isAscii(c)) separator_[static_cast<size_t>(c)] = true;
    }

    void run() {
        buffer_.clear();
        size_t p = 0;
        while (p <= end()) {
            // A run of characters that are no separator, blank or quote joins the word whole.
            size_t q = p;
            while (q < end() && s_[q] != L'"' && s_[q] != L' ' && !isSeparator(s_[q])) ++q;
            if (q > p) {
                buffer_.append(s_.substr(p, q - p));
                p = q;
                continue;
            }
            std::optional<size_t> resume = p < end() && s_[p] == L'"' ? literalAt(p) : stepAt(p);
            if (!resume) return;
            p = *resume;
        }
    }

private:
    size_t end() const { return s_.size(); }
    wchar_t at(size_t p) const { return p < end() ? s_[p] : L'\0'; }
    // Asked for every character of the script: a table look-up for the usual ones.
    bool isSeparator(wchar_t c) const {
        if (isAscii(c)) return separator_[static_cast<size_t>(c)];
        return c != kEndMark && containsChar(separators_, c);
    }

    // One ordinary position; returns where to go on, or nothing when the statement is done.
    std::optional<size_t> stepAt(size_t p) {
        wchar_t prev = p > 0 ? s_[p - 1] : L'\0';
        bool atEnd = p == end();
        wchar_t c = atEnd ? kEndMark : s_[p];
        if (c == L' ' && !blankIsKept(prev, at(p + 1), charset::kScanDropBlankAfter)) return p + 1;
        buffer_.push_back(c);
        if (!atEnd && !isSeparator(c)) return p + 1;
        SeparatorEvent event;
        event.atEnd = atEnd;
        size_t last = p;
        if (c == L'=' && p + 1 < end() && containsChar(charset::kAfterEquals, s_[p + 1])) {
            event.merged = true;
            last = p + 1;
        } else if ((c == L'-' && prev != L'\0' && containsChar(charset::kSignBefore, prev)) ||
                   (c == L'+' && prev == L'"')) {
            return p + 1; // a sign belongs to the word that follows
        }
        event.separator = atEnd ? kEndMarkText : s_.substr(p, last - p + 1);
        return dispatch(event, last);
    }

    // A string literal is taken whole: a backslash does not escape the closing quote.
    std::optional<size_t> literalAt(size_t p) {
        size_t q = s_.find(L'"', p + 1);
        SeparatorEvent event;
        if (q == std::wstring_view::npos) {
            buffer_.append(s_.substr(p));
            buffer_.push_back(kEndMark);
            event.unclosed = true;
            event.atEnd = true;
            event.separator = kEndMarkText;
            return dispatch(event, end());
        }
        buffer_.append(s_.substr(p, q - p + 1));
        event.literal = true;
        event.separator = s_.substr(q, 1);
        return dispatch(event, q);
    }

    std::optional<size_t> dispatch(SeparatorEvent& event, size_t last) {
        event.buffer = buffer_;
        event.word = event.buffer.substr(0, event.buffer.size() - 1);
        event.next = at(last + 1);
        event.nextIsEnd = last + 1 == end();
        event.afterIsEnd = last + 2 == end();
        ScanStep step = handler_.atSeparator(event);
        buffer_.clear();
        if (step == ScanStep::kFinish || event.atEnd) return std::nullopt;
        return step == ScanStep::kSkipNext ? last + 2 : last + 1;
    }

    std::wstring_view s_;
    static constexpr size_t kAscii = 128;
    // wchar_t is signed here: a negative one must not index the table.
    static bool isAscii(wchar_t c) { return c >= 0 && static_cast<size_t>(c) < kAscii; }
    std::array<bool, kAscii> separator_{};
    std::wstring_view separators_;
    SeparatorHandler& handler_;
    std::wstring& buffer_;
};

} // namespace

void scanStatement(std::wstring_view statement, std::wstring_view separators,
                   SeparatorHandler& handler, std::wstring& buffer) {
    Walk(trimBlanks(statement), separators, handler, buffer).run();
}

} // namespace qc
