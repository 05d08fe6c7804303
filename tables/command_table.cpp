#include "tables/command_table.h"

#include "common/text.h"
#include "tables/grouped_rows.h"

namespace qc {
namespace {

// One row per built-in word: group, signature as the language documents it, and the target
// name (the page runtime or Math function to call instead; empty to keep the name).
const std::vector<CommandRegistration> kRows = [] {
    // clang-format off
    const std::vector<TableGroup> groups = {
        {L"Names of the page runtime that generated code uses", {
        {L"dimfunc(...)", L""},
        {L"var", L""},
        {L"draginit()", L""},
        {L"dragstart()", L""},
        {L"drag()", L""},
        {L"dragstop()", L""},
        {L"setontop()", L""},
        {L"initint()", L""},
        {L"initfloat()", L""},
        {L"initstring()", L""},
        }},
        {L"Windows and events", {
        {L"OpenWindow(ID,x,y,w,h,title)", L""},
        {L"WaitWindowEvent()", L"WindowEvent"},
        {L"WindowEvent()", L""},
        {L"EventWindow()", L""},
        {L"IsWindow(ID)", L""},
        {L"SetWindowTitle(ID,title)", L""},
        {L"SetWindowColor(ID,color)", L""},
        {L"CloseWindow(ID)", L""},
        {L"SetActiveWindow(ID)", L""},
        {L"ResizeWindow(ID,x,y,w,h)", L""},
        }},
        {L"Gadgets", {
        {L"UseGadgetList(wID)", L""},
        {L"TextGadget(ID,x,y,w,h,string)", L""},
        {L"StringGadget(ID,x,y,w,h,string)", L""},
        {L"ButtonGadget(ID,x,y,w,h,string)", L""},
        {L"ProgressBarGadget(ID,x,y,w,h,min,max)", L""},
        {L"ImageGadget(ID,x,y,w,h,img)", L""},
        {L"WebGadget(ID,x,y,w,h,url)", L""},
        {L"TrackBarGadget(ID,x,y,w,h,min,max)", L""},
        {L"HyperLinkGadget(ID,x,y,w,h,url,color)", L""},
        {L"EventGadget()", L""},
        {L"EventType()", L""},
        {L"SetGadgetText(ID,text)", L""},
        {L"GetGadgetText(ID)", L""},
        {L"ResizeGadget(ID,x,y,w,h)", L""},
        {L"SetGadgetState(ID,value)", L""},
        {L"GetGadgetState(ID)", L""},
        }},
        {L"Keyboard and mouse", {
        {L"KeyboardReleased(Key)", L""},
        {L"KeyboardPushed(Key)", L""},
        {L"InitMouse()", L""},
        {L"MouseX()", L""},
        {L"MouseY()", L""},
        {L"MouseButton(button)", L""},
        {L"ExamineKeyboard()", L""},
        {L"ExamineMouse()", L""},
        {L"InitKeyboard()", L""},
        }},
        {L"Screen", {
        {L"OpenScreen(Widht,Height,title$)", L""},
        {L"OpenWindowedScreen(WindowID,x,y,Width,Height,[...])", L""},
        {L"ClearScreen(Color)", L""},
        {L"FlipBuffers()", L""},
        {L"GetFPS()", L""},
        {L"InitSprite()", L""},
        {L"ScreenOutput()", L""},
        {L"IsScreenActive()", L""},
        {L"Start3D()", L""},
        {L"Stop3D()", L""},
        {L"InitSprite3D()", L""},
        }},
        {L"Sprites", {
        {L"LoadSprite(ID,path$)", L"LoadImage"},
        {L"SpriteWidth(ID)", L"ImageWidth"},
        {L"SpriteHeight(ID)", L"ImageHeight"},
        {L"IsSprite(ID)", L"IsImage"},
        {L"FreeSprite(ID)", L"FreeImage"},
        {L"SpriteCollision(ID1,x1,y1,ID2,x2,y2)", L""},
        {L"DisplaySprite(SpriteID,x,y)", L"DrawImage"},
        {L"DisplayTransparentSprite(SpriteID,x,y)", L"DrawAlphaImage"},
        {L"DisplayTranslucentSprite(SpriteID,x,y,Intensity)", L"DrawAlphaImage"},
        {L"CreateSprite3D(ID3D,ID)", L""},
        {L"DisplaySprite3D(ID,x,y,Transparency)", L""},
        {L"FreeSprite3D(ID)", L""},
        {L"IsSprite3D(ID)", L""},
        {L"RotateSprite3D(ID,Angle [,Mode])", L""},
        {L"Sprite3DQuality(Quality)", L""},
        {L"ZoomSprite3D(ID,w,h)", L""},
        }},
        {L"Images, drawing and time", {
        {L"LoadImage(ID,path$)", L""},
        {L"ImageWidth(ID)", L""},
        {L"ImageHeight(ID)", L""},
        {L"IsImage(ID)", L""},
        {L"FreeImage(ID)", L""},
        {L"StartDrawing()", L""},
        {L"StopDrawing()", L""},
        {L"DrawText(x,y,Text$)", L""},
        {L"DrawImage(ImageID,x,y)", L""},
        {L"DrawAlphaImage(ImageID,x,y [,alpha])", L""},
        {L"Box(x,y,w,h,color)", L""},
        {L"Circle(x,y,radius,color)", L""},
        {L"LineXY(x1,y1,x2,y2,color)", L""},
        {L"ElapsedMilliseconds()", L""},
        {L"ArraySize(Array(),[Dimension])", L""},
        {L"ImageID(x$)", L""},
        {L"UsePNGImageDecoder()", L""},
        }},
        {L"Linked lists", {
        {L"NewList()", L""},
        {L"ResetList(list)", L""},
        {L"AddElement(list)", L""},
        {L"DeleteElement(list)", L""},
        {L"NextElement(list)", L""},
        {L"PreviousElement(list)", L""},
        {L"ListSize(list)", L""},
        {L"ListIndex(list)", L""},
        {L"SelectElement(list,position)", L""},
        {L"ClearList(list,position)", L""},
        {L"FirstElement(list)", L""},
        {L"LastElement(list)", L""},
        {L"ListJoin(list,char)", L""},
        }},
        {L"Mathematics", {
        {L"ACos(Value)", L"Math.acos"},
        {L"ASin(Value)", L"Math.asin"},
        {L"ATan(Value)", L"Math.atan"},
        {L"Cos(Value)", L"Math.cos"},
        {L"Sin(Value)", L"Math.sin"},
        {L"Tan(Value)", L"Math.tan"},
        {L"Log(Value)", L"Math.log"},
        {L"Exp(Value)", L"Math.exp"},
        {L"Int(Value)", L"Math.trunc"},
        {L"Abs(Value)", L"Math.abs"},
        {L"Sqr(Value)", L"Math.sqrt"},
        {L"Pow(x,y)", L"Math.pow"},
        {L"Round(value)", L"Math.round"},
        {L"RoundUp(value)", L"Math.ceil"},
        {L"RoundDown(value)", L"Math.floor"},
        }},
        {L"Strings", {
        {L"Left(String,Length)", L""},
        {L"Mid(String,StartPos,Length)", L""},
        {L"Right(String,Length)", L""},
        {L"FindString(String,Find,StartPos)", L""},
        {L"LCase(String)", L""},
        {L"UCase(String)", L""},
        {L"Len(String)", L""},
        {L"CountString(String,StringToCount)", L""},
        {L"Space(Count,char)", L""},
        {L"ReverseString(Count)", L""},
        {L"Asc(Count)", L""},
        {L"ReplaceString(String,StringToFind,StringToReplace)", L""},
        {L"RemoveString(String,StringToRemove)", L""},
        {L"InsertString(String,StringToInsert,Position)", L""},
        {L"StringField(String,Index,Separator)", L""},
        {L"LSet(String,Length,chars)", L""},
        {L"RSet(String,Length,chars)", L""},
        {L"LTrim(String,chars)", L""},
        {L"RTrim(String,chars)", L""},
        {L"Trim(String,chars)", L""},
        {L"Str(x)", L""},
        {L"Val(x$)", L""},
        }},
        {L"Random numbers and colours", {
        {L"Random(number)", L""},
        {L"RandomFloat(number)", L""},
        {L"RGB(red,green,blue)", L""},
        {L"RGBA(red,green,blue,alpha)", L""},
        {L"Red(color)", L""},
        {L"Green(color)", L""},
        {L"Blue(color)", L""},
        {L"Alpha(color)", L""},
        }},
        {L"Requesters", {
        {L"InputRequester(title,message,defaultstring)", L""},
        {L"MessageRequester(title, message [,flag])", L""},
        }},
        {L"Keywords", {
        {L"If", L""},
        {L"Or", L""},
        {L"And", L""},
        {L"Else", L""},
        {L"EndIf", L""},
        {L"End", L""},
        {L"Select", L""},
        {L"case", L""},
        {L"default", L""},
        {L"EndSelect", L""},
        {L"Define", L""},
        {L"Global", L""},
        {L"Static", L""},
        {L"Protected", L""},
        {L"Shared", L""},
        {L"Debug", L""},
        {L"Dim", L""},
        {L"Repeat", L""},
        {L"Until", L""},
        {L"ForEver", L""},
        {L"For", L""},
        {L"To", L""},
        {L"Step", L""},
        {L"Next", L""},
        {L"break", L""},
        {L"continue", L""},
        {L"While", L""},
        {L"Wend", L""},
        {L"ForEach", L""},
        {L"Procedure", L""},
        {L"ProcedureReturn", L""},
        {L"EndProcedure", L""},
        }},
    };
    // clang-format on
    return flattenGroups<CommandRegistration>(groups);
}();

std::wstring keyOf(std::wstring_view word) {
    size_t paren = word.find(L'(');
    return toLower(paren == std::wstring_view::npos ? word : word.substr(0, paren));
}

} // namespace

void CommandTable::RegisterCommand(std::wstring_view signature, std::wstring_view targetName) {
    std::wstring_view sig = trim(signature);
    size_t paren = sig.find(L'(');
    std::wstring_view name = paren == std::wstring_view::npos ? sig : sig.substr(0, paren);
    CommandRow& row = rows_[toLower(name)];
    row.name = std::wstring(name);
    row.targetName = std::wstring(targetName);
    row.hasParentheses = paren != std::wstring_view::npos;
}

const CommandRow* CommandTable::LookUpCommand(std::wstring_view word) const {
    auto it = rows_.find(keyOf(word));
    return it == rows_.end() ? nullptr : &it->second;
}

const std::vector<CommandRegistration>& commandRegistrations() {
    return kRows;
}

const CommandTable& commandTable() {
    static const CommandTable table = [] {
        CommandTable t;
        for (const auto& r : kRows) t.RegisterCommand(r.signature, r.targetName);
        return t;
    }();
    return table;
}

} // namespace qc
