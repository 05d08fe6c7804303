#include "translator/output/page_writer.h"

#include "common/embedded_texts.h"
#include "common/text.h"
#include "tables/command_table.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>

namespace qc {
namespace {

// A part of the page that only some programs need: its style part (marked in the style sheet
// by a line "/* feature: NAME */") and the statements by which the start-up function wires it
// in. A program uses it when it calls a command of one of its groups. The runtime functions
// of a feature are reached only from these statements and from its commands, so compaction
// drops them with the feature. A new feature adds a row; "fault" is on every page, since any
// program can fail.
struct PageFeature {
    std::wstring_view name;
    std::vector<std::wstring_view> groups;
    std::vector<std::wstring_view> startUp;
    // Runtime names that generated code calls for the feature outside its groups' rows.
    std::vector<std::wstring_view> words = {};
};

const std::vector<PageFeature>& pageFeatures() {
    static const std::vector<PageFeature> features = {
        {L"console", {L"Console"}, {L"QLCX_StartConsole();"}, {L"QLCX_ReadLine"}},
        {L"fault", {}, {}},
        {L"windows",
         {L"Windows and events", L"Gadgets", L"Window flags, state and window events",
          L"Toolkit gadgets", L"Gadget items", L"Gadget control", L"Menus and keyboard shortcuts",
          L"Timers and status bars", L"Bound events", L"Screen"},
         {L"draginit();"}},
        {L"toolkit", {L"Toolkit gadgets", L"Gadget items"}, {L"QLCX_StartToolkit();"}},
        {L"gadgets", {L"Gadgets", L"Toolkit gadgets"}, {}},
        {L"menus", {L"Menus and keyboard shortcuts"}, {L"QLCX_StartMenus();"}},
        {L"timers", {L"Timers and status bars"}, {L"QLCX_StartTimers();"}},
        {L"bound events", {L"Bound events"}, {L"QLCX_StartBoundEvents();"}},
        // Key flags for KeyboardPushed and KeyboardReleased, and the keys menu shortcuts take.
        {L"keyboard",
         {L"Keyboard and mouse", L"Menus and keyboard shortcuts"},
         {L"InitKeyboard();"}},
    };
    return features;
}

using FeatureSet = std::vector<bool>; // by index into pageFeatures()

FeatureSet allFeatures() {
    return FeatureSet(pageFeatures().size(), true);
}

// Lower-case command name (and target name) -> the features its group needs, as bits.
const std::unordered_map<std::wstring, unsigned>& featuresByCommand() {
    static const std::unordered_map<std::wstring, unsigned> map = [] {
        std::unordered_map<std::wstring, unsigned> byName;
        const auto& features = pageFeatures();
        for (const CommandRegistration& row : commandRegistrations()) {
            unsigned bits = 0;
            for (size_t f = 0; f < features.size(); ++f)
                for (auto group : features[f].groups)
                    if (group == row.group) bits |= 1u << f;
            if (bits == 0) continue;
            std::wstring_view signature = row.signature;
            byName[toLower(trim(signature.substr(0, signature.find(L'('))))] |= bits;
            std::wstring_view target = row.targetName;
            target = target.substr(target.rfind(L' ') + 1); // "await QLCX_ReadLine"
            if (!target.empty() && target != L"empty") byName[toLower(target)] |= bits;
        }
        for (size_t f = 0; f < features.size(); ++f)
            for (auto word : features[f].words) byName[toLower(word)] |= 1u << f;
        return byName;
    }();
    return map;
}

bool isWordChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'_';
}

// Adds the features of the calls in one line: words before "(" outside strings.
void addCalledFeatures(std::wstring_view line, unsigned& bits, std::wstring& word) {
    const auto& byName = featuresByCommand();
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == L'"') inString = !inString;
        if (inString || !isWordChar(line[i]) || (i > 0 && isWordChar(line[i - 1]))) continue;
        size_t end = i;
        while (end < line.size() && isWordChar(line[end])) ++end;
        if (end < line.size() && line[end] == L'(') {
            word.assign(line.substr(i, end - i));
            for (auto& c : word) c = toLowerChar(c);
            auto it = byName.find(word);
            if (it != byName.end()) bits |= it->second;
        }
        i = end - 1;
    }
}

