#include "tables/command_types.h"

#include "common/text.h"

#include <string>
#include <unordered_map>

namespace qc {
namespace {

using TypeMap = std::unordered_map<std::wstring, wchar_t, NoCaseHash, NoCaseEqual>;

const TypeMap& resultTypes() {
    static const TypeMap types = [] {
        TypeMap t;
        for (const wchar_t* name : {L"openwindow",
                                    L"waitwindowevent",
                                    L"awaitnextevent",
                                    L"windowevent",
                                    L"eventwindow",
                                    L"iswindow",
                                    L"eventgadget",
                                    L"eventtype",
                                    L"getgadgetstate",
                                    L"keyboardreleased",
                                    L"keyboardpushed",
                                    L"mousex",
                                    L"mousey",
                                    L"mousebutton",
                                    L"mousedeltax",
                                    L"mousedeltay",
                                    L"mousewheel",
                                    L"getfps",
                                    L"spritewidth",
                                    L"spriteheight",
                                    L"issprite",
                                    L"spritecollision",
                                    L"imagewidth",
                                    L"imageheight",
                                    L"isimage",
                                    L"elapsedmilliseconds",
                                    L"arraysize",
                                    L"listsize",
                                    L"listindex",
                                    L"addelement",
                                    L"nextelement",
                                    L"previouselement",
                                    L"firstelement",
                                    L"lastelement",
                                    L"selectelement",
                                    L"findstring",
                                    L"len",
                                    L"countstring",
                                    L"asc",
                                    L"val",
                                    L"random",
                                    L"rgb",
                                    L"rgba",
                                    L"red",
                                    L"green",
                                    L"blue",
                                    L"alpha",
                                    L"int",
                                    L"intq",
                                    L"stringbytelength",
                                    L"adddate",
                                    L"bool",
                                    L"messagerequester",
                                    L"loadimage",
                                    L"loadsprite",
                                    L"textgadget",
                                    L"stringgadget",
                                    L"buttongadget"})
            t[name] = L'i';
        for (const wchar_t* name :
             {L"acos",    L"asin",      L"atan",  L"cos",  L"sin",         L"tan",
              L"log",     L"exp",       L"sqr",   L"pow",  L"randomfloat", L"radian",
              L"degree",  L"infinity",  L"nan",   L"abs",  L"mod",         L"round",
              L"roundup", L"rounddown", L"log10", L"atan2"})
            t[name] = L'f';
        for (const wchar_t* name : {L"getgadgettext",  L"left",          L"mid",
                                    L"right",          L"lcase",         L"ucase",
                                    L"space",          L"reversestring", L"replacestring",
                                    L"removestring",   L"insertstring",  L"stringfield",
                                    L"lset",           L"rset",          L"ltrim",
                                    L"rtrim",          L"trim",          L"str",
                                    L"inputrequester", L"listjoin",      L"awaitinput"})
            t[name] = L's';
        for (const wchar_t* name :
             {L"stringfingerprint", L"fingerprint", L"replaceregularexpression",
              L"regularexpressionerror", L"programparameter", L"programfilename",
              L"selectedfontname", L"keyboardinkey", L"formatnumber", L"getpathpart",
              L"getfilepart", L"getextensionpart"})
            t[name] = L's';
        // Memory: Peek gives the type it reads.
        for (const wchar_t* name :
             {L"allocatememory", L"reallocatememory", L"memorysize", L"comparememory",
              L"memorystringlength", L"peekb", L"peeka", L"peekw", L"peeku", L"peekc", L"peekl",
              L"peeki", L"peekq", L"pokes", L"allocatestructure", L"drawingbuffer",
              L"drawingbufferpitch", L"drawingbufferpixelformat"})
            t[name] = L'i';
        for (const wchar_t* name :
             {L"createthread", L"waitthread", L"awaitthread", L"isthread", L"threadid",
              L"createmutex", L"trylockmutex", L"createsemaphore", L"trysemaphore"})
            t[name] = L'i';
        t[L"peekf"] = L'f';
        t[L"peekd"] = L'f';
        t[L"peeks"] = L's';
        return t;
    }();
    return types;
}

} // namespace

wchar_t commandResultType(std::wstring_view name) {
    auto it = resultTypes().find(name);
    return it == resultTypes().end() ? 0 : it->second;
}

namespace {

// Commands that take floats without giving one, by the arguments that are floats (bit k:
// argument k). A command that gives a float takes floats in every argument.
const std::unordered_map<std::wstring, unsigned>& floatArguments() {
    static const std::unordered_map<std::wstring, unsigned> arguments = {
        {L"strf", 1u}, {L"strd", 1u},  {L"int", 1u},
        {L"sign", 1u}, {L"isnan", 1u}, {L"isinfinity", 1u},
    };
    return arguments;
}

} // namespace

bool takesFloatArgument(std::wstring_view name, size_t index) {
    if (commandResultType(name) == L'f') return true;
    auto it = floatArguments().find(toLower(name));
    return it != floatArguments().end() && index < 32 && ((it->second >> index) & 1u) != 0;
}

} // namespace qc
