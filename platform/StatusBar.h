#pragma once

#include <QColor>
#include <QList>
#include <QStatusBar>
#include <QStringList>

// Where a status panel lies across the bar, in pixels from the bar's left
// edge: from `left` up to, not including, `right`.
struct StatusPanelSpan
{
    int left = 0;
    int right = 0;
    friend bool operator==(const StatusPanelSpan &, const StatusPanelSpan &) = default;
};

// The spans of panels with the given width settings in a bar `barWidth`
// pixels wide: each panel's right edge is the sum of the widths up to and
// including it; the last panel reaches the right end of the bar whatever its
// own width (and is empty when it begins past that end).
QList<StatusPanelSpan> statusPanelSpans(const QList<int> &widths, int barWidth);

// The platform's status bar with panels. Its panels, their widths,
// alignments and texts come from the layout as three parallel lists; every
// panel has a sunken border. The bar paints its own button-face background
// and text in its own font and colour, always in the normal (active)
// colours, also while its window is disabled or inactive. The size grip is
// QStatusBar's (on unless the layout turns `sizeGripEnabled` off; hidden
// while the window is maximised, as the system does it). No hint or message
// text is ever shown.
class TStatusBar : public QStatusBar
{
    Q_OBJECT
    // Width settings, one number a panel.
    Q_PROPERTY(QStringList PanelWidths READ panelWidthTexts WRITE setPanelWidthTexts)
    // "left", "center" or "right", one a panel.
    Q_PROPERTY(QStringList PanelAlignments READ panelAlignmentTexts WRITE setPanelAlignmentTexts)
    Q_PROPERTY(QStringList PanelTexts READ panelTexts WRITE setPanelTexts)
    // Character height of the bar's font in pixels.
    Q_PROPERTY(int FontHeight READ fontHeight WRITE setFontHeight)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
public:
    struct Panel
    {
        int width = 50;
        Qt::Alignment alignment = Qt::AlignLeft;
        QString text;
    };
    // Empty space between two panels, and above the panels.
    static constexpr int PanelGap = 2;
    static constexpr int PanelTop = 2;
    // Space between a panel's left border and its text, as the system's bar
    // has it (none on the right).
    static constexpr int TextIndent = 3;

    explicit TStatusBar(QWidget *parent = nullptr);

    int panelCount() const { return int(m_panels.size()); }
    const Panel &panel(int index) const;
    QString panelText(int index) const { return panel(index).text; }
    // Sets a panel's text. Nothing happens when the text is unchanged;
    // otherwise only that panel is marked for repainting.
    void setPanelText(int index, const QString &text);

    QList<StatusPanelSpan> panelSpans() const;
    // The panel's rectangle, border included, in bar coordinates (empty for
    // a panel of no width).
    QRect panelRect(int index) const;

    QStringList panelWidthTexts() const;
    void setPanelWidthTexts(const QStringList &widths);
    QStringList panelAlignmentTexts() const;
    void setPanelAlignmentTexts(const QStringList &alignments);
    QStringList panelTexts() const;
    void setPanelTexts(const QStringList &texts);
    int fontHeight() const { return font().pixelSize(); }
    void setFontHeight(int pixels);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ensurePanels(qsizetype count);

    QList<Panel> m_panels;
    QColor m_fontColor;
};
