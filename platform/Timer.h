#pragma once

#include <QObject>

#include <functional>

// The platform's timer component. Once it is enabled, has an interval above
// zero and a tick handler, it runs: a tick falls due every `Interval`
// milliseconds, counted from the moment it started, and is delivered through
// the thread's event loop; while the loop is busy, ticks that fall due are
// not queued up (at most one is pending). Changing any of the three settings
// starts it anew. If the system cannot provide the timer, starting it raises
// EOutOfResources("Not enough timers available").
class TTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
public:
    using Handler = std::function<void(QObject *sender)>;

    explicit TTimer(QObject *owner = nullptr);
    ~TTimer() override;

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    // The tick handler; attaching one starts the timer (when enabled).
    void setOnTimer(Handler handler);
    bool isRunning() const { return m_timerId != 0; }

    // Test seam: while an object of this class exists, the system has no
    // timer left for any TTimer that starts. The product never makes one.
    class NoTimersLeft
    {
    public:
        NoTimersLeft();
        ~NoTimersLeft();
        NoTimersLeft(const NoTimersLeft &) = delete;
        NoTimersLeft &operator=(const NoTimersLeft &) = delete;
    };

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void updateTimer();

    int m_interval = 1000;
    bool m_enabled = true;
    Handler m_onTimer;
    int m_timerId = 0;
};
