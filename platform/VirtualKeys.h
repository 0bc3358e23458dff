#pragma once

#include <QtGlobal>

// The 16-bit key code a form's key handler receives for a Qt key, 0 where
// the key has none.
quint16 virtualKeyCode(int qtKey);
