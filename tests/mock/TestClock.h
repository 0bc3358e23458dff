#pragma once

#include "Clock.h"

// A clock that shows the time a test sets. install() puts a new one in place
// of the system clock and returns it; uninstall() goes back to the system
// clock (and deletes the test clock).
class TestClock : public Clock
{
public:
    static TestClock *install(const QDateTime &now)
    {
        auto *clock = new TestClock(now);
        setInstance(clock);
        return clock;
    }
    static void uninstall() { resetInstance(); }

    void set(const QDateTime &now) { m_now = now; }

protected:
    QDateTime currentDateTimeImpl() const override { return m_now; }

private:
    explicit TestClock(const QDateTime &now) : m_now(now) {}
    QDateTime m_now;
};
