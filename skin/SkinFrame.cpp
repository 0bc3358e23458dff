#include "SkinFrame.h"

#include "SkinMetrics.h"
#include "SkinTitleBar.h"
#include "TForm.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

SkinFrame::SkinFrame(QWidget *window, std::shared_ptr<const SkinTheme> theme)
    : QObject(window), m_window(window), m_theme(std::move(theme)), m_flags(window->windowFlags()),
      m_abilities(abilitiesOf(m_flags))
{
}

SkinRules::WindowAbilities SkinFrame::abilitiesOf(Qt::WindowFlags flags)
{
    const Qt::WindowFlags type = flags & Qt::WindowType_Mask;
    if (!(flags & Qt::WindowType(Qt::CustomizeWindowHint))) {
        // The window system's defaults: a plain window gets all three,
        // a dialog or tool window a close button only.
        const bool plain = type == Qt::Window;
        return {true, plain, plain};
    }
    return {bool(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)),
            bool(flags & Qt::WindowMinimizeButtonHint), bool(flags & Qt::WindowMaximizeButtonHint)};
}

int SkinFrame::border() const
{
    return m_window->isMaximized() || m_window->isFullScreen() ? 0 : Metrics.borderWidth;
}

bool SkinFrame::sizeable() const
{
    return !m_window->isMaximized() && m_window->minimumSize() != m_window->maximumSize() &&
           !(m_flags & Qt::MSWindowsFixedSizeDialogHint);
}

namespace {

// The top-left corner that centres a window of `outer` size on the whole
// virtual desktop, never above or left of its origin.
QPoint centredOnDesktop(const QSize &outer)
{
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    return {desktop.left() + qMax(0, (desktop.width() - outer.width()) / 2),
            desktop.top() + qMax(0, (desktop.height() - outer.height()) / 2)};
}

QSize grown(const QSize &size, const QSize &by)
{
    const auto grow = [](int v, int d) { return v >= QWIDGETSIZE_MAX ? v : qMin(v + d, QWIDGETSIZE_MAX); };
    return {grow(size.width(), by.width()), grow(size.height(), by.height())};
}

} // namespace

// The frame is changed on the live native window, so the window keeps its
// state, its place in the stacking order and, for a dialog, its modal loop.
// A sizeable window keeps its outer bounds and outer minimum size: the old
// frame's extents now belong to the window. A fixed-size window keeps its
// client area and grows by our frame; if it was centred on the desktop it
// is centred again at its new size.
void SkinFrame::attach()
{
    QWidget *w = m_window;
    const QRect outer = w->frameGeometry();
    const QRect client = w->geometry();
    const QSize wmFrame = outer.size() - client.size();
    const QPoint wmOffset = client.topLeft() - outer.topLeft();
    const QRect normal = w->normalGeometry().isValid() ? w->normalGeometry() : client;
    const bool wasCentred = outer.topLeft() == centredOnDesktop(outer.size());
    const bool fixedSize = w->minimumSize() == w->maximumSize() ||
                           (w->layout() && w->layout()->totalMinimumSize() ==
                                               w->layout()->totalMaximumSize());

    m_inMainWindow = qobject_cast<QMainWindow *>(w) != nullptr;
    createTitleBar();
    if (auto *mainWindow = qobject_cast<QMainWindow *>(w))
        mainWindow->setMenuWidget(m_titleBar);
    w->installEventFilter(this);
    w->setMouseTracking(true);
    updateMargins();
    m_titleBar->show();
    if (QWindow *handle = w->windowHandle())
        handle->setFlags(m_flags | Qt::FramelessWindowHint);

    const QSize ours(2 * Metrics.borderWidth, Metrics.titleHeight + 2 * Metrics.borderWidth);
    if (fixedSize) {
        QSize size = grown(client.size(), ours);
        size.setWidth(qMax(size.width(), captionWidth()));
        if (w->minimumSize() == w->maximumSize())
            w->setFixedSize(size);
        w->setGeometry(QRect(wasCentred ? centredOnDesktop(size) : outer.topLeft(), size));
        return;
    }
    // A form of the program states its outer bounds itself.
    const auto *form = qobject_cast<TForm *>(w);
    w->setMinimumSize(form && form->outerMinimumSize().isValid()
                          ? form->outerMinimumSize()
                          : grown(w->minimumSize(), wmFrame));
    w->setMaximumSize(grown(w->maximumSize(), wmFrame));
    const QRect normalOuter = form && form->outerBounds().isValid()
                                  ? form->outerBounds()
                                  : QRect(normal.topLeft() - wmOffset, grown(normal.size(), wmFrame));
    if (w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        m_pendingNormal = normalOuter; // taken when the window is restored
    else
        w->setGeometry(normalOuter);
}

void SkinFrame::createTitleBar()
{
    QWidget *w = m_window;
    m_titleBar = new SkinTitleBar(w, m_theme, m_abilities);
    // Our close button sends the close request every other path sends.
    connect(m_titleBar, &SkinTitleBar::closeRequested, w, &QWidget::close);
    connect(m_titleBar, &SkinTitleBar::minimizeRequested, w, &QWidget::showMinimized);
    connect(m_titleBar, &SkinTitleBar::maximizeRequested, this, &SkinFrame::toggleMaximized);
    connect(m_titleBar, &SkinTitleBar::windowMenuRequested, this, &SkinFrame::showWindowMenu);
    connect(m_titleBar, &SkinTitleBar::moveRequested, this, [w] {
        if (w->windowHandle())
            w->windowHandle()->startSystemMove();
    });
    connect(m_titleBar, &SkinTitleBar::resizeRequested, this, [w](Qt::Edges edges) {
        if (w->windowHandle())
            w->windowHandle()->startSystemResize(edges);
    });
    if (m_abilities.systemMenu) {
        auto *menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), w);
        connect(menuKey, &QShortcut::activated, this, [this] {
            showWindowMenu(m_titleBar->mapToGlobal(QPoint(0, m_titleBar->height())));
        });
    }
}

