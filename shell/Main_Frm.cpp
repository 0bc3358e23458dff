#include "Main_Frm.h"

#include "Unit_MessageBox.h"
#include "ui_Main_Frm.h"

TForm_Main *Form_Main = nullptr;

TForm_Main::TForm_Main() = default;
TForm_Main::~TForm_Main() = default;

void TForm_Main::loadLayout()
{
    m_ui = std::make_unique<Ui::TForm_Main>();
    m_ui->setupUi(this);
    OnCreate = [this](QObject *sender) { FormCreate(sender); };
    OnCloseQuery = [this](QObject *sender, bool &canClose) { FormCloseQuery(sender, canClose); };
}

void TForm_Main::FormCreate(QObject *)
{
}

void TForm_Main::FormCloseQuery(QObject *, bool &canClose)
{
    canClose = ShowMessageBox(QStringLiteral("确认退出系统？"));
}
