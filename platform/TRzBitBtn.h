#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

// Where a bitmap button puts its glyph and caption inside a face rectangle.
struct BitBtnLayout
{
    QRect glyph;
    QRect caption;
};

// A push button with a glyph left of its caption and a modal result that it
// gives its form when clicked. Without the skin it draws itself flat: a frame
// in FrameColor around a face in Color, highlighted under the pointer when
// HotTrack is on, darker while pressed, a dotted focus rectangle when focused.
class TRzBitBtn : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(bool Default READ isDefaultButton WRITE setDefaultButton)
    Q_PROPERTY(QPixmap Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(int Margin READ margin WRITE setMargin)
    Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(QColor FrameColor READ frameColor WRITE setFrameColor)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool HotTrack READ hotTrack WRITE setHotTrack)
    Q_PROPERTY(int FontHeight READ fontHeight WRITE setFontHeight)
public:
    explicit TRzBitBtn(QWidget *parent = nullptr);

    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    bool isDefaultButton() const { return m_default; }
    void setDefaultButton(bool on) { m_default = on; }
    QPixmap glyph() const { return m_glyph; }
    // The glyph bitmap; every pixel in the colour of its bottom-left pixel
    // becomes transparent.
    void setGlyph(const QPixmap &glyph);
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count) { m_numGlyphs = qMax(1, count); }
    int margin() const { return m_margin; }
    void setMargin(int pixels) { m_margin = pixels; }
    int spacing() const { return m_spacing; }
    void setSpacing(int pixels) { m_spacing = pixels; }
    QColor frameColor() const { return m_frameColor; }
    void setFrameColor(const QColor &color) { m_frameColor = color; }
    QColor color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }
    bool hotTrack() const { return m_hotTrack; }
    void setHotTrack(bool on) { m_hotTrack = on; }
    int fontHeight() const { return font().pixelSize(); }
    void setFontHeight(int pixels);

    // One image of the glyph: 0 normal, 1 disabled (when the bitmap has it).
    QPixmap glyphImage(int index) const;
    BitBtnLayout layoutIn(const QRect &face) const;
    bool isHot() const { return m_hot; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int m_modalResult = 0;
    bool m_default = false;
    QPixmap m_glyph;
    int m_numGlyphs = 1;
    int m_margin = -1;
    int m_spacing = 4;
    QColor m_frameColor = QColor(0x00, 0x3C, 0x74);
    QColor m_color = QColor(0xF4, 0xF4, 0xF0);
    bool m_hotTrack = false;
    bool m_hot = false;
};
