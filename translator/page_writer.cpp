#include "translator/page_writer.h"

#include "common/embedded_texts.h"
#include "common/text.h"
#include "translator/translator_state.h"

#include <algorithm>

namespace qc {
namespace {

// The lines of the start-up function _qlcxi, the last of every script.
constexpr size_t kStartUpLines = 4;

// For each Structure: the constructor that declares its fields, the element factory that
// fills a new element (nested structures and lists included), and, when it has list
// fields, the function that gives an existing element new lists.
void appendStructureCode(const TranslatorState& state, std::vector<std::wstring>& script) {
    for (const auto& [key, type] : state.types) {
        if (!type.fields.empty()) {
            script.push_back(L"function " + type.name + L"(){");
            for (const auto& field : type.fields) script.push_back(L"var " + field);
            script.emplace_back(L"}");
        }
        if (type.initialisers.size() >= 2) {
            script.push_back(type.initialisers[0]);
            script.push_back(type.initialisers[1]);
            for (const auto& field : type.fields) script.push_back(L"bufvar." + field);
            script.insert(script.end(), type.initialisers.begin() + 2, type.initialisers.end());
        }
        if (!type.listFields.empty()) {
            script.push_back(L"function initialize" + type.name + L"(struct){");
            for (const auto& field : type.listFields) script.push_back(L"struct." + field);
            script.emplace_back(L"}");
        }
    }
}

std::wstring declaration(const std::wstring& name, const std::wstring& type) {
    if (type == L"s") return L"var " + name + L"=\"\"";
    if (type == L"f" || type == L"d") return L"var " + name + L"=0.0";
    if (type.empty() || isBasicType(type)) return L"var " + name + L"=0";
    return L"var " + name + L"=init" + type + L"()";
}

// One "var" per variable; arrays and lists ("##") come from their own maps.
void appendDeclarations(const TranslatorState& state, std::vector<std::wstring>& script) {
    for (const auto& [name, type] : state.variables) {
        if (type == kSelfDeclared) continue;
        const std::wstring* initial = state.initialValues.find(name);
        script.push_back(initial != nullptr ? L"var " + name + L"=" + *initial
                                            : declaration(name, type));
    }
    for (const auto* map : {&state.arrayDeclarations, &state.listDeclarations})
        for (const auto& [name, line] : *map)
            if (!line.empty()) script.push_back(line);
}

} // namespace

const std::vector<std::wstring>& runtimeLibraryLines() {
    // Text behind the last line end (the "//EOF" fragment) never reaches a page.
    static const std::vector<std::wstring> lines =
        splitEmbeddedLines(fromSingleByte(runtimeLibraryText()), true);
    return lines;
}

const std::vector<std::wstring>& styleBlockLines() {
    static const std::vector<std::wstring> lines =
        splitEmbeddedLines(fromSingleByte(styleBlockText()), false);
    return lines;
}

std::vector<std::wstring> programScriptLines(const TranslatorState* state,
                                             const std::vector<std::wstring>& translatedProgram) {
    std::vector<std::wstring> script;
    if (state != nullptr) {
        appendStructureCode(*state, script);
        appendDeclarations(*state, script);
    }
    script.insert(script.end(), translatedProgram.begin(), translatedProgram.end());
    script.insert(script.end(),
                  {L"function _qlcxi(){", L"QLCXInit(\"QLCXcanvas\");", L"INIT();", L"}"});
    return script;
}

TranslationResult writePage(const TranslatorState* state,
                            const std::vector<std::wstring>& translatedProgram,
                            const std::vector<int>* programSourceLines) {
    TranslationResult page;
    page.pageLines = {
        L"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"  "
        L"\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">",
        L"<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">",
        L"<head><title>-</title>",
        L"<meta http-equiv=\"content-type\" content=\"text/html;charset=utf-8\"/>",
        L"<script type=\"text/javascript\">",
    };
    page.scriptLines = runtimeLibraryLines();
    std::vector<std::wstring> program = programScriptLines(state, translatedProgram);
    if (programSourceLines != nullptr) {
        // The program's lines sit between the declarations and the start-up function.
        size_t programStart =
            page.scriptLines.size() + program.size() - kStartUpLines - translatedProgram.size();
        page.sourceLines.assign(page.scriptLines.size() + program.size(), 0);
        for (size_t i = 0; i < translatedProgram.size() && i < programSourceLines->size(); ++i)
            page.sourceLines[programStart + i] = std::max(0, (*programSourceLines)[i]);
    }
    page.scriptLines.insert(page.scriptLines.end(), program.begin(), program.end());
    page.pageLines.insert(page.pageLines.end(),
                          {L"</script>", L"</head>", L"<body id=\"winout\" onLoad=\"_qlcxi();\">",
                           L"<canvas id=\"QLCXcanvas\" width=\"1\" height=\"1\">",
                           L"This text is displayed if your browser does not support HTML5 "
                           L"Canvas!",
                           L"</canvas>", L"</body>", L"</html>"});
    return page;
}

} // namespace qc
