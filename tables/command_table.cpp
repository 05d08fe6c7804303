#include "tables/command_table.h"

#include "common/text.h"
#include "tables/grouped_rows.h"

namespace qc {
namespace {

// One row per built-in word: group, signature as the language documents it, and the target
// name (the page runtime or Math function to call instead; empty to keep the name). A
// command with nothing to do in a browser runs as the runtime's "empty", which does
// nothing and gives 1, so "If InitSprite()" holds.
const std::vector<CommandRegistration> kRows = [] {
    // clang-format off
    const std::vector<TableGroup> groups = {
        {L"Names of the page runtime that generated code uses", {
        {L"dimfunc(...)", L""},
        {L"redimfunc(...)", L""},
        {L"var", L""},
        {L"draginit()", L""},
        {L"dragstart()", L""},
        {L"drag()", L""},
        {L"dragstop()", L""},
        {L"setontop()", L""},
        {L"initint()", L""},
        {L"initfloat()", L""},
        {L"initstring()", L""},
        {L"datavalue(value)", L""},
        {L"datalabel(name)", L""},
        {L"datarestore(name)", L""},
        {L"dataread()", L""},
        {L"mapslot(map,key)", L""},
        {L"awaitevent([timeout])", L""},
        {L"awaitnextevent([timeout])", L"await QLCX_NextEvent"},
        {L"awaitinput()", L"await QLCX_ReadLine"},
        {L"awaitdelay(ms)", L"await QLCX_Sleep"},
        {L"awaitflip()", L"await QLCX_FlipWait"},
        }},
        {L"Windows and events", {
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
        {L"Window flags, state and window events", {
        {L"OpenWindow(ID,x,y,w,h,title [,flags [,parentID]])", L""},
        {L"WaitWindowEvent([timeout])", L""},
        {L"WindowID(ID)", L""},
        {L"WindowWidth(ID)", L""},
        {L"WindowHeight(ID)", L""},
        {L"WindowX(ID)", L""},
        {L"WindowY(ID)", L""},
        {L"HideWindow(ID,state)", L""},
        {L"SetWindowState(ID,state)", L""},
        {L"GetWindowState(ID)", L""},
        {L"StickyWindow(ID,state)", L""},
        {L"WindowMouseX(ID)", L""},
        {L"WindowMouseY(ID)", L""},
        {L"GetActiveWindow()", L""},
        }},
        {L"Toolkit gadgets", {
        {L"CheckBoxGadget(ID,x,y,w,h,text [,flags])", L""},
        {L"OptionGadget(ID,x,y,w,h,text)", L""},
        {L"ComboBoxGadget(ID,x,y,w,h [,flags])", L""},
        {L"ListViewGadget(ID,x,y,w,h [,flags])", L""},
        {L"ListIconGadget(ID,x,y,w,h,title,width [,flags])", L""},
        {L"AddGadgetColumn(ID,position,title,width)", L""},
        {L"EditorGadget(ID,x,y,w,h [,flags])", L""},
        {L"SpinGadget(ID,x,y,w,h,min,max [,flags])", L""},
        {L"TreeGadget(ID,x,y,w,h [,flags])", L""},
        {L"FrameGadget(ID,x,y,w,h,text [,flags])", L""},
        {L"ContainerGadget(ID,x,y,w,h [,flags])", L""},
        {L"PanelGadget(ID,x,y,w,h)", L""},
        {L"ScrollAreaGadget(ID,x,y,w,h,innerW,innerH [,step [,flags]])", L""},
        {L"OpenGadgetList(ID [,item])", L""},
        {L"CloseGadgetList()", L""},
        {L"ButtonImageGadget(ID,x,y,w,h,imageID [,flags])", L""},
        }},
        {L"Gadget items", {
        {L"AddGadgetItem(ID,position,text [,image [,sublevel]])", L""},
        {L"RemoveGadgetItem(ID,item)", L""},
        {L"ClearGadgetItems(ID)", L""},
        {L"CountGadgetItems(ID)", L""},
        {L"GetGadgetItemText(ID,item [,column])", L""},
        {L"SetGadgetItemText(ID,item,text [,column])", L""},
        {L"GetGadgetItemState(ID,item)", L""},
        {L"SetGadgetItemState(ID,item,state)", L""},
        {L"GetGadgetItemData(ID,item)", L""},
        {L"SetGadgetItemData(ID,item,value)", L""},
        }},
        {L"Gadget control", {
        {L"DisableGadget(ID,state)", L""},
        {L"HideGadget(ID,state)", L""},
        {L"SetActiveGadget(ID)", L""},
        {L"GetActiveGadget()", L""},
        {L"FreeGadget(ID)", L""},
        {L"IsGadget(ID)", L""},
        {L"GadgetX(ID)", L""},
        {L"GadgetY(ID)", L""},
        {L"GadgetWidth(ID)", L""},
        {L"GadgetHeight(ID)", L""},
        {L"GadgetID(ID)", L""},
        {L"GadgetToolTip(ID,text)", L""},
        {L"SetGadgetColor(ID,type,color)", L""},
        {L"GetGadgetColor(ID,type)", L""},
        {L"SetGadgetFont(ID,fontID)", L""},
        {L"SetGadgetAttribute(ID,attribute,value)", L""},
        {L"GetGadgetAttribute(ID,attribute)", L""},
        {L"SetGadgetData(ID,value)", L""},
        {L"GetGadgetData(ID)", L""},
        }},
        {L"Menus and keyboard shortcuts", {
        {L"CreateMenu(ID,windowID)", L""},
        {L"CreatePopupMenu(ID)", L""},
        {L"MenuTitle(title)", L""},
        {L"MenuItem(ID,text [,imageID])", L""},
        {L"MenuBar()", L""},
        {L"OpenSubMenu(text)", L""},
        {L"CloseSubMenu()", L""},
        {L"SetMenuItemState(menu,item,state)", L""},
        {L"GetMenuItemState(menu,item)", L""},
        {L"DisableMenuItem(menu,item,state)", L""},
        {L"SetMenuItemText(menu,item,text)", L""},
        {L"DisplayPopupMenu(ID,windowID [,x,y])", L""},
        {L"EventMenu()", L""},
        {L"AddKeyboardShortcut(window,shortcut,eventID)", L""},
        {L"RemoveKeyboardShortcut(window,shortcut)", L""},
        }},
        {L"Timers and status bars", {
        {L"AddWindowTimer(window,timer,ms)", L""},
        {L"RemoveWindowTimer(window,timer)", L""},
        {L"EventTimer()", L""},
        {L"CreateStatusBar(ID,windowID)", L""},
        {L"AddStatusBarField(width)", L""},
        {L"StatusBarText(ID,field,text [,flags])", L""},
        }},
        {L"Bound events", {
        {L"BindEvent(event,@Procedure() [,window [,object]])", L""},
        {L"BindGadgetEvent(gadget,@Procedure() [,type])", L""},
        {L"BindMenuEvent(menu,item,@Procedure())", L""},
        {L"UnbindEvent(event,@Procedure() [,window [,object]])", L""},
        {L"UnbindGadgetEvent(gadget,@Procedure() [,type])", L""},
        {L"UnbindMenuEvent(menu,item,@Procedure())", L""},
        }},
        {L"Keyboard and mouse", {
        {L"KeyboardReleased(Key)", L""},
        {L"KeyboardPushed(Key)", L""},
        {L"InitMouse()", L""},
        {L"MouseX()", L""},
        {L"MouseY()", L""},
        {L"MouseButton(button)", L""},
        {L"ExamineKeyboard()", L"empty"},
        {L"ExamineMouse()", L"empty"},
        {L"InitKeyboard()", L"empty"},
        }},
        {L"Screen", {
        {L"OpenScreen(Widht,Height,title$)", L""},
        {L"OpenWindowedScreen(WindowID,x,y,Width,Height,[...])", L""},
        {L"ClearScreen(Color)", L""},
        {L"FlipBuffers()", L""},
        {L"GetFPS()", L""},
        {L"InitSprite()", L"empty"},
        {L"ScreenOutput()", L"empty"},
        {L"IsScreenActive()", L"empty"},
        {L"Start3D()", L"empty"},
        {L"Stop3D()", L"empty"},
        {L"InitSprite3D()", L"empty"},
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
        {L"StartDrawing(output)", L""},
        {L"StopDrawing()", L""},
        {L"DrawText(x,y,Text$ [,front [,back]])", L""},
        {L"DrawImage(ImageID,x,y [,w,h])", L""},
        {L"DrawAlphaImage(ImageID,x,y [,alpha])", L""},
        {L"Box(x,y,w,h [,color])", L""},
        {L"Circle(x,y,radius [,color])", L""},
        {L"LineXY(x1,y1,x2,y2 [,color])", L""},
        {L"ElapsedMilliseconds()", L""},
        {L"ArraySize(Array(),[Dimension])", L""},
        {L"ImageID(x$)", L""},
        {L"UsePNGImageDecoder()", L"empty"},
        }},
        {L"Created images, outputs and drawing", {
        {L"CreateImage(ID,width,height [,depth [,background]])", L""},
        {L"CopyImage(ID,newID)", L""},
        {L"GrabImage(ID,newID,x,y,w,h)", L""},
        {L"ResizeImage(ID,w,h)", L""},
        {L"SaveImage(ID,file$)", L""},
        {L"ImageOutput(ID)", L""},
        {L"CanvasGadget(ID,x,y,w,h [,flags])", L""},
        {L"CanvasOutput(ID)", L""},
        {L"WindowOutput(ID)", L""},
        {L"DrawingMode(mode)", L""},
        {L"FrontColor(color)", L""},
        {L"BackColor(color)", L""},
        {L"Plot(x,y [,color])", L""},
        {L"Point(x,y)", L""},
        {L"Line(x,y,width,height [,color])", L""},
        {L"RoundBox(x,y,w,h,rx,ry [,color])", L""},
        {L"Ellipse(x,y,rx,ry [,color])", L""},
        {L"FillArea(x,y,outline,color)", L""},
        {L"TextWidth(Text$)", L""},
        {L"TextHeight(Text$)", L""},
        {L"LoadFont(ID,name$,size [,flags])", L""},
        {L"FontID(ID)", L""},
        {L"DrawingFont(FontID)", L""},
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
        {L"Round(value [,mode])", L""},
        {L"RoundUp(value)", L"Math.ceil"},
        {L"RoundDown(value)", L"Math.floor"},
        {L"Sign(x)", L""},
        {L"Mod(a,b)", L""},
        {L"Bool(expression)", L""},
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
        {L"Chr(code)", L""},
        {L"Hex(n)", L""},
        {L"Bin(n)", L""},
        {L"StrF(x [,decimals])", L""},
        {L"StrD(x [,decimals])", L""},
        {L"StrU(n)", L""},
        {L"ValF(x$)", L""},
        {L"ValD(x$)", L""},
        }},
        {L"Dates (seconds since 1970-01-01 00:00 of the local clock)", {
        {L"Date([year,month,day,hour,minute,second])", L"QLCX_DateValue"},
        {L"Year(date)", L""},
        {L"Month(date)", L""},
        {L"Day(date)", L""},
        {L"Hour(date)", L""},
        {L"Minute(date)", L""},
        {L"Second(date)", L""},
        {L"DayOfWeek(date)", L""},
        {L"FormatDate(mask$,date)", L""},
        }},
        {L"Maps", {
        {L"NewMap()", L""},
        {L"AddMapElement(map(),key$)", L""},
        {L"FindMapElement(map(),key$)", L""},
        {L"DeleteMapElement(map() [,key$])", L""},
        {L"ClearMap(map())", L""},
        {L"MapSize(map())", L""},
        {L"MapKey(map())", L""},
        {L"ResetMap(map())", L""},
        {L"NextMapElement(map())", L""},
        }},
        {L"Sorting and sizes", {
        {L"SortArray(array(),options [,first,last])", L""},
        {L"SortList(list(),options)", L""},
        {L"SortStructuredArray(array(),options,OffsetOf(S\\field),type [,first,last])", L""},
        {L"SortStructuredList(list(),options,OffsetOf(S\\field),type)", L""},
        {L"OffsetOf(S\\field)", L""},
        {L"SizeOf(type)", L""},
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
        {L"Console", {
        {L"OpenConsole([title$])", L""},
        {L"CloseConsole()", L""},
        {L"Print(text$)", L""},
        {L"PrintN(text$)", L""},
        {L"ConsoleTitle(title$)", L""},
        {L"ClearConsole()", L""},
        {L"ConsoleColor(text,background)", L""},
        {L"EnableGraphicalConsole(mode)", L""},
        {L"ConsoleLocate(x,y)", L""},
        {L"Input()", L""},
        {L"Inkey()", L""},
        {L"RawKey()", L""},
        {L"Delay(ms)", L""},
        }},
        {L"Everyday commands: random seeds, requesters, desktops and bars", {
        {L"RandomSeed(seed)", L""},
        {L"ColorRequester([color])", L""},
        {L"FontRequester(name$,size,flags)", L""},
        {L"SelectedFontName()", L""},
        {L"SelectedFontSize()", L""},
        {L"SelectedFontColor()", L""},
        {L"SelectedFontStyle()", L""},
        {L"MenuHeight()", L""},
        {L"StatusBarHeight(ID)", L""},
        {L"ExamineDesktops()", L""},
        {L"DesktopWidth(index)", L""},
        {L"DesktopHeight(index)", L""},
        {L"DesktopDepth(index)", L""},
        {L"ProgramParameter([index])", L""},
        {L"CountProgramParameters()", L""},
        {L"ProgramFilename()", L""},
        }},
        {L"Copies and moves of arrays, lists and maps (an element is named by its index)", {
        {L"CopyArray(sourceArray(),targetArray())", L""},
        {L"CopyList(list(),targetList())", L""},
        {L"CopyMap(map(),targetMap())", L""},
        {L"ChangeCurrentElement(list(),element)", L""},
        {L"SwapElements(list(),first,second)", L""},
        {L"MoveElement(list(),location [,element])", L""},
        }},
        {L"Regular expressions (the browser's)", {
        {L"CreateRegularExpression(ID,pattern$ [,flags])", L""},
        {L"MatchRegularExpression(ID,text$)", L""},
        {L"ExtractRegularExpression(ID,text$,array$())", L""},
        {L"ReplaceRegularExpression(ID,text$,replacement$)", L""},
        {L"FreeRegularExpression(ID)", L""},
        {L"IsRegularExpression(ID)", L""},
        {L"RegularExpressionError()", L""},
        }},
        {L"Fingerprints (lower-case hexadecimal)", {
        {L"UseMD5Fingerprint()", L""},
        {L"UseSHA1Fingerprint()", L""},
        {L"UseSHA2Fingerprint()", L""},
        {L"UseCRC32Fingerprint()", L""},
        {L"StringFingerprint(text$,plugin [,bits [,format]])", L""},
        {L"Fingerprint(buffer,size,plugin [,bits])", L""},
        }},
        {L"Special floats and angles", {
        {L"Infinity()", L"QLCX_Infinity"},
        {L"NaN()", L"QLCX_NaN"},
        {L"IsNAN(value)", L""},
        {L"IsInfinity(value)", L""},
        {L"Radian(degrees)", L""},
        {L"Degree(radians)", L""},
        }},
        {L"Gradients and custom filters", {
        {L"LinearGradient(x1,y1,x2,y2)", L""},
        {L"CircularGradient(x,y,radius)", L""},
        {L"GradientColor(position,color)", L""},
        {L"ResetGradientColors()", L""},
        {L"CustomFilterCallback(@Filter())", L""},
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
        {L"ReDim", L""},
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
        {L"ElseIf", L""},
        {L"Swap", L""},
        {L"Macro", L""},
        {L"EndMacro", L""},
        {L"Declare", L""},
        {L"EnableExplicit", L""},
        {L"DisableExplicit", L""},
        {L"Enumeration", L""},
        {L"EnumerationBinary", L""},
        {L"EndEnumeration", L""},
        {L"DataSection", L""},
        {L"EndDataSection", L""},
        {L"Data.t values", L""},
        {L"Read.t variable", L""},
        {L"Restore", L""},
        }},
    };
    // clang-format on
    return flattenGroups<CommandRegistration>(groups);
}();

// "list", "map" (with or without "()") and names ending in "List()" or "Map()" stand for a
// whole list or map: "CopyList(list(),targetList())".
bool isListArgument(std::wstring_view argument) {
    std::wstring a = toLower(trim(argument));
    if (a == L"list" || a == L"list(" || a == L"map" || a == L"map(") return true;
    return endsWith(a, L"list()") || endsWith(a, L"map()");
}

// Bit k set: argument k of the signature's argument text (after its "(") is a list or map.
unsigned listArgumentsOf(std::wstring_view arguments) {
    unsigned bits = 0;
    unsigned index = 0;
    int depth = 0;
    std::wstring current;
    for (wchar_t c : arguments) {
        if (c == L'[' || c == L']') continue; // optional arguments count like the others
        if (depth == 0 && (c == L',' || c == L')')) {
            if (index < 32 && isListArgument(current)) bits |= 1u << index;
            if (c == L',') ++index;
            if (c == L')') break;
            current.clear();
            continue;
        }
        if (c == L'(') ++depth;
        if (c == L')') --depth;
        current += c;
    }
    return bits;
}

std::wstring keyOf(std::wstring_view word) {
    size_t paren = word.find(L'(');
    return toLower(paren == std::wstring_view::npos ? word : word.substr(0, paren));
}

} // namespace

void CommandTable::registerCommand(std::wstring_view signature, std::wstring_view targetName) {
    std::wstring_view sig = trim(signature);
    size_t paren = sig.find(L'(');
    std::wstring_view name = paren == std::wstring_view::npos ? sig : sig.substr(0, paren);
    CommandRow& row = rows_[toLower(name)];
    row.name = std::wstring(name);
    row.targetName = std::wstring(targetName);
    row.hasParentheses = paren != std::wstring_view::npos;
    if (row.hasParentheses) {
        std::wstring_view first = sig.substr(paren + 1);
        first = trim(first.substr(0, first.find_first_of(L",)[ ")));
        row.takesList = isListArgument(first);
        row.listArguments = listArgumentsOf(sig.substr(paren + 1));
    }
}

const CommandRow* CommandTable::lookUpCommand(std::wstring_view word) const {
    auto it = rows_.find(keyOf(word));
    return it == rows_.end() ? nullptr : &it->second;
}

const std::vector<CommandRegistration>& commandRegistrations() {
    return kRows;
}

const CommandTable& commandTable() {
    static const CommandTable table = [] {
        CommandTable t;
        for (const auto& r : kRows) t.registerCommand(r.signature, r.targetName);
        return t;
    }();
    return table;
}

} // namespace qc
