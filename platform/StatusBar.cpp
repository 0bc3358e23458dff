#include "StatusBar.h"

#include "Exception.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

QList<StatusPanelSpan> statusPanelSpans(const QList<int> &widths, int barWidth)
{
    QList<StatusPanelSpan> spans;
    spans.reserve(widths.size());
    int right = 0;
    for (qsizetype i = 0; i < widths.size(); ++i) {
        const int left = right;
        right = i + 1 < widths.size() ? left + widths[i] : qMax(left, barWidth);
        spans.append({left, right});
    }
    return spans;
}

namespace {

struct AlignmentName
{
    const char *name;
    Qt::Alignment alignment;
};

const AlignmentName alignmentNames[] = {
    {"left", Qt::AlignLeft},
    {"center", Qt::AlignHCenter},
    {"right", Qt::AlignRight},
};

[[noreturn]] void invalidSetting(const QString &value)
{
    throw Exception(QStringLiteral("Invalid property value: %1").arg(value));
}

} // namespace

TStatusBar::TStatusBar(QWidget *parent) : QStatusBar(parent) {}

const TStatusBar::Panel &TStatusBar::panel(int index) const
{
    if (index < 0 || index >= m_panels.size())
        throw EInvalidOperation(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_panels[index];
}

void TStatusBar::setPanelText(int index, const QString &text)
{
    if (panel(index).text == text)
        return;
    m_panels[index].text = text;
    update(panelRect(index));
}

QList<StatusPanelSpan> TStatusBar::panelSpans() const
{
    QList<int> widths;
    widths.reserve(m_panels.size());
    for (const Panel &panel : m_panels)
        widths.append(panel.width);
    return statusPanelSpans(widths, width());
}

QRect TStatusBar::panelRect(int index) const
{
    (void)panel(index); // out of range raises
    const StatusPanelSpan span = panelSpans().at(index);
    const int left = span.left + (index > 0 ? PanelGap : 0);
    if (span.right <= left)
        return {};
    return QRect(left, PanelTop, span.right - left, height() - PanelTop);
}

void TStatusBar::ensurePanels(qsizetype count)
{
    if (m_panels.size() < count)
        m_panels.resize(count);
    update();
}

QStringList TStatusBar::panelWidthTexts() const
{
    QStringList texts;
    for (const Panel &panel : m_panels)
        texts.append(QString::number(panel.width));
    return texts;
}

void TStatusBar::setPanelWidthTexts(const QStringList &widths)
{
    ensurePanels(widths.size());
    for (qsizetype i = 0; i < widths.size(); ++i) {
        bool ok = false;
        m_panels[i].width = widths[i].toInt(&ok);
        if (!ok)
            invalidSetting(widths[i]);
    }
}

QStringList TStatusBar::panelAlignmentTexts() const
{
    QStringList texts;
    for (const Panel &panel : m_panels) {
        for (const AlignmentName &entry : alignmentNames) {
            if (entry.alignment == panel.alignment)
                texts.append(QLatin1StringView(entry.name));
        }
    }
    return texts;
}

void TStatusBar::setPanelAlignmentTexts(const QStringList &alignments)
{
    ensurePanels(alignments.size());
    for (qsizetype i = 0; i < alignments.size(); ++i) {
        const auto *entry =
            std::find_if(std::begin(alignmentNames), std::end(alignmentNames),
                         [&](const AlignmentName &candidate) {
                             return alignments[i] == QLatin1StringView(candidate.name);
                         });
        if (entry == std::end(alignmentNames))
            invalidSetting(alignments[i]);
        m_panels[i].alignment = entry->alignment;
    }
}

QStringList TStatusBar::panelTexts() const
{
    QStringList texts;
    for (const Panel &panel : m_panels)
        texts.append(panel.text);
    return texts;
}

void TStatusBar::setPanelTexts(const QStringList &texts)
{
    ensurePanels(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        m_panels[i].text = texts[i];
}

void TStatusBar::setFontHeight(int pixels)
{
    QFont own = font();
    own.setPixelSize(pixels);
    setFont(own);
}

void TStatusBar::setFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

void TStatusBar::paintEvent(QPaintEvent *event)
{
    // The normal colours, whatever the state of the window.
    QPalette colours = palette();
    colours.setCurrentColorGroup(QPalette::Active);
    const QColor textColour = m_fontColor.isValid() ? m_fontColor : colours.windowText().color();

    QPainter painter(this);
    painter.fillRect(event->rect(), colours.button());
    painter.setFont(font());
    for (int i = 0; i < panelCount(); ++i) {
        const QRect bounds = panelRect(i);
        if (bounds.isEmpty() || !event->region().intersects(bounds))
            continue;
        qDrawShadePanel(&painter, bounds, colours, true, 1);
        painter.setPen(textColour);
        painter.drawText(bounds.adjusted(1 + TextIndent, 1, -1, -1),
                         int(m_panels[i].alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
                         m_panels[i].text);
    }
}
