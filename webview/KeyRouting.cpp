#include "KeyRouting.h"

KeyRoute routeKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::AltModifier)
        return KeyRoute::OfferToShortcuts;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyRoute::PageInput;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return (modifiers & Qt::KeypadModifier) ? KeyRoute::OfferToShortcuts : KeyRoute::PageInput;
    default:
        return KeyRoute::OfferToShortcuts;
    }
}

BrowserCommand shortcutCommand(int key, Qt::KeyboardModifiers modifiers)
{
    // Which physical key block the key came from does not change its meaning.
    const Qt::KeyboardModifiers mods =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrl = mods == Qt::ControlModifier;
    const bool ctrlShift = mods == (Qt::ControlModifier | Qt::ShiftModifier);

    switch (key) {
    case Qt::Key_F5:
        if (mods == Qt::NoModifier)
            return BrowserCommand::Reload;
        if (ctrl)
            return BrowserCommand::ReloadBypassingCache;
        break;
    case Qt::Key_R:
        if (ctrl)
            return BrowserCommand::Reload;
        if (ctrlShift)
            return BrowserCommand::ReloadBypassingCache;
        break;
    case Qt::Key_Escape:
        if (mods == Qt::NoModifier)
            return BrowserCommand::Stop;
        break;
    case Qt::Key_Left:
        if (mods == Qt::AltModifier)
            return BrowserCommand::Back;
        break;
    case Qt::Key_Right:
        if (mods == Qt::AltModifier)
            return BrowserCommand::Forward;
        break;
    case Qt::Key_P:
        if (ctrl)
            return BrowserCommand::Print;
        break;
    case Qt::Key_F:
        if (ctrl)
            return BrowserCommand::Find;
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        // Ctrl+= on the main block, Ctrl+Shift+= gives "+", Ctrl+plus on the keypad.
        if (ctrl || ctrlShift)
            return BrowserCommand::ZoomIn;
        break;
    case Qt::Key_Minus:
        if (ctrl)
            return BrowserCommand::ZoomOut;
        break;
    case Qt::Key_0:
        if (ctrl)
            return BrowserCommand::ZoomReset;
        break;
    default:
        break;
    }
    return BrowserCommand::None;
}
