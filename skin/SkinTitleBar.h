#pragma once

#include "SkinRules.h"
#include "SkinTheme.h"

#include <QTimer>
#include <QWidget>
#include <memory>

// The skinned title bar: caption text, icon and the caption buttons the
// window may have. It only tells what the user asked for; the frame acts.
class SkinTitleBar : public QWidget
{
    Q_OBJECT
public:
    SkinTitleBar(QWidget *window, std::shared_ptr<const SkinTheme> theme,
                 const SkinRules::WindowAbilities &abilities);

    // The caption buttons shown now, from the right edge leftwards.
    QList<CaptionButton> buttons() const;
    QRect buttonRect(int index) const;
    // The button under the pointer, -1 when none.
    int hotButton() const { return m_hot; }

    QSize sizeHint() const override;
    // The width that shows the whole caption and every button.
    int fullWidth() const;

signals:
    void minimizeRequested();
    void maximizeRequested(); // maximise or restore, by the window's state
    void closeRequested();
    void moveRequested();
    void resizeRequested(Qt::Edges edges);
    void windowMenuRequested(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int buttonAt(const QPoint &pos) const;
    int textLeft() const;
    QFont captionFont() const;
    Qt::Edges resizeEdgesAt(const QPoint &pos) const;
    void setHot(int index);
    void checkHover();
    void emitFor(CaptionButton button);

    QWidget *m_window;
    std::shared_ptr<const SkinTheme> m_theme;
    SkinRules::WindowAbilities m_abilities;
    int m_hot = -1;
    int m_pressed = -1;
    QTimer m_hoverCheck; // clears a highlight the pointer left unnoticed
};
