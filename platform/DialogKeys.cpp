#include "DialogKeys.h"

DialogKeyAction dialogKeyAction(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad flag says nothing about which key it was.
    modifiers &= ~Qt::KeypadModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    switch (key) {
    case Qt::Key_Tab:
        if (ctrl)
            return DialogKeyAction::Swallow;
        return (modifiers & Qt::ShiftModifier) ? DialogKeyAction::FocusPrevious
                                               : DialogKeyAction::FocusNext;
    case Qt::Key_Backtab:
        return ctrl ? DialogKeyAction::Swallow : DialogKeyAction::FocusPrevious;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return alt ? DialogKeyAction::Swallow : DialogKeyAction::FocusNext;
    case Qt::Key_Left:
    case Qt::Key_Up:
        return alt ? DialogKeyAction::Swallow : DialogKeyAction::FocusPrevious;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers == Qt::NoModifier ? DialogKeyAction::ClickEnterButton
                                           : DialogKeyAction::PassOn;
    case Qt::Key_F4:
        return alt ? DialogKeyAction::CloseRequest : DialogKeyAction::PassOn;
    default:
        return DialogKeyAction::PassOn;
    }
}
