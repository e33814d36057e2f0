// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/KeyTranslation.h"

#include <QKeyEvent>

namespace {

constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_HOME = 0x24;
constexpr int VK_END = 0x23;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;

// The virtual key of a Qt key, 0 for one the program has no code for.
int VirtualKeyOf(int key, bool keypad)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return VK_A + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return (keypad ? VK_NUMPAD0 : VK_0) + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return VK_OEM_2;
    default:
        return 0;
    }
}

} // namespace

std::optional<Message> TranslateKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const int key = event.key();
    if ((mods & (Qt::AltModifier | Qt::MetaModifier)) || key == Qt::Key_Alt || key == Qt::Key_Meta ||
        key == Qt::Key_AltGr || key == Qt::Key_Super_L || key == Qt::Key_Super_R)
        return std::nullopt;
    const bool ctrl = (mods & Qt::ControlModifier) != 0;
    const bool shift = (mods & Qt::ShiftModifier) != 0;
    const int vk = VirtualKeyOf(key, (mods & Qt::KeypadModifier) != 0);

    int ch = 0;
    const QString text = event.text();
    if (!ctrl && text.size() == 1) {
        const char16_t c = text.at(0).unicode();
        if (c >= 0x20 && c != 0x7F && c < 0x100) ch = c;
    }
    // Escape, Return, Backspace and Tab type their control characters.
    if (!ctrl && (vk == VK_ESCAPE || vk == VK_RETURN || vk == VK_BACK || vk == VK_TAB)) ch = vk;
    if (vk == 0 && ch == 0) return std::nullopt;
    return Message::Key(vk, ch, ctrl, shift);
}
