#include "Main_Frm.h"

#include "Clock.h"
#include "DateTimeFormat.h"
#include "EmbeddedWB.h"
#include "SkinData.h"
#include "StatusBar.h"
#include "Timer.h"
#include "Unit_MessageBox.h"
#include "ui_Main_Frm.h"


TForm_Main *Form_Main = nullptr;

namespace {

// SkinData_Main as the layout stores it, settings in their stored order.
void loadSkinData_Main(TSkinData *skin)
{
    using namespace SkinRules;
    skin->setActive(true);
    skin->setDisableTag(99);
    skin->setSkinControls(controlSet({xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcProgress,
                                      xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox,
                                      xcTab}));
    skin->setOptions({});
    skin->setSkin3rd(TSkinData::builtInSkin3rd());
    skin->setSkinStore(QStringLiteral("(Good)"));
    skin->setSkinFormtype(TSkinData::sfMainform);
    skin->setVersion(QStringLiteral("3.02.03.09"));
    skin->setMenuUpdate(false);
    skin->setMenuMerge(false);
    skin->setSkinStream(TSkinData::builtInSkinStream());
}

} // namespace

TForm_Main::TForm_Main() = default;
TForm_Main::~TForm_Main() = default;

void TForm_Main::loadLayout()
{
    m_ui = std::make_unique<Ui::TForm_Main>();
    m_ui->setupUi(this);
    StatusBar_Main = m_ui->StatusBar_Main;
    WebBrowser = m_ui->WebBrowser;
    // Non-visual components, created after the layout in layout order.
    SkinData_Main = new TSkinData(this);
    SkinData_Main->setObjectName(QStringLiteral("SkinData_Main"));
    loadSkinData_Main(SkinData_Main);
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
    SkinData_Main->setActive(true);
    WebBrowser->Navigate2(QStringLiteral(DAIXI_START_URL));
}

void TForm_Main::FormCloseQuery(QObject *, bool &canClose)
{
    canClose = ShowMessageBox(QStringLiteral("确认退出系统？"));
}
