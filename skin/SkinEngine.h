#pragma once

#include "SkinRules.h"

#include <QObject>
#include <QSet>

class QMenu;
class QWidget;
class SkinStyle;
class TSkinData;

// The watch on the thread's top-level windows: each is skinned at its first
// activation, at most once, and forgotten when destroyed. Pop-up menus are
// given the skin's style as they are polished.
class SkinEngine : public QObject
{
    Q_OBJECT
public:
    explicit SkinEngine(TSkinData *data);
    ~SkinEngine() override;

    void startWatching();
    void stopWatching();
    bool isWatching() const { return m_watching; }
    // Skinning needs a usable skin in the component.
    void setSkinning(bool on);
    bool isSkinning() const { return m_skinning; }

    bool isSkinned(const QWidget *window) const { return m_windows.contains(window); }
    int skinnedCount() const { return int(m_windows.size()); }
    SkinStyle *style() const { return m_style; }

    // How a control would be treated on a form of the program.
    SkinRules::Treatment treatmentOf(const QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool wantsSkin(const QWidget *window) const;
    void remember(QWidget *window);
    // A form of the program that states its own outer bounds and is not yet
    // on screen.
    static bool statesOwnBounds(const QWidget *window);
    void skinWindow(QWidget *window);
    void treatControls(QWidget *window);
    void treatFormControl(QWidget *control);
    void treatDialogControl(QWidget *control);
    void apply(QWidget *control, SkinRules::Treatment treatment);
    void skinMenu(QMenu *menu);

    TSkinData *m_data;
    SkinStyle *m_style = nullptr;
    QSet<const QWidget *> m_windows;
    bool m_watching = false;
    bool m_skinning = false;
};
