#include "ui/key_codes.h"

#include <QKeyEvent>
#include <array>
#include <utility>

#include "data/text_codec.h"

namespace ui {
namespace {

// Windows virtual key codes used below.
enum Vk : int {
    Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19, Capital = 20,
    Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39,
    Down = 40, Snapshot = 44, Insert = 45, Delete = 46, LWin = 91, RWin = 92, Apps = 93, Numpad0 = 96,
    Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111, F1 = 112, NumLock = 144,
    Scroll = 145, Oem1 = 186, OemPlus = 187, OemComma = 188, OemMinus = 189, OemPeriod = 190, Oem2 = 191,
    Oem3 = 192, Oem4 = 219, Oem5 = 220, Oem6 = 221, Oem7 = 222, Oem102 = 226
};

// Evdev key codes of a PC keyboard (the xkb key code is 8 more) and the
// virtual key each one stands for.
constexpr std::pair<int, int> kEvdevKeys[] = {
    {1, Escape},   {2, '1'},      {3, '2'},       {4, '3'},       {5, '4'},        {6, '5'},       {7, '6'},
    {8, '7'},      {9, '8'},      {10, '9'},      {11, '0'},      {12, OemMinus},  {13, OemPlus},  {14, Back},
    {15, Tab},     {16, 'Q'},     {17, 'W'},      {18, 'E'},      {19, 'R'},       {20, 'T'},      {21, 'Y'},
    {22, 'U'},     {23, 'I'},     {24, 'O'},      {25, 'P'},      {26, Oem4},      {27, Oem6},     {28, Return},
    {29, Control}, {30, 'A'},     {31, 'S'},      {32, 'D'},      {33, 'F'},       {34, 'G'},      {35, 'H'},
    {36, 'J'},     {37, 'K'},     {38, 'L'},      {39, Oem1},     {40, Oem7},      {41, Oem3},     {42, Shift},
    {43, Oem5},    {44, 'Z'},     {45, 'X'},      {46, 'C'},      {47, 'V'},       {48, 'B'},      {49, 'N'},
    {50, 'M'},     {51, OemComma}, {52, OemPeriod}, {53, Oem2},    {54, Shift},     {55, Multiply}, {56, Menu},
    {57, Space},   {58, Capital}, {59, F1},       {60, F1 + 1},   {61, F1 + 2},    {62, F1 + 3},   {63, F1 + 4},
    {64, F1 + 5},  {65, F1 + 6},  {66, F1 + 7},   {67, F1 + 8},   {68, F1 + 9},    {69, NumLock},  {70, Scroll},
    {71, Numpad0 + 7}, {72, Numpad0 + 8}, {73, Numpad0 + 9}, {74, Subtract}, {75, Numpad0 + 4},
    {76, Numpad0 + 5}, {77, Numpad0 + 6}, {78, Add}, {79, Numpad0 + 1}, {80, Numpad0 + 2}, {81, Numpad0 + 3},
    {82, Numpad0}, {83, Decimal}, {86, Oem102},   {87, F1 + 10},  {88, F1 + 11},   {96, Return},   {97, Control},
    {98, Divide},  {99, Snapshot}, {100, Menu},   {102, Home},    {103, Up},       {104, Prior},   {105, Left},
    {106, Right},  {107, End},    {108, Down},    {109, Next},    {110, Insert},   {111, Delete},  {119, Pause},
    {125, LWin},   {126, RWin},   {127, Apps},
};

// The Russian (ЙЦУКЕН) letters by the Latin letter or sign on the same key,
// as upper-case code points, which is how Qt reports letter keys.
constexpr std::pair<char16_t, int> kRussianKeys[] = {
    {u'Й', 'Q'}, {u'Ц', 'W'}, {u'У', 'E'}, {u'К', 'R'}, {u'Е', 'T'}, {u'Н', 'Y'}, {u'Г', 'U'},
    {u'Ш', 'I'}, {u'Щ', 'O'}, {u'З', 'P'}, {u'Х', Oem4}, {u'Ъ', Oem6}, {u'Ф', 'A'}, {u'Ы', 'S'},
    {u'В', 'D'}, {u'А', 'F'}, {u'П', 'G'}, {u'Р', 'H'}, {u'О', 'J'}, {u'Л', 'K'}, {u'Д', 'L'},
    {u'Ж', Oem1}, {u'Э', Oem7}, {u'Я', 'Z'}, {u'Ч', 'X'}, {u'С', 'C'}, {u'М', 'V'}, {u'И', 'B'},
    {u'Т', 'N'}, {u'Ь', 'M'}, {u'Б', OemComma}, {u'Ю', OemPeriod}, {u'Ё', Oem3},
};

constexpr std::pair<int, int> kQtKeys[] = {
    {Qt::Key_Space, Space},       {Qt::Key_Return, Return},       {Qt::Key_Enter, Return},
    {Qt::Key_Escape, Escape},     {Qt::Key_Backspace, Back},      {Qt::Key_Tab, Tab},
    {Qt::Key_Backtab, Tab},       {Qt::Key_Shift, Shift},         {Qt::Key_Control, Control},
    {Qt::Key_Alt, Menu},          {Qt::Key_AltGr, Menu},          {Qt::Key_Pause, Pause},
    {Qt::Key_CapsLock, Capital},  {Qt::Key_PageUp, Prior},        {Qt::Key_PageDown, Next},
    {Qt::Key_End, End},           {Qt::Key_Home, Home},           {Qt::Key_Left, Left},
    {Qt::Key_Up, Up},             {Qt::Key_Right, Right},         {Qt::Key_Down, Down},
    {Qt::Key_Print, Snapshot},    {Qt::Key_Insert, Insert},       {Qt::Key_Delete, Delete},
    {Qt::Key_Meta, LWin},         {Qt::Key_Menu, Apps},           {Qt::Key_NumLock, NumLock},
    {Qt::Key_ScrollLock, Scroll}, {Qt::Key_Semicolon, Oem1},      {Qt::Key_Colon, Oem1},
    {Qt::Key_Equal, OemPlus},     {Qt::Key_Plus, OemPlus},        {Qt::Key_Comma, OemComma},
    {Qt::Key_Less, OemComma},     {Qt::Key_Minus, OemMinus},      {Qt::Key_Underscore, OemMinus},
    {Qt::Key_Period, OemPeriod},  {Qt::Key_Greater, OemPeriod},   {Qt::Key_Slash, Oem2},
    {Qt::Key_Question, Oem2},     {Qt::Key_QuoteLeft, Oem3},      {Qt::Key_AsciiTilde, Oem3},
    {Qt::Key_BracketLeft, Oem4},  {Qt::Key_BraceLeft, Oem4},      {Qt::Key_Backslash, Oem5},
    {Qt::Key_Bar, Oem5},          {Qt::Key_BracketRight, Oem6},   {Qt::Key_BraceRight, Oem6},
    {Qt::Key_Apostrophe, Oem7},   {Qt::Key_QuoteDbl, Oem7},
};

template <class Table, class Key>
int Lookup(const Table& table, Key key) {
    for (const auto& [from, to] : table)
        if (from == key) return to;
    return 0;
}

}  // namespace

int VirtualKeyFromXkb(quint32 keycode) {
    if (keycode < 8) return 0;
    return Lookup(kEvdevKeys, int(keycode - 8));
}

int VirtualKeyFromQtKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? Numpad0 + (key - Qt::Key_0) : key;
    if (keypad) {
        switch (key) {
        case Qt::Key_Asterisk: return Multiply;
        case Qt::Key_Plus: return Add;
        case Qt::Key_Minus: return Subtract;
        case Qt::Key_Slash: return Divide;
        case Qt::Key_Period:
        case Qt::Key_Comma: return Decimal;
        default: break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return F1 + (key - Qt::Key_F1);
    if (key > 0 && key <= 0xFFFF) {
        const char16_t upper = QChar(char16_t(key)).toUpper().unicode();
        if (int vk = Lookup(kRussianKeys, upper)) return vk;
    }
    return Lookup(kQtKeys, key);
}

int VirtualKeyOf(const QKeyEvent& event) {
#if defined(Q_OS_WIN)
    if (event.nativeVirtualKey() != 0) return int(event.nativeVirtualKey());
#elif defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (int vk = VirtualKeyFromXkb(event.nativeScanCode())) return vk;
#endif
    return VirtualKeyFromQtKey(event.key(), event.modifiers());
}

int CharCodeOf(const QKeyEvent& event) {
    // Delete types no character on the desktop the game was made for.
    if (event.key() == Qt::Key_Delete) return -1;
    const QString text = event.text();
    if (text.isEmpty()) {
        if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return 13;
        return -1;
    }
    const QByteArray utf8 = text.left(text.at(0).isHighSurrogate() ? 2 : 1).toUtf8();
    return data::Cp1251Code(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

int PositionalCharCode(int vk, int code) {
    if (vk < 'A' || vk > 'Z') return code;
    // Windows-1251 letters: Latin A-Z and a-z, Cyrillic 192-255, Ё 168 and ё 184.
    const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code >= 192 ||
                        code == 168 || code == 184;
    return letter ? vk - 'A' + 'a' : code;
}

}  // namespace ui
