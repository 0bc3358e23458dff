#pragma once

#include "SkinTheme.h"

#include <QObject>

class QAbstractButton;
class SkinStyle;

// Takes over a push button's painting and left mouse button. Drawn by
// state: pressed, else hot or focused, else default, else normal. A press
// shows it pressed; a release over it while it still shows pressed clicks
// it; leaving it clears pressed and hot, so no release after that clicks.
// Keys are left alone: the button's own Space handling shows as pressed.
class SkinButton : public QObject
{
    Q_OBJECT
public:
    SkinButton(QAbstractButton *button, const SkinStyle &style);

    FaceState state() const;
    bool pressed() const { return m_pressed; }
    bool hot() const { return m_hot; }

    // The caption as drawn: "||" stands for a line break.
    static QString displayText(const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paint();
    void setPressedAndHot(bool pressed, bool hot);

    QAbstractButton *m_button;
    const SkinStyle &m_style;
    bool m_pressed = false;
    bool m_hot = false;
    bool m_clickFocus = false;
};
