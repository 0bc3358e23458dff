#pragma once

#include "TApplication.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// Qt Test main with the program's own application object.
#define DAIXI_GUI_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        /* Profiles and caches go to a test location, not the user's. */                          \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        TApplication app(argc, argv);                                                              \
        app.setTitle(QStringLiteral("岱汐服装销售管理系统"));                                      \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// True when no top-level widget is on screen: what every case leaves behind.
inline bool noTopLevelShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::none_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); });
}

// Runs `step` once the event loop is next idle, e.g. while a modal form waits.
template <class Step> void whenIdle(Step step, int delayMs = 0)
{
    QTimer::singleShot(delayMs, step);
}
