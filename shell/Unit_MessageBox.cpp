#include "Unit_MessageBox.h"

#include "TRzBitBtn.h"
#include "TRzLabel.h"
#include "ui_Unit_MessageBox.h"

TForm_MessageBox *Form_MessageBox = nullptr;

TForm_MessageBox::TForm_MessageBox() = default;
TForm_MessageBox::~TForm_MessageBox() = default;

void TForm_MessageBox::loadLayout()
{
    // Fixed dialog frame with a title bar and nothing else on it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    m_ui = std::make_unique<Ui::TForm_MessageBox>();
    m_ui->setupUi(this);
    RzBitBtn_Ok = m_ui->RzBitBtn_Ok;
    RzLabel1 = m_ui->RzLabel1;
    RzBitBtn_Cancel = m_ui->RzBitBtn_Cancel;
    Label_Tip = m_ui->Label_Tip;
    OnCreate = [this](QObject *sender) { FormCreate(sender); };
    OnKeyDown = [this](QObject *sender, quint16 &key, Qt::KeyboardModifiers shift) {
        FormKeyDown(sender, key, shift);
    };
}

void TForm_MessageBox::FormCreate(QObject *)
{
    setWindowTitle(QStringLiteral("岱汐服装销售管理系统"));
}

void TForm_MessageBox::FormKeyDown(QObject *, quint16 &key, Qt::KeyboardModifiers)
{
    if (key == 27)
        setModalResult(2);
    else if (key == 13)
        setModalResult(1);
}

namespace {

// Empties Form_MessageBox and destroys its dialog however the call ends.
struct DialogReleaser
{
    ~DialogReleaser()
    {
        TForm_MessageBox *dialog = Form_MessageBox;
        Form_MessageBox = nullptr;
        delete dialog;
    }
};

} // namespace

bool ShowMessageBox(const QString &question)
{
    if (Form_MessageBox) {
        // The one dialog is in use: bring it forward, leave it be, say no.
        Form_MessageBox->raise();
        Form_MessageBox->activateWindow();
        return false;
    }
    DialogReleaser releaser;
    Form_MessageBox = new TForm_MessageBox;
    Form_MessageBox->Build();
    Form_MessageBox->Label_Tip->setText(question);
    return Form_MessageBox->ShowModal() == 1;
}
