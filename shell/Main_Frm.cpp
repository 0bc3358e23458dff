#include "Main_Frm.h"

#include "SkinData.h"
#include "Unit_MessageBox.h"
#include "ui_Main_Frm.h"

#include <QFile>

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
    QFile stream(QStringLiteral(":/skin/SkinData_Main.skin"));
    skin->setSkinStream(stream.open(QIODevice::ReadOnly) ? stream.readAll() : QByteArray());
}

} // namespace

TForm_Main::TForm_Main() = default;
TForm_Main::~TForm_Main() = default;

void TForm_Main::loadLayout()
{
    m_ui = std::make_unique<Ui::TForm_Main>();
    m_ui->setupUi(this);
    SkinData_Main = new TSkinData(this);
    SkinData_Main->setObjectName(QStringLiteral("SkinData_Main"));
    loadSkinData_Main(SkinData_Main);
    OnCreate = [this](QObject *sender) { FormCreate(sender); };
    OnCloseQuery = [this](QObject *sender, bool &canClose) { FormCloseQuery(sender, canClose); };
}

void TForm_Main::FormCreate(QObject *)
{
    SkinData_Main->setActive(true);
}

void TForm_Main::FormCloseQuery(QObject *, bool &canClose)
{
    canClose = ShowMessageBox(QStringLiteral("确认退出系统？"));
}
