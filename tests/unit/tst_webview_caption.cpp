// The caption rule for dialog boxes, and the option values of the browser host.
#include "CaptionRule.h"
#include "HostOptions.h"

#include <QTest>

class TestCaptionRule : public QObject
{
    Q_OBJECT
private slots:
    void caption_data();
    void caption();
    void userInterfaceValue_data();
    void userInterfaceValue();
    void downloadValue();
};

namespace {
const QString kTitle = QStringLiteral("岱汐服装销售管理系统");
}

void TestCaptionRule::caption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");

    QTest::newRow("product name alone") << "Microsoft Internet Explorer" << kTitle;
    QTest::newRow("Windows edition") << "Windows Internet Explorer" << "Windows " + kTitle;
    QTest::newRow("only the first of each is replaced")
        << "Microsoft Internet Explorer - Internet Explorer" << kTitle + " - Internet Explorer";
    QTest::newRow("lower case stays") << "internet explorer" << "internet explorer";
    QTest::newRow("Microsoft without a space stays") << "Microsoft" << "Microsoft";
    QTest::newRow("neither text keeps its words") << "来自网页的消息" << "来自网页的消息";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("vendor anywhere, first occurrence only")
        << "Script - Microsoft Microsoft Word" << "Script - Microsoft Word";
    QTest::newRow("product inside a longer caption")
        << "Explorer User Prompt - Internet Explorer" << "Explorer User Prompt - " + kTitle;
    QTest::newRow("vendor removed before the product is looked for")
        << "Internet Microsoft Explorer" << kTitle;
    QTest::newRow("mixed case vendor stays") << "MICROSOFT Internet Explorer" << "MICROSOFT " + kTitle;
}

void TestCaptionRule::caption()
{
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    QCOMPARE(replacedDialogCaption(caption, kTitle), expected);
}

void TestCaptionRule::userInterfaceValue_data()
{
    QTest::addColumn<UserInterfaceOptions>("options");
    QTest::addColumn<bool>("hideBorders");
    QTest::addColumn<bool>("hideScrollBars");
    QTest::addColumn<quint32>("expected");

    const UserInterfaceOptions flat = UserInterfaceOption::FLAT_SCROLLBAR;
    const UserInterfaceOptions borders =
        UserInterfaceOption::NO3DBORDER | UserInterfaceOption::NO3DOUTERBORDER;
    QTest::newRow("empty set") << UserInterfaceOptions() << false << false << 0u;
    QTest::newRow("the main window's layout") << flat << false << false << 0x80u;
    QTest::newRow("borders hidden") << flat << true << false << 0x200084u;
    QTest::newRow("scroll bars hidden") << flat << false << true << 0x88u;
    QTest::newRow("both hidden") << UserInterfaceOptions() << true << true << 0x20000Cu;
    QTest::newRow("border flags removed when shown") << (flat | borders) << false << false << 0x80u;
    QTest::newRow("SCROLL_NO removed when shown")
        << (flat | UserInterfaceOption::SCROLL_NO) << false << false << 0x80u;
}

void TestCaptionRule::userInterfaceValue()
{
    QFETCH(UserInterfaceOptions, options);
    QFETCH(bool, hideBorders);
    QFETCH(bool, hideScrollBars);
    QFETCH(quint32, expected);
    QCOMPARE(optionValue(adjustedUserInterfaceOptions(options, hideBorders, hideScrollBars)),
             expected);
}

void TestCaptionRule::downloadValue()
{
    QCOMPARE(optionValue(defaultDownloadOptions()), 0x70u);
    QCOMPARE(optionValue(DownloadOptions()), 0u);
    QCOMPARE(optionValue(DownloadOption::DLCTL_DLIMAGES | DownloadOption::DLCTL_SILENT),
             0x40000010u);
}

QTEST_GUILESS_MAIN(TestCaptionRule)
#include "tst_webview_caption.moc"
