#pragma once
// The flat token sequence of one compaction. All token texts live in one text pool and every
// name is interned once, so a multi-megabyte script costs a few bytes per token and the later
// passes index vectors instead of hashing strings.
#include "common/text.h"
#include "vocabulary/token.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qc {

// Lets unordered maps keyed by std::wstring be searched with a std::wstring_view.
struct WideTextHash {
    using is_transparent = void;
    size_t operator()(std::wstring_view text) const {
        return hashCharacters(text, [](wchar_t c) { return c; });
    }
};
template <typename Value>
using WideTextMap = std::unordered_map<std::wstring, Value, WideTextHash, std::equal_to<>>;

class TokenSequence {
public:
    static constexpr int kNoName = -1;

    // Appends a token. A name token (kind "PROC " or "VAR  ") is interned under its text
    // without a leading "." or "-": ".Event", "-Event" and "Event" share one name.
    void append(int kind, std::wstring_view text);
    // A name token as append makes it, with the number of its spelling kept by the caller:
    // kNewSpelling the first time, then what this call stored there. A scan that has already
    // looked the word up in a table of its own needs no second look-up here.
    static constexpr std::uint32_t kNewSpelling = ~std::uint32_t{0};
    void appendName(int kind, std::wstring_view text, std::uint32_t& spelling);

    // Makes room for about this many tokens and characters, so a long script does not copy
    // the sequence again and again while it grows.
    void reserve(size_t tokenCount, size_t characterCount);

    size_t size() const { return tokens_.size(); }
    int kind(size_t i) const { return static_cast<int>(tokens_[i].word & kKindMask); }
    void setKind(size_t i, int kind) {
        tokens_[i].word =
            (tokens_[i].word & ~kKindMask) | (static_cast<std::uint32_t>(kind) & kKindMask);
    }
    // The character of a one-character token (an operator, a bracket), else '\0', also for
    // one beyond the first 65,536, which no pass looks for. Answers without reading the text,
    // for the passes that only look for brackets.
    wchar_t single(size_t i) const {
        std::uint32_t word = tokens_[i].word;
        return (word & kSingle) != 0 ? static_cast<wchar_t>(word >> kPayloadShift) : L'\0';
    }
    std::wstring_view text(size_t i) const {
        std::uint32_t word = tokens_[i].word;
        if ((word & kSingle) != 0) return {&singleCharacters()[word >> kPayloadShift], 1};
        if ((word & kNamed) != 0) return spellings_[(word >> kPayloadShift)].text;
        size_t start = i == 0 ? 0 : tokens_[i - 1].end;
        return std::wstring_view(pool_).substr(start, tokens_[i].end - start);
    }
    // The interned name of a name token, kNoName for other tokens and for "." or "-" alone.
    int nameId(size_t i) const {
        std::uint32_t word = tokens_[i].word;
        return (word & kNamed) != 0 ? spellings_[(word >> kPayloadShift)].name : kNoName;
    }
    size_t nameCount() const { return names_.size(); }
    const std::wstring& name(int id) const { return names_[static_cast<size_t>(id)]; }

private:
    // Texts follow each other in the pool, so a token's text starts where the one before ends.
    // Eight bytes a token (a script of 1.3 million tokens is ten megabytes of them): a pool of
    // four billion characters would take 16 GB before it. The other word holds the kind (0 to
    // 12), two flags and a payload of 26 bits. A name token (kind "PROC " or "VAR  ") keeps
    // no text in the pool: its payload is its spelling ("Event", ".Event"), of which there
    // can be 67 million, each held once, since the same few thousand names make up half the
    // script's characters. A token of one character below 65,536 that names nothing (an
    // operator, a blank, a statement's end, about half of all tokens) holds that character,
    // and takes no room in the pool either. The flags stay when a pass changes the kind.
    static constexpr int kKindBits = 4;
    static constexpr std::uint32_t kKindMask = (1u << kKindBits) - 1;
    static constexpr std::uint32_t kSingle = 1u << kKindBits;
    static constexpr std::uint32_t kNamed = 2u << kKindBits;
    static constexpr int kPayloadShift = kKindBits + 2;
    struct Entry {
        std::uint32_t end = 0;
        std::uint32_t word = kUnknown;
    };
    // A name as one token spells it, and the name without its prefix (kNoName for "." or "-"
    // alone).
    struct Spelling {
        std::wstring text;
        int name = kNoName;
    };
    // Every character below 65,536 at its own place, so a one-character token's text is a
    // view of one of them.
    static const wchar_t* singleCharacters();
    int internName(std::wstring_view name);
    std::uint32_t internSpelling(std::wstring_view text);

    std::wstring pool_;
    std::vector<Entry> tokens_;
    std::vector<std::wstring> names_;
    WideTextMap<int> nameIds_;
    std::deque<Spelling> spellings_; // a deque: views of a spelling stay good while it grows
    WideTextMap<std::uint32_t> spellingIds_;
};

// A name token's text split into its kept prefix ("." or "-", or nothing) and the name.
std::wstring_view namePrefix(std::wstring_view text);
std::wstring_view nameWithoutPrefix(std::wstring_view text);

} // namespace qc
