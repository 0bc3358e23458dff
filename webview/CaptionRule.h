#pragma once

#include <QString>

class QWidget;

// The caption of a dialog box that takes the activation from the main window:
// the first "Microsoft " (with its space, exact case) is removed, then the
// first "Internet Explorer" (exact case) becomes the application title.
QString replacedDialogCaption(const QString &caption, const QString &applicationTitle);

// Whether a window is one of the program's standard dialog boxes (a message
// box, file, input, progress, print or any other QDialog), and not one of the
// program's own forms (every TForm, the confirmation dialog included).
bool isStandardDialogBox(const QWidget *window);
