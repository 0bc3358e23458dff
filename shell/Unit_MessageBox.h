#pragma once

#include "TForm.h"

#include <memory>

namespace Ui {
class TForm_MessageBox;
}
class TRzBitBtn;
class TRzLabel;

// The confirmation dialog: one question, answered with OK or Cancel.
class TForm_MessageBox : public TForm
{
    Q_OBJECT
public:
    TForm_MessageBox();
    ~TForm_MessageBox() override;

    TRzBitBtn *RzBitBtn_Ok = nullptr;
    TRzLabel *RzLabel1 = nullptr;
    TRzBitBtn *RzBitBtn_Cancel = nullptr;
    TRzLabel *Label_Tip = nullptr;

    void FormCreate(QObject *sender);
    void FormKeyDown(QObject *sender, quint16 &key, Qt::KeyboardModifiers shift);

protected:
    void loadLayout() override;

private:
    std::unique_ptr<Ui::TForm_MessageBox> m_ui;
};

// The dialog while a question is open; empty otherwise.
extern TForm_MessageBox *Form_MessageBox;

// Asks the question and returns true exactly when it is answered with OK.
// A call while a question is already open shows the open one and answers
// false, leaving it undisturbed.
bool ShowMessageBox(const QString &question);
