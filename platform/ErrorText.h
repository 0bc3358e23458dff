#pragma once

#include <QString>

// The text of the message loop's error box: the error's message, with "."
// appended when its last character sorts after "." (so "…." and "…!" stay
// as they are).
QString errorBoxText(const QString &message);

// The text of the start-up "Application Error" box.
QString applicationErrorText(const QString &kind, const QString &programFile,
                             const void *address, const QString &message);
