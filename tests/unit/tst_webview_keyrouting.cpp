// Keyboard routing of the browser host: which keys reach the page as plain
// input, and which shortcut each offered key runs.
#include "KeyRouting.h"

#include <QTest>

Q_DECLARE_METATYPE(KeyRoute)
Q_DECLARE_METATYPE(BrowserCommand)

class TestKeyRouting : public QObject
{
    Q_OBJECT
private slots:
    void route_data();
    void route();
    void command_data();
    void command();
};

void TestKeyRouting::route_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<KeyRoute>("expected");

    const auto none = Qt::KeyboardModifiers();
    const auto page = KeyRoute::PageInput;
    const auto offer = KeyRoute::OfferToShortcuts;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << page;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ControlModifier) << page;
    QTest::newRow("Shift+Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ShiftModifier) << page;
    QTest::newRow("Enter (main block)") << int(Qt::Key_Return) << none << page;
    QTest::newRow("Enter (keypad)") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << page;
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << page;
    QTest::newRow("Left (dedicated)") << int(Qt::Key_Left) << none << page;
    QTest::newRow("Right (dedicated)") << int(Qt::Key_Right) << none << page;
    QTest::newRow("Shift+Left (dedicated)") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::ShiftModifier) << page;
    QTest::newRow("Ctrl+Right (dedicated)") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ControlModifier) << page;
    QTest::newRow("Left (keypad)") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::KeypadModifier) << offer;
    QTest::newRow("Right (keypad)") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::KeypadModifier) << offer;
    QTest::newRow("Up") << int(Qt::Key_Up) << none << offer;
    QTest::newRow("Down") << int(Qt::Key_Down) << none << offer;
    QTest::newRow("Up (keypad)") << int(Qt::Key_Up) << Qt::KeyboardModifiers(Qt::KeypadModifier) << offer;
    QTest::newRow("letter") << int(Qt::Key_A) << none << offer;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << offer;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << none << offer;
    QTest::newRow("F5") << int(Qt::Key_F5) << none << offer;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << offer;
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << Qt::KeyboardModifiers(Qt::ControlModifier) << offer;
    QTest::newRow("Alt+Left (dedicated)") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::AltModifier) << offer;
    QTest::newRow("Alt+Right (dedicated)") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::AltModifier) << offer;
    QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::AltModifier) << offer;
    QTest::newRow("Alt+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier) << offer;
    QTest::newRow("Ctrl+Alt+Left") << int(Qt::Key_Left) << (Qt::ControlModifier | Qt::AltModifier) << offer;
}

void TestKeyRouting::route()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(KeyRoute, expected);
    QCOMPARE(routeKey(key, modifiers), expected);
}

void TestKeyRouting::command_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<BrowserCommand>("expected");

    const auto none = Qt::KeyboardModifiers();
    const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
    const auto alt = Qt::KeyboardModifiers(Qt::AltModifier);
    const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const auto keypad = Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("F5 reloads") << int(Qt::Key_F5) << none << BrowserCommand::Reload;
    QTest::newRow("Ctrl+R reloads") << int(Qt::Key_R) << ctrl << BrowserCommand::Reload;
    QTest::newRow("Ctrl+F5 bypasses the cache") << int(Qt::Key_F5) << ctrl << BrowserCommand::ReloadBypassingCache;
    QTest::newRow("Ctrl+Shift+R bypasses the cache") << int(Qt::Key_R) << ctrlShift << BrowserCommand::ReloadBypassingCache;
    QTest::newRow("Shift+F5 nothing") << int(Qt::Key_F5) << Qt::KeyboardModifiers(Qt::ShiftModifier) << BrowserCommand::None;
    QTest::newRow("Esc stops") << int(Qt::Key_Escape) << none << BrowserCommand::Stop;
    QTest::newRow("Alt+Left back") << int(Qt::Key_Left) << alt << BrowserCommand::Back;
    QTest::newRow("Alt+Left (keypad) back") << int(Qt::Key_Left) << (Qt::AltModifier | Qt::KeypadModifier) << BrowserCommand::Back;
    QTest::newRow("Alt+Right forward") << int(Qt::Key_Right) << alt << BrowserCommand::Forward;
    QTest::newRow("Left alone nothing") << int(Qt::Key_Left) << keypad << BrowserCommand::None;
    QTest::newRow("Ctrl+Left nothing") << int(Qt::Key_Left) << ctrl << BrowserCommand::None;
    QTest::newRow("Ctrl+P prints") << int(Qt::Key_P) << ctrl << BrowserCommand::Print;
    QTest::newRow("P alone nothing") << int(Qt::Key_P) << none << BrowserCommand::None;
    QTest::newRow("Ctrl+F finds") << int(Qt::Key_F) << ctrl << BrowserCommand::Find;
    QTest::newRow("Ctrl+plus zooms in") << int(Qt::Key_Plus) << ctrl << BrowserCommand::ZoomIn;
    QTest::newRow("Ctrl+Shift+= zooms in") << int(Qt::Key_Plus) << ctrlShift << BrowserCommand::ZoomIn;
    QTest::newRow("Ctrl+= zooms in") << int(Qt::Key_Equal) << ctrl << BrowserCommand::ZoomIn;
    QTest::newRow("Ctrl+plus (keypad) zooms in") << int(Qt::Key_Plus) << (Qt::ControlModifier | Qt::KeypadModifier) << BrowserCommand::ZoomIn;
    QTest::newRow("Ctrl+minus zooms out") << int(Qt::Key_Minus) << ctrl << BrowserCommand::ZoomOut;
    QTest::newRow("Ctrl+minus (keypad) zooms out") << int(Qt::Key_Minus) << (Qt::ControlModifier | Qt::KeypadModifier) << BrowserCommand::ZoomOut;
    QTest::newRow("Ctrl+0 resets the zoom") << int(Qt::Key_0) << ctrl << BrowserCommand::ZoomReset;
    QTest::newRow("0 alone nothing") << int(Qt::Key_0) << none << BrowserCommand::None;
    QTest::newRow("letter nothing") << int(Qt::Key_A) << none << BrowserCommand::None;
    QTest::newRow("Ctrl+A nothing (the page selects)") << int(Qt::Key_A) << ctrl << BrowserCommand::None;
    QTest::newRow("Ctrl+C nothing (the page copies)") << int(Qt::Key_C) << ctrl << BrowserCommand::None;
}

void TestKeyRouting::command()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(BrowserCommand, expected);
    QCOMPARE(shortcutCommand(key, modifiers), expected);
}

QTEST_GUILESS_MAIN(TestKeyRouting)
#include "tst_webview_keyrouting.moc"
