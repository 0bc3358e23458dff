#pragma once

#include "TForm.h"

#include <memory>

namespace Ui {
class TForm_Main;
}
class TEmbeddedWB;
class TSkinData;
class TStatusBar;
class TTimer;

// The main window: hosts the sales web application and asks before it
// lets the program end.
class TForm_Main : public TForm
{
    Q_OBJECT
public:
    TForm_Main();
    ~TForm_Main() override;

    // Components, in layout order.
    TStatusBar *StatusBar_Main = nullptr;
    TSkinData *SkinData_Main = nullptr;
    TTimer *Timer_Main = nullptr;
    TEmbeddedWB *WebBrowser = nullptr;

    void Timer_MainTimer(QObject *sender);
    void FormCreate(QObject *sender);
    void FormCloseQuery(QObject *sender, bool &canClose);

protected:
    void loadLayout() override;

private:
    std::unique_ptr<Ui::TForm_Main> m_ui;
};

extern TForm_Main *Form_Main;
