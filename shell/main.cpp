#include "Main_Frm.h"
#include "TApplication.h"

int main(int argc, char **argv)
{
    return TApplication::Main(argc, argv, [] {
        Application->Initialize();
        Application->setTitle(QStringLiteral("岱汐服装销售管理系统"));
        Application->CreateForm(Form_Main);
        Application->Run();
    });
}
