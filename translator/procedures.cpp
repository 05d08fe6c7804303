#include "translator/procedures.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "translator/page_writer.h"
#include "vocabulary/classify_word.h"
#include "vocabulary/statement_list.h"

#include <unordered_set>

namespace qc {
namespace {

constexpr std::wstring_view kBlanks = L" \t";

struct Header {
    std::wstring statement; // without a return type
    std::wstring name;
};

// "Procedure.i Twice(x)" -> "Procedure Twice(x)", name "Twice".
Header readHeader(const std::wstring& statement) {
    std::wstring_view rest = std::wstring_view(statement).substr(10);
    if (statement[9] == L'.') {
        size_t blank = rest.find_first_of(kBlanks);
        rest = blank == std::wstring_view::npos ? std::wstring_view() : rest.substr(blank);
        rest = trim(rest, kBlanks);
    }
    Header header;
    header.statement = L"Procedure " + std::wstring(rest);
    header.name = std::wstring(trim(rest.substr(0, rest.find(L'(')), kBlanks));
    return header;
}

bool isProcedureHead(const std::wstring& statement) {
    return startsWithIgnoreCase(statement, L"procedure ") ||
           startsWithIgnoreCase(statement, L"procedure.");
}

class Collector {
public:
    Collector(TranslatorState& state, Diagnostics& diag) : state_(state), diag_(diag) {}

    CollectedProgram run(const std::vector<std::wstring>& statements) {
        for (const std::wstring& element : statements) {
            if (isLineMarker(element)) {
                line_ = markerLine(element);
                markers_.push_back(element);
            } else if (isProcedureHead(element)) {
                if (inProcedure_) place(L"EndProcedure", out_.procedures);
                startProcedure(element);
            } else if (equalsIgnoreCase(element, L"endprocedure")) {
                if (inProcedure_) place(element, out_.procedures);
                inProcedure_ = false;
            } else {
                place(element, inProcedure_ ? out_.procedures : out_.mainProgram);
            }
        }
        if (inProcedure_) place(L"EndProcedure", out_.procedures);
        for (auto& marker : markers_) out_.mainProgram.push_back(std::move(marker));
        return std::move(out_);
    }

private:
    void startProcedure(const std::wstring& statement) {
        Header header = readHeader(statement);
        std::wstring_view name = header.name;
        if (statement.find(L'(') == std::wstring::npos)
            diag_.error(message::bracketError(line_));
        else if (classifyWord(name) != kWordName || name.find_first_of(L".\\*") != name.npos)
            diag_.error(message::notSupported(line_, statement));
        std::wstring lower = toLower(header.name);
        if (!state_.procedures.contains(lower)) state_.procedures[lower] = header.name;
        place(header.statement, out_.procedures);
        inProcedure_ = true;
    }

    // A statement goes where it belongs, its line markers with it.
    void place(const std::wstring& statement, std::vector<std::wstring>& target) {
        for (auto& marker : markers_) target.push_back(std::move(marker));
        markers_.clear();
        target.push_back(statement);
    }

    TranslatorState& state_;
    Diagnostics& diag_;
    CollectedProgram out_;
    std::vector<std::wstring> markers_;
    bool inProcedure_ = false;
    int line_ = -1;
};

} // namespace

CollectedProgram collectProcedures(const std::vector<std::wstring>& statements,
                                   TranslatorState& state, Diagnostics& diag) {
    return Collector(state, diag).run(statements);
}

} // namespace qc
