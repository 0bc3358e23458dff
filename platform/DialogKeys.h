#pragma once

#include <Qt>

// How a form treats a key press before it reaches the focused control.
enum class DialogKeyAction {
    PassOn,       // to the form's key preview, then the focused control
    FocusNext,    // Tab, Right, Down
    FocusPrevious,// Shift+Tab, Left, Up
    ClickEnterButton, // plain Enter: the focused button, else the default one
    CloseRequest, // Alt+F4
    Swallow,      // Ctrl+Tab, Alt+arrow: nothing at all
};

DialogKeyAction dialogKeyAction(int key, Qt::KeyboardModifiers modifiers);
