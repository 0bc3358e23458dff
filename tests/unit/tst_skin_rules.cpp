// What the skin draws: the DisableTag rule, the Skin3rd lookup, the outcome
// for a control, the caption buttons a window's flags allow, and the frame's
// edge hit-testing.
#include "SkinData.h"
#include "SkinFrame.h"
#include "SkinRules.h"

#include <QtTest>

using namespace SkinRules;

Q_DECLARE_METATYPE(SkinRules::Treatment)
Q_DECLARE_METATYPE(SkinRules::StandardKind)
Q_DECLARE_METATYPE(Qt::WindowFlags)
Q_DECLARE_METATYPE(QList<CaptionButton>)

namespace {

// The program's set: 11 of the 20 kinds.
const SkinControls ProgramSet =
    controlSet({xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcProgress, xcButton, xcBitBtn,
                xcSpeedButton, xcPanel, xcGroupBox, xcTab});

const QList<CaptionButton> AllButtons = {CaptionButton::Minimize, CaptionButton::Maximize,
                                         CaptionButton::Restore, CaptionButton::Close};

} // namespace

class TestSkinRules : public QObject
{
    Q_OBJECT
private slots:
    void disableTag_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("excluded");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("99") << 99 << true;
        QTest::newRow("199") << 199 << true;
        QTest::newRow("-99 keeps its sign") << -99 << false;
        QTest::newRow("-1") << -1 << false;
        QTest::newRow("100") << 100 << false;
    }

    void disableTag()
    {
        QFETCH(int, tag);
        QFETCH(bool, excluded);
        QCOMPARE(excludedByTag(tag, 99), excluded);
        // An excluded control is left alone whatever its class.
        const Treatment t = treatmentFor(QStringLiteral("TRzBitBtn"), StandardKind::PushButton,
                                         tag, 99, TSkinData::builtInSkin3rd(), ProgramSet);
        QCOMPARE(t == Treatment::None, excluded);
    }

    void builtInRows()
    {
        const QStringList &rows = TSkinData::builtInSkin3rd();
        QCOMPARE(rows.size(), 110);
        QCOMPARE(rows[22], QStringLiteral("TRzButton=button"));
        QCOMPARE(rows[23], QStringLiteral("TRzBitbtn=bitbtn"));
        QCOMPARE(rows[6], QStringLiteral("TAdvPageControl=nil"));
        QCOMPARE(rows[39], rows[40]);
        QCOMPARE(rows[60], rows[61]);
        QCOMPARE(rows[88], rows[90]);
        QMap<QString, int> kinds;
        for (const QString &row : rows)
            ++kinds[row.section(u'=', 1).toLower()];
        const QMap<QString, int> expected = {
            {"combobox", 39}, {"edit", 26},        {"panel", 13},       {"radiogroup", 7},
            {"checkbox", 7},  {"scrollbar", 4},    {"bitbtn", 3},       {"checkgroup", 3},
            {"radiobutton", 3}, {"embedscrollbar", 1}, {"speedbutton", 1}, {"nil", 1},
            {"button", 1},    {"groupbox", 1}};
        QCOMPARE(kinds, expected);
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("kind");
        QTest::newRow("exact") << "TRzBitbtn" << "bitbtn";
        QTest::newRow("other case") << "TRzBitBtn" << "bitbtn";
        QTest::newRow("upper case") << "TRZBITBTN" << "bitbtn";
        QTest::newRow("kind lowered") << "TLMDCHECKBOX" << "checkbox";
        QTest::newRow("first of two rows differing in case") << "tlmdgroupbox" << "groupbox";
        QTest::newRow("repeated row") << "TWWDBCombobox" << "combobox";
        QTest::newRow("nil row") << "TAdvPageControl" << "nil";
        QTest::newRow("subclass without a row") << "TRzBitBtnEx" << "";
        QTest::newRow("prefix only") << "TRzBit" << "";
        QTest::newRow("label") << "TRzLabel" << "";
        QTest::newRow("browser") << "TEmbeddedWB" << "";
    }

    void lookup()
    {
        QFETCH(QString, className);
        QFETCH(QString, kind);
        QCOMPARE(lookupSkin3rd(TSkinData::builtInSkin3rd(), className), kind);
    }

    void firstMatchWins()
    {
        const QStringList rows = {QStringLiteral("TThing=edit"), QStringLiteral("tthing=button")};
        QCOMPARE(lookupSkin3rd(rows, QStringLiteral("TTHING")), QStringLiteral("edit"));
    }

    void treatment_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<StandardKind>("kind");
        QTest::addColumn<Treatment>("treatment");
        QTest::newRow("bitmap button by its row") << "TRzBitBtn" << StandardKind::PushButton
                                                  << Treatment::Button;
        QTest::newRow("status bar keeps its look") << "QStatusBar" << StandardKind::StatusBar
                                                   << Treatment::None;
        QTest::newRow("browser keeps its look") << "TEmbeddedWB" << StandardKind::Other
                                                << Treatment::None;
        QTest::newRow("label untouched") << "TRzLabel" << StandardKind::Other << Treatment::None;
        QTest::newRow("plain push button") << "QPushButton" << StandardKind::PushButton
                                           << Treatment::Button;
        QTest::newRow("subclass of a button, no row") << "TRzBitBtnEx" << StandardKind::PushButton
                                                      << Treatment::Button;
        QTest::newRow("nil row beats the standard kind")
            << "TAdvPageControl" << StandardKind::PushButton << Treatment::None;
        QTest::newRow("check box not in the set") << "QCheckBox" << StandardKind::CheckBox
                                                  << Treatment::None;
        QTest::newRow("combo row, combo not in the set")
            << "TcxDBComboBox" << StandardKind::Other << Treatment::None;
        QTest::newRow("panel row") << "TLMDSIMPLEPANEL" << StandardKind::Other << Treatment::Panel;
        QTest::newRow("group box row") << "TLMDGroupBox" << StandardKind::Other
                                       << Treatment::GroupBox;
        QTest::newRow("edit not in the set") << "QLineEdit" << StandardKind::Edit
                                             << Treatment::None;
    }

    void treatment()
    {
        QFETCH(QString, className);
        QFETCH(StandardKind, kind);
        QFETCH(Treatment, treatment);
        QCOMPARE(treatmentFor(className, kind, 0, 99, TSkinData::builtInSkin3rd(), ProgramSet),
                 treatment);
    }

    void bitbtnNeedsButton()
    {
        SkinControls set = ProgramSet;
        set.reset(xcButton);
        QCOMPARE(treatmentFor(QStringLiteral("TRzBitBtn"), StandardKind::PushButton, 0, 99,
                              TSkinData::builtInSkin3rd(), set),
                 Treatment::None);
        set = controlSet({xcButton});
        QCOMPARE(treatmentFor(QStringLiteral("TRzBitBtn"), StandardKind::PushButton, 0, 99,
                              TSkinData::builtInSkin3rd(), set),
                 Treatment::Button);
    }

    void captionButtonsFromFlags_data()
    {
        QTest::addColumn<Qt::WindowFlags>("flags");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QList<CaptionButton>>("buttons");
        using B = CaptionButton;
        const Qt::WindowFlags custom = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        QTest::newRow("plain window") << Qt::WindowFlags(Qt::Window) << false
                                      << QList<B>{B::Close, B::Maximize, B::Minimize};
        QTest::newRow("plain window, maximised") << Qt::WindowFlags(Qt::Window) << true
                                                 << QList<B>{B::Close, B::Restore, B::Minimize};
        QTest::newRow("dialog") << Qt::WindowFlags(Qt::Dialog) << false << QList<B>{B::Close};
        QTest::newRow("caption only") << custom << false << QList<B>{};
        QTest::newRow("caption only, topmost") << (custom | Qt::WindowStaysOnTopHint) << false
                                               << QList<B>{};
        QTest::newRow("system menu only") << (custom | Qt::WindowSystemMenuHint) << false
                                          << QList<B>{B::Close};
        QTest::newRow("close button") << (custom | Qt::WindowCloseButtonHint) << false
                                      << QList<B>{B::Close};
        QTest::newRow("minimise box only") << (custom | Qt::WindowMinimizeButtonHint) << false
                                           << QList<B>{B::Minimize};
        QTest::newRow("maximise box, maximised") << (custom | Qt::WindowMaximizeButtonHint) << true
                                                 << QList<B>{B::Restore};
        QTest::newRow("all three")
            << (custom | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                Qt::WindowCloseButtonHint)
            << false << QList<B>{B::Close, B::Maximize, B::Minimize};
    }

    void captionButtonsFromFlags()
    {
        QFETCH(Qt::WindowFlags, flags);
        QFETCH(bool, maximized);
        QFETCH(QList<CaptionButton>, buttons);
        QCOMPARE(captionButtons(SkinFrame::abilitiesOf(flags), maximized, AllButtons), buttons);
    }

    void onlyButtonsTheSkinDefines()
    {
        const WindowAbilities all{true, true, true};
        QCOMPARE(captionButtons(all, false, {CaptionButton::Close}),
                 QList<CaptionButton>{CaptionButton::Close});
        QCOMPARE(captionButtons(all, true, {CaptionButton::Maximize}), QList<CaptionButton>{});
    }

    void edges_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("edges");
        QTest::newRow("inside") << QPoint(50, 50) << 0;
        QTest::newRow("left") << QPoint(0, 50) << int(Qt::LeftEdge);
        QTest::newRow("left, last pixel of the band") << QPoint(3, 50) << int(Qt::LeftEdge);
        QTest::newRow("just inside the band") << QPoint(4, 50) << 0;
        QTest::newRow("right") << QPoint(199, 50) << int(Qt::RightEdge);
        QTest::newRow("bottom") << QPoint(50, 99) << int(Qt::BottomEdge);
        QTest::newRow("top") << QPoint(50, 0) << int(Qt::TopEdge);
        QTest::newRow("top left") << QPoint(1, 1) << int(Qt::TopEdge | Qt::LeftEdge);
        QTest::newRow("bottom right") << QPoint(198, 97) << int(Qt::BottomEdge | Qt::RightEdge);
        QTest::newRow("outside") << QPoint(-1, 50) << 0;
        QTest::newRow("past the right") << QPoint(200, 50) << 0;
    }

    void edges()
    {
        QFETCH(QPoint, point);
        QFETCH(int, edges);
        QCOMPARE(int(edgesAt(QSize(200, 100), point, 4)), edges);
    }
};

QTEST_GUILESS_MAIN(TestSkinRules)
#include "tst_skin_rules.moc"
