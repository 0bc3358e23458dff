#pragma once

#include <QLabel>

// A label that lays out its own lines: wrapped at its width when word wrap
// is on, one line per character height, each line aligned horizontally and
// the block of lines aligned vertically; lines that do not fit are cut off
// at the label's edges. With AutoSize the label takes the size of its text.
class TRzLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(int FontHeight READ fontHeight WRITE setFontHeight)
public:
    explicit TRzLabel(QWidget *parent = nullptr);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    int fontHeight() const { return font().pixelSize(); }
    void setFontHeight(int pixels);
    // One line step: the font's character height.
    int lineHeight() const;
    // The text broken into the lines the label shows.
    QStringList lines() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void fitToText();

    bool m_autoSize = false;
};
