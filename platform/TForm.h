#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QKeyEvent;

// A form of the program: a top-level window whose components and settings
// come from its layout. The form loads the layout, tells each component that
// loading is complete, then runs its creation handler. It answers close
// requests through its close query and can be shown modally.
class TForm : public QMainWindow
{
    Q_OBJECT
    // Outer bounds (frame included) of the window in its normal state; when
    // empty the layout's geometry is taken as the client area.
    Q_PROPERTY(QRect OuterBounds READ outerBounds WRITE setOuterBounds)
    Q_PROPERTY(QSize OuterMinimumSize READ outerMinimumSize WRITE setOuterMinimumSize)
    Q_PROPERTY(bool Maximized READ startsMaximized WRITE setStartsMaximized)
    Q_PROPERTY(bool KeyPreview MEMBER KeyPreview)
    // A fixed dialog frame: title bar only, no buttons or system menu.
    Q_PROPERTY(bool TitleOnlyFrame MEMBER m_titleOnlyFrame)
    // Character height of the form's font in pixels (the layout format only
    // knows point sizes).
    Q_PROPERTY(int FontHeight READ fontHeight WRITE setFontHeight)
public:
    using KeyHandler = std::function<void(QObject *sender, quint16 &key, Qt::KeyboardModifiers)>;

    explicit TForm(QWidget *parent = nullptr);
    ~TForm() override;

    // Loads the layout and runs the creation handler; called once by the
    // code that creates the form (TApplication::CreateForm, or a dialog's
    // own creator). An error while loading the layout escapes.
    void Build();

    // Shows the form as a modal window and returns its modal result.
    int ShowModal();
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    bool isModal() const { return m_modal; }

    // The close query: true when the form may close.
    bool CloseQuery();
    // The end-of-session question: the same close query.
    bool sessionEndQuery() { return CloseQuery(); }

    // Handles a key press before the focused control sees it (dialog keys,
    // then key preview). Returns true when the key is taken.
    bool preprocessKeyPress(QKeyEvent *event);

    // (Re)applies the outer bounds and minimum size from the current frame
    // extents; called again by whatever changes the frame.
    void applyOuterBounds();

    QRect outerBounds() const { return m_outerBounds; }
    void setOuterBounds(const QRect &bounds) { m_outerBounds = bounds; }
    QSize outerMinimumSize() const { return m_outerMinimumSize; }
    void setOuterMinimumSize(const QSize &size) { m_outerMinimumSize = size; }
    bool startsMaximized() const { return m_startsMaximized; }
    void setStartsMaximized(bool on) { m_startsMaximized = on; }
    int fontHeight() const;
    void setFontHeight(int pixels);

    // Event handlers, attached by the form's layout code.
    std::function<void(QObject *sender)> OnCreate;
    std::function<void(QObject *sender, bool &canClose)> OnCloseQuery;
    KeyHandler OnKeyDown;
    bool KeyPreview = false;

protected:
    // Builds the components from the layout and gives them their settings.
    virtual void loadLayout() = 0;

    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QWidget *firstInTabOrder() const;
    void clickEnterButton();

    QRect m_outerBounds;
    QSize m_outerMinimumSize;
    bool m_startsMaximized = false;
    bool m_titleOnlyFrame = false;
    bool m_modal = false;
    int m_modalResult = 0;
    bool m_inCloseQuery = false;
};

// Applies a pixel character height to a widget's font.
void setFontPixelHeight(QWidget *widget, int pixels);
