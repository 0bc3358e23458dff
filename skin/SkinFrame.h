#pragma once

#include "SkinRules.h"
#include "SkinTheme.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>

class QMenu;
class QWidget;
class SkinTitleBar;

// The skinned frame of one top-level window: the window is made frameless
// and gets our title bar and borders. It lives as long as the window.
class SkinFrame : public QObject
{
    Q_OBJECT
public:
    SkinFrame(QWidget *window, std::shared_ptr<const SkinTheme> theme);

    // What the window's own flags allow in its title bar.
    static SkinRules::WindowAbilities abilitiesOf(Qt::WindowFlags flags);

    // Takes the frame over, keeping the window's state and its client or
    // outer size (see the .cpp).
    void attach();

    SkinTitleBar *titleBar() const { return m_titleBar; }
    const SkinRules::WindowAbilities &abilities() const { return m_abilities; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int border() const;
    bool sizeable() const;
    void createTitleBar();
    int captionWidth() const;
    void updateMargins();
    void placeTitleBar();
    void paintBorders();
    void toggleMaximized();
    void showWindowMenu(const QPoint &globalPos);

    QWidget *m_window;
    std::shared_ptr<const SkinTheme> m_theme;
    Qt::WindowFlags m_flags; // as the window had them, before we made it frameless
    SkinRules::WindowAbilities m_abilities;
    SkinTitleBar *m_titleBar = nullptr;
    bool m_inMainWindow = false;
    QPointer<QMenu> m_windowMenu;
    QRect m_pendingNormal; // outer bounds to take when first restored
};
