#include "tables/constant_table.h"

#include "common/text.h"
#include "tables/grouped_rows.h"

namespace qc {
namespace {

// clang-format off
const std::vector<std::pair<const wchar_t*, const wchar_t*>> kBuiltIn = {
    {L"red", L"255"},
    {L"green", L"65280"},
    {L"blue", L"16711680"},
    {L"black", L"0"},
    {L"white", L"16777215"},
    {L"true", L"1"},
    {L"false", L"0"},
    {L"pb_relative", L"1"},
    {L"pb_absolute", L"0"},
    {L"pi", L"Math.PI"},
    {L"lf$", L"\"\\n\""},
    {L"cr$", L"\"\\n\""},
    {L"lfcr$", L"\"\\n\""},
    {L"crlf$", L"\"\\n\""},
    {L"pb_ignore", L"-1"},
};

const std::vector<ConstantRegistration> kRows = [] {
    const std::vector<TableGroup> groups = {
        {L"Events, event types and mouse buttons", {
        {L"#PB_Event_CloseWindow", L"1"},
        {L"#PB_Event_Gadget", L"2"},
        {L"#PB_EventType_LeftClick", L"1"},
        {L"#PB_EventType_LeftDoubleClick", L"2"},
        {L"#PB_EventType_Focus", L"3"},
        {L"#PB_EventType_LostFocus", L"4"},
        {L"#PB_EventType_Change", L"5"},
        {L"#PB_MOUSEBUTTON_LEFT", L"1"},
        {L"#PB_MOUSEBUTTON_RIGHT", L"2"},
        {L"#PB_MOUSEBUTTON_MIDDLE", L"3"},
        }},
        {L"Rounding, sorting and type names", {
        {L"#PB_Round_Nearest", L"1"},
        {L"#PB_Round_Down", L"2"},
        {L"#PB_Round_Up", L"3"},
        {L"#PB_Sort_Ascending", L"0"},
        {L"#PB_Sort_Descending", L"1"},
        {L"#PB_Sort_NoCase", L"2"},
        {L"#PB_Byte", L"1"},
        {L"#PB_Word", L"3"},
        {L"#PB_Long", L"5"},
        {L"#PB_String", L"8"},
        {L"#PB_Float", L"9"},
        {L"#PB_Character", L"11"},
        {L"#PB_Double", L"12"},
        {L"#PB_Quad", L"13"},
        {L"#PB_Integer", L"21"},
        {L"#PB_Ascii", L"24"},
        {L"#PB_Unicode", L"25"},
        }},
        {L"Numbers picked by the command", {
        {L"#PB_Any", L"-1"},
        }},
        {L"Drawing modes (combined with |) and fonts", {
        {L"#PB_2DDrawing_Default", L"0"},
        {L"#PB_2DDrawing_Transparent", L"1"},
        {L"#PB_2DDrawing_XOr", L"2"},
        {L"#PB_2DDrawing_Outlined", L"4"},
        {L"#PB_2DDrawing_AlphaBlend", L"16"},
        {L"#PB_Font_Bold", L"256"},
        {L"#PB_Font_Italic", L"512"},
        }},
        {L"Canvas gadgets: flag, event types and attributes", {
        {L"#PB_Canvas_Keyboard", L"1"},
        {L"#PB_EventType_RightClick", L"6"},
        {L"#PB_EventType_MouseEnter", L"16"},
        {L"#PB_EventType_MouseLeave", L"17"},
        {L"#PB_EventType_MouseMove", L"18"},
        {L"#PB_EventType_MouseWheel", L"19"},
        {L"#PB_EventType_LeftButtonDown", L"20"},
        {L"#PB_EventType_LeftButtonUp", L"21"},
        {L"#PB_EventType_RightButtonDown", L"22"},
        {L"#PB_EventType_RightButtonUp", L"23"},
        {L"#PB_EventType_MiddleButtonDown", L"24"},
        {L"#PB_EventType_MiddleButtonUp", L"25"},
        {L"#PB_EventType_KeyDown", L"26"},
        {L"#PB_EventType_KeyUp", L"27"},
        {L"#PB_EventType_Input", L"28"},
        {L"#PB_Canvas_MouseX", L"1"},
        {L"#PB_Canvas_MouseY", L"2"},
        {L"#PB_Canvas_Buttons", L"3"},
        {L"#PB_Canvas_WheelDelta", L"4"},
        {L"#PB_Canvas_Key", L"5"},
        {L"#PB_Canvas_Input", L"6"},
        {L"#PB_Canvas_Modifiers", L"7"},
        {L"#PB_Canvas_LeftButton", L"1"},
        {L"#PB_Canvas_RightButton", L"2"},
        {L"#PB_Canvas_MiddleButton", L"4"},
        {L"#PB_Canvas_Shift", L"1"},
        {L"#PB_Canvas_Control", L"2"},
        {L"#PB_Canvas_Alt", L"4"},
        {L"#PB_Canvas_Command", L"8"},
        }},
        {L"Digit keys (the character code of the digit)", {
        {L"#PB_KEY_0", L"48"},
        {L"#PB_KEY_1", L"49"},
        {L"#PB_KEY_2", L"50"},
        {L"#PB_KEY_3", L"51"},
        {L"#PB_KEY_4", L"52"},
        {L"#PB_KEY_5", L"53"},
        {L"#PB_KEY_6", L"54"},
        {L"#PB_KEY_7", L"55"},
        {L"#PB_KEY_8", L"56"},
        {L"#PB_KEY_9", L"57"},
        }},
        {L"Letter keys (the character code of the capital letter)", {
        {L"#PB_KEY_A", L"65"},
        {L"#PB_KEY_B", L"66"},
        {L"#PB_KEY_C", L"67"},
        {L"#PB_KEY_D", L"68"},
        {L"#PB_KEY_E", L"69"},
        {L"#PB_KEY_F", L"70"},
        {L"#PB_KEY_G", L"71"},
        {L"#PB_KEY_H", L"72"},
        {L"#PB_KEY_I", L"73"},
        {L"#PB_KEY_J", L"74"},
        {L"#PB_KEY_K", L"75"},
        {L"#PB_KEY_L", L"76"},
        {L"#PB_KEY_M", L"77"},
        {L"#PB_KEY_N", L"78"},
        {L"#PB_KEY_O", L"79"},
        {L"#PB_KEY_P", L"80"},
        {L"#PB_KEY_Q", L"81"},
        {L"#PB_KEY_R", L"82"},
        {L"#PB_KEY_S", L"83"},
        {L"#PB_KEY_T", L"84"},
        {L"#PB_KEY_U", L"85"},
        {L"#PB_KEY_V", L"86"},
        {L"#PB_KEY_W", L"87"},
        {L"#PB_KEY_X", L"88"},
        {L"#PB_KEY_Y", L"89"},
        {L"#PB_KEY_Z", L"90"},
        }},
        {L"Number pad digits", {
        {L"#PB_KEY_NUM0", L"96"},
        {L"#PB_KEY_NUM1", L"97"},
        {L"#PB_KEY_NUM2", L"98"},
        {L"#PB_KEY_NUM3", L"99"},
        {L"#PB_KEY_NUM4", L"100"},
        {L"#PB_KEY_NUM5", L"101"},
        {L"#PB_KEY_NUM6", L"102"},
        {L"#PB_KEY_NUM7", L"103"},
        {L"#PB_KEY_NUM8", L"104"},
        {L"#PB_KEY_NUM9", L"105"},
        }},
        {L"Function keys", {
        {L"#PB_KEY_F1", L"112"},
        {L"#PB_KEY_F2", L"113"},
        {L"#PB_KEY_F3", L"114"},
        {L"#PB_KEY_F4", L"115"},
        {L"#PB_KEY_F5", L"116"},
        {L"#PB_KEY_F6", L"117"},
        {L"#PB_KEY_F7", L"118"},
        {L"#PB_KEY_F8", L"119"},
        {L"#PB_KEY_F9", L"120"},
        {L"#PB_KEY_F10", L"121"},
        {L"#PB_KEY_F11", L"122"},
        {L"#PB_KEY_F12", L"123"},
        }},
        {L"Named keys", {
        {L"#PB_KEY_BACKSPACE", L"8"},
        {L"#PB_KEY_TAB", L"9"},
        {L"#PB_KEY_ENTER", L"13"},
        {L"#PB_KEY_RETURN", L"13"},
        {L"#PB_KEY_SHIFT", L"16"},
        {L"#PB_KEY_LEFTSHIFT", L"16"},
        {L"#PB_KEY_RIGHTSHIFT", L"16"},
        {L"#PB_KEY_CTRL", L"17"},
        {L"#PB_KEY_CONTROL", L"17"},
        {L"#PB_KEY_LEFTCONTROL", L"17"},
        {L"#PB_KEY_RIGHTCONTROL", L"17"},
        {L"#PB_KEY_ALT", L"18"},
        {L"#PB_KEY_PAUSE", L"19"},
        {L"#PB_KEY_BREAK", L"19"},
        {L"#PB_KEY_CAPSLOCK", L"20"},
        {L"#PB_KEY_ESCAPE", L"27"},
        {L"#PB_KEY_SPACE", L"32"},
        {L"#PB_KEY_PAGEUP", L"33"},
        {L"#PB_KEY_PAGEDOWN", L"34"},
        {L"#PB_KEY_END", L"35"},
        {L"#PB_KEY_HOME", L"36"},
        {L"#PB_KEY_LEFT", L"37"},
        {L"#PB_KEY_UP", L"38"},
        {L"#PB_KEY_RIGHT", L"39"},
        {L"#PB_KEY_DOWN", L"40"},
        {L"#PB_KEY_PRINT", L"44"},
        {L"#PB_KEY_INSERT", L"45"},
        {L"#PB_KEY_DELETE", L"46"},
        {L"#PB_KEY_LEFTWINDOWS", L"91"},
        {L"#PB_KEY_RIGHTWINDOWS", L"92"},
        {L"#PB_KEY_SELECT", L"93"},
        {L"#PB_KEY_MULTIPLY", L"106"},
        {L"#PB_KEY_ADD", L"107"},
        {L"#PB_KEY_SUBSTRACT", L"109"},
        {L"#PB_KEY_DECIMAL", L"110"},
        {L"#PB_KEY_DIVIDE", L"111"},
        {L"#PB_KEY_NUMLOCK", L"144"},
        {L"#PB_KEY_SCROLLLOCK", L"145"},
        {L"#PB_KEY_SEMICOLON", L"186"},
        {L"#PB_KEY_EQUAL", L"187"},
        {L"#PB_KEY_COMMA", L"188"},
        {L"#PB_KEY_DASH", L"189"},
        {L"#PB_KEY_PERIOD", L"190"},
        {L"#PB_KEY_SLASH", L"191"},
        {L"#PB_KEY_LBRACKET", L"219"},
        {L"#PB_KEY_BACKSLASH", L"220"},
        {L"#PB_KEY_RBRACKET", L"221"},
        {L"#PB_KEY_QUOTE", L"222"},
        }},
    };
    return flattenGroups<ConstantRegistration>(groups);
}();
// clang-format on

} // namespace

void ConstantTable::RegisterConstant(std::wstring_view name, std::wstring_view value) {
    values_[toLower(name)] = std::wstring(value);
}

const std::wstring* ConstantTable::LookUpConstant(std::wstring_view name) const {
    auto it = values_.find(toLower(name));
    return it == values_.end() ? nullptr : &it->second;
}

const ConstantTable& constantTable() {
    static const ConstantTable table = [] {
        ConstantTable t;
        for (const auto& r : kRows) t.RegisterConstant(r.name, r.value);
        return t;
    }();
    return table;
}

const std::vector<ConstantRegistration>& constantRegistrations() {
    return kRows;
}
const std::vector<std::pair<const wchar_t*, const wchar_t*>>& builtInConstants() {
    return kBuiltIn;
}

std::optional<std::wstring> ResolveConstant(std::wstring_view constant) {
    std::wstring name = toLower(constant.substr(startsWith(constant, L"#") ? 1 : 0));
    for (const auto& [builtIn, text] : kBuiltIn)
        if (name == builtIn) return std::wstring(text);
    if (const std::wstring* v = constantTable().LookUpConstant(constant)) return *v;
    return std::nullopt;
}

} // namespace qc
