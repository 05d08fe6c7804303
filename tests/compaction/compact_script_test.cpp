#include "compaction/compact_script.h"

#include "common/text.h"
#include "translator/translate_source.h"

#include <gtest/gtest.h>

#include <regex>

namespace qc {
namespace {

using Lines = std::vector<std::wstring>;

std::string joined(const Lines& lines) {
    std::string out;
    for (const auto& l : lines) out += toUtf8(l) + "\n";
    return out;
}

std::string compact(const Lines& script, RenameState& names) {
    Diagnostics diag;
    std::string out = joined(compactScript(script, names, diag));
    EXPECT_FALSE(diag.errorFlag()) << out;
    return out;
}

std::string compact(const Lines& script) {
    RenameState names;
    return compact(script, names);
}

TEST(compactScript, MostUsedNamesGetTheShortestNames) {
    EXPECT_EQ(
        compact({L"var total = 0; // running sum", L"function add(v) {", L"  total = total + v;",
                 L"  return total;", L"}", L"function unused(a){return a}", L"x = 1; add(0x10);"}),
        "var a=0;\n"
        "function b(c){\n"
        "a=a+c;\n"
        "return a;\n"
        "}\n"
        "d=1;\n"
        "b(16);\n");
}

TEST(compactScript, Cases) {
    struct Case {
        const char* what;
        Lines script;
        const char* compacted;
        bool reported = false; // the compacted text still reads "JSL unknow"
    };
    const Case cases[] = {
        {"unused functions go entirely, the statement after a closing brace stays",
         {L"function f(a){return a}", L"function g(){ return 1; } x=2;"},
         "a=2;\n"},
        {"an unused async function goes with its async, a used one keeps it and its await",
         {L"async function f(){ await g(); }", L"async function g(){ }", L"async function h(){ }",
          L"x=await h();"},
         "async function a(){\n}\nb=await a();\n"},
        {"a call inside its own body keeps a function",
         {L"function f(n){", L"if(n>0){ f(n-1); }", L"}"},
         "function b(a){\nif(a>0){\nb(a-1);\n}\n}\n"},
        {"helpers called only by unused functions go with them",
         {L"function helper(){ }", L"function api(){ helper(); }", L"function kept(){ }",
          L"kept();"},
         "function a(){\n}\na();\n"},
        {"the page's entry points stay although nothing calls them",
         {L"function _qlcxi(){", L"run();", L"}", L"function run(){", L"}",
          L"function QLCX_AddEvent(w){", L"return w;", L"}"},
         "function _qlcxi(){\na();\n}\nfunction a(){\n}\nfunction QLCX_AddEvent(b){\nreturn "
         "b;\n}\n"},
        {"an anonymous function is no declaration, its unused parameter no function",
         {L"var h=function(b){ return b; };", L"h=function(e){ return 1; };", L"x=1;"},
         "var a=function(b){\nreturn b;\n}\na=function(c){\nreturn 1;\n}\nd=1;\n"},
        {"member and parameter share a short name",
         {L"function on(Event){ o.Event = Event; }", L"on(1);"},
         "function b(a){\nc.a=a;\n}\nb(1);\n"},
        {"signs and literals", {L"x = -y; z = -1; y = 2.5 + x;"}, "a=-b;\nc=-1;\nb=2.5+a;\n"},
        {"target words keep their names, the function flag decides for alert()",
         {L"var alert = 1; alert(\"hi\"); var i = new Image(); i.src = alert;"},
         "var a=1;\nalert(\"hi\");\nvar b=new Image();\nb.src=a;\n"},
        {"dotted words on browser objects stay whole",
         {L"w = Math.floor(window.innerWidth / 2); document.title = navigator.userAgent;"},
         "a=Math.floor(window.innerWidth/2);\ndocument.title=navigator.userAgent;\n"},
        {"a chain of known members keeps every member",
         {L"n = ev.key.length + ev.target.firstChild.nodeValue.length;"},
         "b=a.key.length+a.target.firstChild.nodeValue.length;\n"},
        {"strings are never touched",
         {L"s = \"x = y; // not code\" + s;"},
         "a=\"x = y; // not code\"+a;\n"},
        {"a line end ends a statement",
         {L"if (x) {", L"  x = 1", L"} else {", L"}"},
         "if(a){\na=1;\n}else{\n}\n"},
        {"a for head split over lines", {L"for(i=0;", L"i<9;i++){}"}, "for(a=0;\na<9;\na++){}\n"},
        {"an open string ends with its line", {L"x=\"open;"}, "a=\"open;\n", true},
        {"empty statements vanish", {L"x=1;;", L";"}, "a=1;\n"},
    };
    for (const auto& c : cases) {
        RenameState names;
        Diagnostics diag;
        std::string got = joined(compactScript(c.script, names, diag));
        EXPECT_EQ(got, c.compacted) << c.what;
        EXPECT_EQ(diag.errorFlag(), c.reported) << c.what;
        EXPECT_EQ(got.find("\xC2\xA7"), std::string::npos) << c.what; // no separator left over
    }
}

// A top-level "var" goes when nothing that stays refers to its name and its value does
// nothing; a write counts as a use, since the assignment stays.
TEST(compactScript, DeadVariables) {
    struct Case {
        const char* what;
        Lines script;
        const char* compacted;
    };
    const Case cases[] = {
        {"literals, nested array and object literals, arithmetic and no value at all",
         {L"var a = 1; var b = \"s\"; var c = [1, [2, -3]]; var d = {}; var e = {k: 1, \"s\": "
          L"[2]};",
          L"var f = -1.5 * 2 + (3 % 2) / Math.PI; var g; var h = 1 <= 2 ? true : null !== NaN;",
          L"x = 1;"},
         "a=1;\n"},
        {"a value that calls, constructs, assigns, steps or reads a member may do something",
         {L"var a = f(); var b = new Date(); var c = Math.floor(2); var d = e = 3; var g = h++;",
          L"var k = document.body; var m = o.p; var n = (q)(1); var r = [s][0](); var t = 1, u = "
          L"2;"},
         "var a=b();\nvar c=new Date();\nvar d=Math.floor(2);\nvar e=f=3;\nvar g=h++;\nvar "
         "i=document.body;\nvar j=k.l;\nvar m=(n)(1);\nvar o=[p][0]();\nvar q=1,r=2;\n"},
        {"a chain of declarations goes as a whole, and stays as a whole when its end is read",
         {L"var a = 1; var b = a; var c = [b, a]; var d = 2; var e = d; y = e;"},
         "var a=2;\nvar b=a;\nc=b;\n"},
        {"read only by a dead function, or by the value of a dead declaration",
         {L"var n = 1; function f(){ return n; } var m = 2; var h = [m]; x = 2;"},
         "a=2;\n"},
        {"read by a used function, also one declared further down",
         {L"function f(){ return n + k; } f(); var n = 1;", L"var k = 2;"},
         "function a(){\nreturn b+c;\n}a();\nvar b=1;\nvar c=2;\n"},
        {"written and never read, in a used function or outside: the write keeps it",
         {L"var a = 0; var b = 0; function f(){ a = 5; } f(); b = 1;"},
         "var a=0;\nvar b=0;\nfunction c(){\na=5;\n}c();\nb=1;\n"},
        {"a function named only in the value of a dead declaration goes with it",
         {L"function f(){ } function g(){ } var h = f; var k = g; k();"},
         "function a(){\n}\nvar b=a;\nb();\n"},
        {"a local of a function is not a top-level declaration, nor one inside a for head",
         {L"function f(){ var a = 1; for (var i = 0; i < 2; i++) {} } f();"},
         "function b(){\nvar c=1;\nfor(var a=0;a<2;a++){}}b();\n"},
        {"declared twice and never used", {L"var a = 1; var a = 2; x = 3;"}, "a=3;\n"},
        {"a value that runs on over the statement's end is left alone",
         {L"var o = {", L"k: 1", L"};"},
         "var a={\nb:1;\n}\n"},
    };
    for (const auto& c : cases) {
        RenameState names;
        Diagnostics diag;
        EXPECT_EQ(joined(compactScript(c.script, names, diag)), c.compacted) << c.what;
        EXPECT_FALSE(diag.errorFlag()) << c.what;
    }
}

TEST(compactScript, ShortNamesLastForTheWholeRun) {
    RenameState names;
    const Lines first = {L"var count = 0;", L"count = count + step;"};
    std::string once = compact(first, names);
    EXPECT_EQ(once, "var a=0;\na=a+b;\n");
    EXPECT_EQ(compact(first, names), once);
    // A later conversion keeps the known names and continues the sequence for new ones.
    EXPECT_EQ(compact({L"var fresh = count;", L"fresh = fresh + fresh;"}, names),
              "var c=a;\nc=c+c;\n");
    EXPECT_EQ(names.generator.count(), 3);
}

TEST(compactScript, ManyDistinctNamesStayDistinct) {
    Lines script;
    const int kNames = 6000;
    for (int n = 0; n < kNames; ++n)
        script.push_back(L"var v" + std::to_wstring(n) + L" = " + std::to_wstring(n) + L"; f(v" +
                         std::to_wstring(n) + L");");
    std::string out = compact(script);
    std::regex declaration("var ([A-Za-z_0-9]+)=");
    std::set<std::string> shortNames;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), declaration);
         it != std::sregex_iterator(); ++it)
        shortNames.insert((*it)[1]);
    EXPECT_EQ(shortNames.size(), static_cast<size_t>(kNames));
    for (const char* reserved : {"do", "if", "in", "for", "new", "var", "try", "let", "top"})
        EXPECT_EQ(shortNames.count(reserved), 0u) << reserved;
}

// Every function the compacted runtime still declares is referred to somewhere else.
TEST(compactScript, RuntimeLibraryWithASmallProgram) {
    CollectingSink sink;
    Diagnostics diag(&sink);
    TranslationResult page = translateText(L"a = 1\nDebug a\n", diag);
    ASSERT_FALSE(diag.errorFlag());
    RenameState names;
    Lines out = compactScript(page.scriptLines, names, diag);
    EXPECT_FALSE(diag.errorFlag());
    for (const auto& line : sink.lines)
        EXPECT_FALSE(startsWith(line, L"JSL unknow")) << toUtf8(line);
    std::string script = joined(out);
    std::regex declared("function ([A-Za-z_0-9]+)\\(");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), declared);
         it != std::sregex_iterator(); ++it) {
        std::string name = (*it)[1];
        if (name == "_qlcxi" || name == "QLCX_AddEvent") continue;
        std::regex use("[^A-Za-z_0-9.]" + name + "[^A-Za-z_0-9]");
        auto uses = std::distance(std::sregex_iterator(script.begin(), script.end(), use),
                                  std::sregex_iterator());
        EXPECT_GE(uses, 2) << "unused function left: " << name;
    }
}

} // namespace
} // namespace qc
