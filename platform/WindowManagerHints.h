#pragma once

#include <QMargins>

class QWidget;

// The frame the window manager puts around a top-level widget, known before
// the window is first shown: on X11 it is asked for with
// _NET_REQUEST_FRAME_EXTENTS. Zero for frameless windows and where no window
// manager answers.
QMargins frameExtents(QWidget *window);

// A fixed dialog frame: title bar and border, no buttons, no menu. The
// window manager still honours a close request (Alt+F4), which the form
// answers itself.
void setTitleOnlyFrame(QWidget *window);