int SkinFrame::captionWidth() const
{
    return m_titleBar->fullWidth() + 2 * border();
}

void SkinFrame::updateMargins()
{
    const int b = border();
    if (m_inMainWindow)
        m_window->setContentsMargins(b, b, b, b);
    else
        m_window->setContentsMargins(b, b + Metrics.titleHeight, b, b);
    placeTitleBar();
}

void SkinFrame::placeTitleBar()
{
    if (!m_titleBar || m_inMainWindow)
        return;
    const int b = border();
    m_titleBar->setGeometry(b, b, m_window->width() - 2 * b, Metrics.titleHeight);
    m_titleBar->raise();
}

void SkinFrame::paintBorders()
{
    const int b = border();
    if (b == 0)
        return;
    QPainter p(m_window);
    const SlicedImage &frame = m_theme->image(m_window->isActiveWindow() ? SkinPart::FrameActive
                                                                        : SkinPart::FrameInactive);
    const QRect r = m_window->rect();
    // The frame image's edges give the left, right and bottom borders; the
    // strip above the title bar is the frame's body with its outer rim.
    frame.draw(p, QRect(r.left(), r.top() + b + Metrics.titleHeight, r.width(),
                        r.height() - b - Metrics.titleHeight));
    p.fillRect(QRect(r.left(), r.top(), r.width(), b + Metrics.titleHeight),
               frame.image.pixelColor(1, 0));
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), frame.image.pixelColor(0, 0));
}

void SkinFrame::toggleMaximized()
{
    if (!m_abilities.maximizeBox)
        return;
    if (m_window->isMaximized())
        m_window->showNormal();
    else
        m_window->showMaximized();
}

// The window menu keeps the standard look.
void SkinFrame::showWindowMenu(const QPoint &globalPos)
{
    if (!m_abilities.systemMenu || !m_window->isVisible())
        return;
    if (!m_windowMenu) {
        m_windowMenu = new QMenu(m_window);
        m_windowMenu->setProperty("daixiStandardLook", true);
    }
    QMenu &menu = *m_windowMenu;
    menu.clear();
    const bool maximized = m_window->isMaximized();
    menu.addAction(QStringLiteral("还原(&R)"), this, &SkinFrame::toggleMaximized)
        ->setEnabled(maximized && m_abilities.maximizeBox);
    menu.addAction(QStringLiteral("最小化(&N)"), m_window, &QWidget::showMinimized)
        ->setEnabled(m_abilities.minimizeBox);
    menu.addAction(QStringLiteral("最大化(&X)"), this, &SkinFrame::toggleMaximized)
        ->setEnabled(!maximized && m_abilities.maximizeBox);
    menu.addSeparator();
    QAction *close = menu.addAction(QStringLiteral("关闭(&C)"), m_window, &QWidget::close);
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    menu.setDefaultAction(close);
    menu.popup(globalPos);
}

bool SkinFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        paintBorders();
        break;
    case QEvent::Resize:
        // A window that sizes itself (a message box) still shows its caption.
        if (m_window->minimumSize() == m_window->maximumSize() &&
            m_window->width() < captionWidth())
            m_window->setFixedWidth(captionWidth());
        placeTitleBar();
        break;
    case QEvent::WindowStateChange:
        if (m_pendingNormal.isValid() && !(m_window->windowState() & (Qt::WindowMaximized |
                                                                      Qt::WindowMinimized |
                                                                      Qt::WindowFullScreen))) {
            m_window->setGeometry(m_pendingNormal);
            m_pendingNormal = QRect();
        }
        updateMargins();
        m_titleBar->update();
        break;
    case QEvent::ActivationChange:
        m_window->update();
        m_titleBar->update();
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        m_titleBar->update();
        break;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Qt::Edges edges =
            sizeable() ? SkinRules::edgesAt(m_window->size(), mouse->position().toPoint(),
                                            Metrics.borderWidth * 2)
                       : Qt::Edges();
        if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
            m_window->setCursor(Qt::SizeFDiagCursor);
        else if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
            m_window->setCursor(Qt::SizeBDiagCursor);
        else if (edges & (Qt::LeftEdge | Qt::RightEdge))
            m_window->setCursor(Qt::SizeHorCursor);
        else if (edges)
            m_window->setCursor(Qt::SizeVerCursor);
        else
            m_window->unsetCursor();
        break;
    }
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !sizeable() || !m_window->windowHandle())
            break;
        const Qt::Edges edges = SkinRules::edgesAt(m_window->size(), mouse->position().toPoint(),
                                                   Metrics.borderWidth * 2);
        if (edges) {
            m_window->windowHandle()->startSystemResize(edges);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}
