#include "tables/target_word_table.h"

#include "common/text.h"

namespace qc {
namespace {

// clang-format off
const std::vector<const wchar_t*> kWords = {
    // Words of the language and of the browser's global objects
    L"Array()",
    L"alert()",
    L"break",
    L"const",
    L"continue",
    L"case",
    L"clearInterval()",
    L"Date()",
    L"default",
    L"do",
    L"document",
    L"else",
    L"false",
    L"for",
    L"function",
    L"getTime()",
    L"if",
    L"Image()",
    L"isReady()",
    L"Math",
    L"new",
    L"return",
    L"setInterval()",
    L"switch",
    L"this",
    L"throw",
    L"Error()",
    L"true",
    L"var",
    L"while",
    // The page runtime's event hook
    L"QLCX_AddEvent",
    // Members of browser objects
    L".appendChild",
    L".arc",
    L".beginPath",
    L".button",
    L".charAt",
    L".charCodeAt",
    L".className",
    L".clientX",
    L".clientY",
    L".closePath",
    L".drawImage",
    L".fill",
    L".fillRect",
    L".fillStyle",
    L".fillText",
    L".firstChild.nodeValue",
    L".font",
    L".getContext",
    L".getTime",
    L".globalAlpha",
    L".height",
    L".high",
    L".href",
    L".id",
    L".imageSmoothingEnabled",
    L".indexOf",
    L".isReady",
    L".join",
    L".keyCode",
    L".length",
    L".lineTo",
    L".max",
    L".min",
    L".moveTo",
    L".name",
    L".offsetLeft",
    L".offsetTop",
    L".onblur",
    L".onload",
    L".ondbclick",
    L".onfocus",
    L".onclick",
    L".ondblclick",
    L".onchange",
    L".onmousedown",
    L".onmousemove",
    L".onmouseup",
    L".pageX",
    L".pageY",
    L".pop",
    L".push",
    L".removeChild",
    L".rotate",
    L".restore",
    L".save",
    L".slice",
    L".src",
    L".style.backgroundColor",
    L".style.color",
    L".style.textOverflow",
    L".style.position",
    L".style.left",
    L".style.top",
    L".style.width",
    L".style.height",
    L".style.zIndex",
    L".strokeStyle",
    L".stroke",
    L".substr",
    L".target",
    L".translate",
    L".textBaseline",
    L".toLowerCase",
    L".toUpperCase",
    L".transform",
    L".type",
    L".value",
    L".width",
};
// clang-format on

} // namespace

void TargetWordTable::RegisterTargetWord(std::wstring_view word) {
    std::wstring key = toLower(word);
    bool isFunction = endsWith(key, L"()");
    if (isFunction) key.resize(key.size() - 2);
    words_[key].isFunction = isFunction;
}

const TargetWord* TargetWordTable::IsTargetWord(std::wstring_view word) const {
    size_t paren = word.find(L'(');
    auto it = words_.find(toLower(paren == std::wstring_view::npos ? word : word.substr(0, paren)));
    return it == words_.end() ? nullptr : &it->second;
}

const TargetWordTable& targetWordTable() {
    static const TargetWordTable table = [] {
        TargetWordTable t;
        for (const wchar_t* w : kWords) t.RegisterTargetWord(w);
        return t;
    }();
    return table;
}

const std::vector<const wchar_t*>& targetWordRegistrations() {
    return kWords;
}

} // namespace qc
