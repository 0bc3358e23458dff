#pragma once

#include <Qt>

// Keyboard routing of the browser host, as pure functions of the key.
//
// Backspace, Enter and the dedicated Left and Right arrows (not the keypad
// ones) always reach the page as plain input. Every other key is first
// offered to the browser's shortcut handling; keys typed with Alt are offered
// without exceptions.
enum class KeyRoute {
    PageInput,        // not offered to the shortcuts; the page gets it
    OfferToShortcuts, // a shortcut that takes it ends it there; else the page gets it
};

KeyRoute routeKey(int key, Qt::KeyboardModifiers modifiers);

// The browser's own shortcuts.
enum class BrowserCommand {
    None,
    Reload,               // F5, Ctrl+R
    ReloadBypassingCache, // Ctrl+F5, Ctrl+Shift+R
    Stop,                 // Esc
    Back,                 // Alt+Left
    Forward,              // Alt+Right
    Print,                // Ctrl+P
    Find,                 // Ctrl+F
    ZoomIn,               // Ctrl+plus (or Ctrl+=)
    ZoomOut,              // Ctrl+minus
    ZoomReset,            // Ctrl+0
};

BrowserCommand shortcutCommand(int key, Qt::KeyboardModifiers modifiers);
