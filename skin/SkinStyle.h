#pragma once

#include "SkinTheme.h"

#include <QProxyStyle>
#include <memory>

// The skin's drawing of menus and standard controls. It is set on each
// widget the skin takes over, never on the application, so everything else
// keeps the standard look. It draws only what it owns; the rest goes to the
// base style.
class SkinStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit SkinStyle(std::shared_ptr<const SkinTheme> theme);

    const SkinTheme &theme() const { return *m_theme; }
    // The palette of a skinned control or menu.
    QPalette skinPalette(const QPalette &base) const;
    void drawFace(QPainter *painter, const QRect &rect, FaceState state) const;
    QColor faceText(FaceState state) const;
    static FaceState faceState(const QStyleOption *option);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl sub, const QWidget *widget = nullptr) const override;
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

private:
    std::shared_ptr<const SkinTheme> m_theme;
};
