#include "TRzLabel.h"

#include "TForm.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

TRzLabel::TRzLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TRzLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToText();
}

void TRzLabel::setFontHeight(int pixels)
{
    setFontPixelHeight(this, pixels);
    fitToText();
}

int TRzLabel::lineHeight() const
{
    const int pixels = font().pixelSize();
    return pixels > 0 ? pixels : fontMetrics().height();
}

QStringList TRzLabel::lines() const
{
    QStringList result;
    for (const QString &paragraph : text().split(QLatin1Char('\n'))) {
        if (!wordWrap()) {
            result.append(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            result.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
        if (paragraph.isEmpty())
            result.append(QString());
    }
    return result;
}

QSize TRzLabel::sizeHint() const
{
    const QStringList shown = lines();
    int widest = 0;
    for (const QString &line : shown)
        widest = qMax(widest, fontMetrics().horizontalAdvance(line));
    return {widest, lineHeight() * int(shown.size())};
}

void TRzLabel::fitToText()
{
    if (m_autoSize && !wordWrap())
        resize(sizeHint());
}

bool TRzLabel::event(QEvent *event)
{
    // The layout may set the text after AutoSize; fit once more before the
    // label is first shown.
    if (event->type() == QEvent::Polish || event->type() == QEvent::FontChange)
        fitToText();
    return QLabel::event(event);
}

void TRzLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());

    const QStringList shown = lines();
    const int step = lineHeight();
    const int block = step * int(shown.size());
    int top = 0;
    if (alignment() & Qt::AlignVCenter)
        top = (height() - block) / 2;
    else if (alignment() & Qt::AlignBottom)
        top = height() - block;
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    for (const QString &line : shown) {
        painter.drawText(QRect(0, top, width(), step), int(horizontal | Qt::AlignVCenter) |
                                                           Qt::TextSingleLine, line);
        top += step;
    }
}
