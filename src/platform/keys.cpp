#include "keys.h"

#include <bitset>
#include <unordered_map>

namespace keys {
namespace {

std::bitset<256> state;

const std::unordered_map<int, int> table = {
    {Qt::Key_Backspace, backspace}, {Qt::Key_Tab, 9},       {Qt::Key_Return, enter},
    {Qt::Key_Enter, enter},         {Qt::Key_Shift, shift}, {Qt::Key_Control, ctrl},
    {Qt::Key_Alt, alt},             {Qt::Key_AltGr, alt},   {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},         {Qt::Key_Escape, escape}, {Qt::Key_Space, space},
    {Qt::Key_PageUp, 33},           {Qt::Key_PageDown, 34}, {Qt::Key_End, end},
    {Qt::Key_Home, home},           {Qt::Key_Left, left},   {Qt::Key_Up, up},
    {Qt::Key_Right, right},         {Qt::Key_Down, down},   {Qt::Key_Insert, 45},
    {Qt::Key_Delete, del},          {Qt::Key_Meta, 91},     {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},         {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},       {Qt::Key_Colon, 186},   {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},            {Qt::Key_Comma, 188},   {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},           {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},         {Qt::Key_Slash, slash}, {Qt::Key_Question, slash},
    {Qt::Key_QuoteLeft, 192},       {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},       {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},    {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222}};

}  // namespace

int code(int qtkey)
{
    if (qtkey >= Qt::Key_A && qtkey <= Qt::Key_Z)
        return qtkey;  // the letters share their numbers
    if (qtkey >= Qt::Key_0 && qtkey <= Qt::Key_9)
        return qtkey;
    if (qtkey >= Qt::Key_F1 && qtkey <= Qt::Key_F24)
        return f1 + (qtkey - Qt::Key_F1);
    if (auto it = table.find(qtkey); it != table.end())
        return it->second;
    return 255;
}

void press(int vk) { state.set(vk & 0xFF); }
void release(int vk) { state.reset(vk & 0xFF); }
bool isdown(int vk) { return state.test(vk & 0xFF); }
void clear() { state.reset(); }

bool track(const QKeyEvent* e)
{
    if (e->isAutoRepeat())
        return e->type() == QEvent::KeyPress;
    if (e->type() == QEvent::KeyPress)
        press(code(e));
    else if (e->type() == QEvent::KeyRelease)
        release(code(e));
    else
        return false;
    return true;
}

}  // namespace keys
