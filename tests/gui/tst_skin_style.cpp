// Every primitive, control, complex control, metric and size of the skin's
// style, run onto a pixmap with default options: nothing may crash, and the
// parts the skin owns must draw something.
#include "BuiltInSkin.h"
#include "TestApplication.h"

#include <QFile>
#include <QMenu>
#include <QMetaEnum>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QtTest>

namespace {

template <class Enum> QList<int> valuesOf()
{
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    QList<int> values;
    for (int i = 0; i < meta.keyCount(); ++i)
        if (meta.value(i) >= 0 && meta.value(i) < 0x0f000000) // not the custom bases
            values.append(meta.value(i));
    return values;
}

bool drewSomething(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

} // namespace

class TestSkinStyle : public QObject
{
    Q_OBJECT
    std::unique_ptr<SkinStyle> m_style;

private slots:
    void initTestCase()
    {
        m_style = builtInSkinStyle();
        QVERIFY(m_style);
    }

    void cleanupTestCase() { m_style.reset(); }

    void everythingPaints()
    {
        QImage image(120, 60, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        QPushButton button;
        button.setStyle(m_style.get());
        QStyleOption plain;
        plain.rect = image.rect();
        plain.state = QStyle::State_Enabled;
        for (int pe : valuesOf<QStyle::PrimitiveElement>())
            m_style->drawPrimitive(QStyle::PrimitiveElement(pe), &plain, &painter, &button);
        for (int ce : valuesOf<QStyle::ControlElement>())
            m_style->drawControl(QStyle::ControlElement(ce), &plain, &painter, &button);
        QStyleOptionComplex complex;
        complex.rect = image.rect();
        for (int cc : valuesOf<QStyle::ComplexControl>()) {
            m_style->drawComplexControl(QStyle::ComplexControl(cc), &complex, &painter, nullptr);
        }
        QStyleOptionComboBox combo;
        combo.rect = image.rect();
        for (QStyle::SubControl sc : {QStyle::SC_ComboBoxFrame, QStyle::SC_ComboBoxEditField,
                                      QStyle::SC_ComboBoxArrow, QStyle::SC_ComboBoxListBoxPopup})
            QVERIFY(combo.rect.contains(m_style->subControlRect(QStyle::CC_ComboBox, &combo, sc))
                    || sc == QStyle::SC_ComboBoxListBoxPopup);
        for (bool editable : {false, true}) {
            combo.editable = editable;
            m_style->drawComplexControl(QStyle::CC_ComboBox, &combo, &painter);
        }
        for (int pm : valuesOf<QStyle::PixelMetric>())
            m_style->pixelMetric(QStyle::PixelMetric(pm), &plain, &button);
        for (int ct : valuesOf<QStyle::ContentsType>())
            m_style->sizeFromContents(QStyle::ContentsType(ct), &plain, QSize(40, 20), &button);
        for (int sh : valuesOf<QStyle::StyleHint>())
            m_style->styleHint(QStyle::StyleHint(sh), &plain, &button);
    }

    void ownedPartsDraw_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("state");
        const int on = QStyle::State_Enabled | QStyle::State_On;
        QTest::newRow("button face") << int(QStyle::PE_PanelButtonCommand) << int(QStyle::State_Enabled);
        QTest::newRow("pressed face") << int(QStyle::PE_PanelButtonCommand) << int(QStyle::State_Enabled | QStyle::State_Sunken);
        QTest::newRow("disabled face") << int(QStyle::PE_PanelButtonCommand) << 0;
        QTest::newRow("check box off") << int(QStyle::PE_IndicatorCheckBox) << int(QStyle::State_Enabled);
        QTest::newRow("check box on") << int(QStyle::PE_IndicatorCheckBox) << on;
        QTest::newRow("radio on") << int(QStyle::PE_IndicatorRadioButton) << on;
        QTest::newRow("edit") << int(QStyle::PE_PanelLineEdit) << int(QStyle::State_Enabled);
        QTest::newRow("menu panel") << int(QStyle::PE_PanelMenu) << int(QStyle::State_Enabled);
        QTest::newRow("menu check") << int(QStyle::PE_IndicatorMenuCheckMark) << on;
    }

    void ownedPartsDraw()
    {
        QFETCH(int, element);
        QFETCH(int, state);
        QImage image(40, 24, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QStyleOptionFrame option; // a frame option serves the edit as well
        option.rect = image.rect();
        option.state = QStyle::State(state);
        option.lineWidth = 1;
        m_style->drawPrimitive(QStyle::PrimitiveElement(element), &option, &painter);
        painter.end();
        QVERIFY(drewSomething(image));
    }

    void menuItems_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("checked");
        QTest::newRow("normal") << int(QStyleOptionMenuItem::Normal) << int(QStyle::State_Enabled) << false;
        QTest::newRow("highlighted") << int(QStyleOptionMenuItem::Normal) << int(QStyle::State_Enabled | QStyle::State_Selected) << false;
        QTest::newRow("disabled") << int(QStyleOptionMenuItem::Normal) << 0 << false;
        QTest::newRow("checked") << int(QStyleOptionMenuItem::Normal) << int(QStyle::State_Enabled) << true;
        QTest::newRow("default") << int(QStyleOptionMenuItem::DefaultItem) << int(QStyle::State_Enabled) << false;
        QTest::newRow("sub-menu") << int(QStyleOptionMenuItem::SubMenu) << int(QStyle::State_Enabled) << false;
        QTest::newRow("separator") << int(QStyleOptionMenuItem::Separator) << int(QStyle::State_Enabled) << false;
    }

    void menuItems()
    {
        QFETCH(int, type);
        QFETCH(int, state);
        QFETCH(bool, checked);
        QStyleOptionMenuItem item;
        item.menuItemType = QStyleOptionMenuItem::MenuItemType(type);
        item.state = QStyle::State(state);
        item.checked = checked;
        item.checkType = checked ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
        item.text = QStringLiteral("全选(&A)\tCtrl+A");
        item.font = QApplication::font();
        const QSize size = m_style->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(80, 16), nullptr);
        QVERIFY(size.height() > 0 && size.width() >= 80);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        item.rect = image.rect();
        QPainter painter(&image);
        m_style->drawControl(QStyle::CE_MenuItem, &item, &painter);
        painter.end();
        QVERIFY(drewSomething(image));
    }

    void realMenuPaints()
    {
        QMenu menu;
        menu.setStyle(m_style.get());
        menu.addAction(QStringLiteral("后退"));
        menu.addSeparator();
        menu.addMenu(QStringLiteral("编码"))->addAction(QStringLiteral("GB2312"));
        const QImage shot = menu.grab().toImage();
        QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() / 2).isValid(), true);
        QCOMPARE(menu.palette().color(QPalette::Window), m_style->theme().colors.buttonFace);
    }
};

DAIXI_GUI_TEST_MAIN(TestSkinStyle)
#include "tst_skin_style.moc"
