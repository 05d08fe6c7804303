#pragma once
// The rewrite pass's working state, shared by the keyword rules (statement_rules.cpp) and
// the expression rules (statement_expressions.cpp).
#include "translator/statement_rules.h"

#include <unordered_map>
#include <unordered_set>

namespace qc {

enum class Clause { kNone, kIf, kWhile, kUntil, kFor, kSelect, kCase, kDebug, kSwap };

enum class BracketOwner { kPlain, kCall, kArray, kList, kMapKey };

// A loop or Select block open at the point being read, for Break and Continue.
struct OpenBlock {
    bool loop = false;
    size_t header = 0; // its keyword token
    int label = 0;     // the number of its label once an exit needs one
};

struct BracketRecord {
    BracketOwner owner = BracketOwner::kPlain;
    size_t ownerIndex = 0; // the name before the "("
    size_t exprStart = 0;  // first token of that name's expression ("l" in "l()\items()")
    bool emptyArray = false;
    size_t commas = 0; // of a call: the commas read so far, the argument being read
};

class TokenRewriter {
public:
    TokenRewriter(TranslationTokens& tokens, TranslatorState& state, Diagnostics& diag)
        : all_(tokens), t_(tokens.tokens), state_(state), diag_(diag) {}

    void run();

private:
    // keyword rules
    void rewriteKeyword(size_t i);
    bool rewriteBlockKeyword(size_t i, const std::wstring& key);
    void startProcedure(size_t i);
    void openClause(size_t i, std::wstring text, Clause clause);
    void caseLabel(size_t i, const std::wstring& key);
    void forHeader(size_t i);
    void forBound(size_t i, const std::wstring& key);
    void closeBlock();
    void loopExit(size_t i, const std::wstring& key);
    void declarationKeyword(size_t i, int scope);
    void closeStatement(size_t i);
    void writeSwap(size_t end);
    // expression rules
    void rewriteVariable(size_t i);
    void noteForExplicit(const SourceToken& token, bool declares);
    void rewriteFieldAfterBracket(size_t i);
    bool captureStaticValue(size_t i);
    void checkStatementShape(size_t i);
    void rewriteOperator(size_t i);
    void refusePointer(size_t i);
    void openBracket(size_t i);
    void closeBracket(size_t i);
    void rewriteComma(size_t i);
    void rewriteConstant(size_t i);
    bool isDirectArgument(const BracketRecord& record, size_t close) const;
    void writeCurrentElement(const BracketRecord& record);
    std::wstring joinedText(size_t from, size_t to) const;

    // helpers
    void remove(size_t i);
    void removeBlankAfter(size_t i);
    void removeBlankBefore(size_t i);
    void removeRestOfStatement(size_t i);
    bool isOp(size_t i, std::wstring_view text) const;
    bool startsStatement(size_t i) const;
    size_t previousKept(size_t i) const;
    bool inHeader() const;
    ProcedureScope* currentProcedure();
    // The lower-case name of the procedure being rewritten; empty in the main program.
    std::wstring procedureKey() const;
    // Whether the word at i names an array, list or map rather than a variable of its name.
    bool namesContainer(size_t i) const;
    bool isArray(const std::wstring& name) const {
        return state_.symbols.isArray(name, procedureKey());
    }
    bool isList(const std::wstring& name) const {
        return state_.symbols.isList(name, procedureKey());
    }
    void report(Diagnostic record) { diag_.error(std::move(record)); }

    TranslationTokens& all_;
    std::vector<SourceToken>& t_;
    TranslatorState& state_;
    Diagnostics& diag_;

    // What the statement being read has said so far; it starts afresh with every statement.
    struct StatementState {
        int depth = 0;
        std::vector<BracketRecord> brackets;
        Clause clause = Clause::kNone;
        std::wstring loopVariable;
        bool forStep = false;
        bool forDown = false;
        bool declaration = false;
        bool declaring = false;            // the next name is one a declaration keyword declares
        int declarationScope = kScopeNone; // every name of "Global a, b" is global
        int pendingScope = kScopeNone;
        std::wstring defaultType;
        size_t swap = 0; // its Swap keyword

        void reset() {
            std::vector<BracketRecord> kept = std::move(brackets); // keeps its capacity
            kept.clear();
            *this = StatementState{};
            brackets = std::move(kept);
        }
    };

    StatementState now_;
    size_t lastClose_ = 0; // the last ")" that closed an array or list access
    size_t lastCloseStart_ = 0;
    std::unordered_map<size_t, size_t> fieldBase_; // "\x" after ")" -> its expression start
    int procedure_ = -1;          // index into all_.procedures while a procedure is current
    int statement_ = 0;           // the number of the statement being read
    int headerStatement_ = -1;    // the statement number of its header
    std::vector<int> caseCounts_; // one per open Select
    std::vector<OpenBlock> blocks_;
    int labels_ = 0;
    std::unordered_set<std::wstring> refusedPointers_; // by base name, lower case
    size_t pointerName_ = 0;                           // the name after the last refused "*"
};

} // namespace qc
