// A preview of the skin on stock widgets, for working on the look:
// daixi_skinpreview menu|messagebox|dialog. Not part of the program.
#include "SkinData.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString Title = QStringLiteral("岱汐服装销售管理系统");

QMenu *pageMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->addAction(QStringLiteral("后退(&B)"));
    menu->addAction(QStringLiteral("前进(&O)"))->setEnabled(false);
    menu->addSeparator();
    QAction *all = menu->addAction(QStringLiteral("全选(&A)\tCtrl+A"));
    all->setCheckable(true);
    all->setChecked(true);
    menu->addAction(QStringLiteral("刷新(&R)\tF5"));
    menu->addMenu(QStringLiteral("编码(&E)"))->addAction(QStringLiteral("简体中文(GB2312)"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("打印(&I)...\tCtrl+P"));
    menu->addAction(QStringLiteral("属性(&P)"));
    return menu;
}

QDialog *controlsDialog(QWidget *parent)
{
    auto *dialog = new QDialog(parent);
    dialog->setWindowTitle(QStringLiteral("来自网页的对话框"));
    auto *form = new QFormLayout(dialog);
    form->addRow(QStringLiteral("货号："), new QLineEdit(QStringLiteral("DX-2024-0815")));
    auto *season = new QComboBox;
    season->addItems({QStringLiteral("春季"), QStringLiteral("夏季"), QStringLiteral("秋冬")});
    form->addRow(QStringLiteral("季节："), season);
    form->addRow(QString(), new QRadioButton(QStringLiteral("零售价")));
    auto *wholesale = new QRadioButton(QStringLiteral("批发价"));
    wholesale->setChecked(true);
    form->addRow(QString(), wholesale);
    auto *remember = new QCheckBox(QStringLiteral("记住本次选择"));
    remember->setChecked(true);
    form->addRow(QString(), remember);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    form->addRow(buttons);
    return dialog;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    QMainWindow window;
    window.setWindowTitle(Title);
    auto *page = new QLabel(QStringLiteral("网页"));
    page->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(page);
    window.setGeometry(193, 106, 1024, 768);

    TSkinData skin(&window);
    using namespace SkinRules;
    skin.setActive(true);
    skin.setSkinControls(controlSet({xcMainMenu, xcPopupMenu, xcButton}));
    skin.setSkinStream(TSkinData::builtInSkinStream());
    skin.Loaded();
    window.showMaximized();

    QTimer::singleShot(1000, &window, [&] {
        if (mode == QLatin1String("menu"))
            pageMenu(&window)->popup(QPoint(420, 260));
        else if (mode == QLatin1String("messagebox"))
            QMessageBox::information(&window, Title, QStringLiteral("来自网页的消息：\n订单已保存。"));
        else if (mode == QLatin1String("dialog"))
            controlsDialog(&window)->show();
    });
    return app.exec();
}