FeatureSet featuresUsedBy(const std::vector<std::wstring>& translatedProgram) {
    const auto& features = pageFeatures();
    unsigned bits = 0;
    std::wstring word;
    for (const auto& line : translatedProgram) addCalledFeatures(line, bits, word);
    FeatureSet used(features.size(), false);
    for (size_t f = 0; f < features.size(); ++f)
        used[f] = features[f].groups.empty() || (bits & (1u << f)) != 0;
    return used;
}

// The style sheet's lines split at the feature marks, in the sheet's order; the part before
// the first mark is the base every page has. The "</style>" line is kept apart.
struct StylePart {
    std::wstring feature;
    std::vector<std::wstring> lines;
};

const std::vector<StylePart>& styleParts() {
    static const std::vector<StylePart> parts = [] {
        constexpr std::wstring_view kMark = L"/* feature: ";
        std::vector<StylePart> split(1);
        for (const auto& line : styleBlockLines()) {
            if (startsWith(line, kMark)) {
                std::wstring_view name = std::wstring_view(line).substr(kMark.size());
                split.push_back({std::wstring(name.substr(0, name.rfind(L" */"))), {}});
            } else if (line != L"</style>" && (split.size() == 1 || !startsWith(line, L"/*"))) {
                split.back().lines.push_back(line); // a feature part's comments are for the reader
            }
        }
        return split;
    }();
    return parts;
}

std::vector<std::wstring> styleLinesFor(const FeatureSet& used) {
    const auto& features = pageFeatures();
    std::vector<std::wstring> lines;
    for (const StylePart& part : styleParts()) {
        bool wanted = part.feature.empty();
        for (size_t f = 0; f < features.size(); ++f)
            wanted = wanted || (used[f] && features[f].name == part.feature);
        if (wanted) lines.insert(lines.end(), part.lines.begin(), part.lines.end());
    }
    lines.emplace_back(L"</style>");
    return lines;
}

std::vector<std::wstring> startUpFunction(const FeatureSet& used) {
    std::vector<std::wstring> lines = {L"function _qlcxi(){", L"QLCXInit(\"QLCXcanvas\");"};
    const auto& features = pageFeatures();
    for (size_t f = 0; f < features.size(); ++f)
        if (used[f])
            for (auto statement : features[f].startUp) lines.emplace_back(statement);
    lines.insert(lines.end(), {L"INIT();", L"}"});
    return lines;
}

// The program, then the start-up function with the features the page reaches.
std::vector<std::wstring> programScript(std::vector<std::wstring> translatedProgram,
                                        const FeatureSet& used) {
    std::vector<std::wstring> startUp = startUpFunction(used);
    translatedProgram.insert(translatedProgram.end(), startUp.begin(), startUp.end());
    return translatedProgram;
}

} // namespace

const std::vector<std::wstring>& styleBlockLines() {
    static const std::vector<std::wstring> lines = splitEmbeddedLines(styleBlockText(), false);
    return lines;
}

TranslationResult buildPage(std::vector<std::wstring> translatedProgram,
                            const std::vector<int>* programSourceLines, bool everyFeature) {
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
    FeatureSet used = everyFeature ? allFeatures() : featuresUsedBy(translatedProgram);
    const size_t programLines = translatedProgram.size();
    std::vector<std::wstring> program = programScript(std::move(translatedProgram), used);
    page.styleLines = styleLinesFor(used);
    if (programSourceLines != nullptr) {
        // The program's lines sit between the declarations and the start-up function.
        size_t startUpLines = startUpFunction(used).size();
        size_t programStart =
            page.scriptLines.size() + program.size() - startUpLines - programLines;
        page.sourceLines.assign(page.scriptLines.size() + program.size(), 0);
        for (size_t i = 0; i < programLines && i < programSourceLines->size(); ++i)
            page.sourceLines[programStart + i] = std::max(0, (*programSourceLines)[i]);
    }
    page.scriptLines.insert(page.scriptLines.end(), std::make_move_iterator(program.begin()),
                            std::make_move_iterator(program.end()));
    page.pageLines.insert(page.pageLines.end(),
                          {L"</script>", L"</head>", L"<body id=\"winout\" onLoad=\"_qlcxi();\">",
                           L"<canvas id=\"QLCXcanvas\" width=\"1\" height=\"1\">",
                           L"This text is displayed if your browser does not support HTML5 "
                           L"Canvas!",
                           L"</canvas>", L"</body>", L"</html>"});
    return page;
}

} // namespace qc
