#include "Main_Frm.h"

#include "Clock.h"
#include "DateTimeFormat.h"
#include "EmbeddedWB.h"
#include "StatusBar.h"
#include "Timer.h"
#include "Unit_MessageBox.h"
#include "ui_Main_Frm.h"

TForm_Main *Form_Main = nullptr;

TForm_Main::TForm_Main() = default;
TForm_Main::~TForm_Main() = default;

void TForm_Main::loadLayout()
{
    m_ui = std::make_unique<Ui::TForm_Main>();
    m_ui->setupUi(this);
    StatusBar_Main = m_ui->StatusBar_Main;
    WebBrowser = m_ui->WebBrowser;
    // Non-visual components, created after the layout in layout order.
    // Timer_Main: interval and enabled at their defaults (1000 ms, on);
    // attaching the tick handler starts it.
    Timer_Main = new TTimer(this);
    Timer_Main->setObjectName(QStringLiteral("Timer_Main"));
    Timer_Main->setOnTimer([this](QObject *sender) { Timer_MainTimer(sender); });
    OnCreate = [this](QObject *sender) { FormCreate(sender); };
    OnCloseQuery = [this](QObject *sender, bool &canClose) { FormCloseQuery(sender, canClose); };
}

void TForm_Main::Timer_MainTimer(QObject *)
{
    StatusBar_Main->setPanelText(
        4, formatDateTime(QStringLiteral("yyyy\"年\"m\"月\"d\"日\" hh\":\"mm\":\"ss"),
                          Clock::currentDateTime()));
}

void TForm_Main::FormCreate(QObject *)
{
    WebBrowser->Navigate2(QStringLiteral(DAIXI_START_URL));
}

void TForm_Main::FormCloseQuery(QObject *, bool &canClose)
{
    canClose = ShowMessageBox(QStringLiteral("确认退出系统？"));
}
