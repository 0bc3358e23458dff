#pragma once

#include <QDateTime>

#include <memory>

// The machine's clock, read through one seam so that tests can pin the time.
// The product always reads the system clock; a test installs a subclass of
// its own that overrides currentDateTimeImpl().
class Clock
{
public:
    virtual ~Clock();

    // The machine's local date and time, read anew on every call, so a change
    // of the system clock or of the time zone shows at the next call.
    static QDateTime currentDateTime();

protected:
    Clock() = default;
    virtual QDateTime currentDateTimeImpl() const;

    // Puts `clock` in place of the system clock, owning it; reset goes back
    // to the system clock.
    static void setInstance(Clock *clock);
    static void resetInstance();

private:
    static const Clock &instance();
    static std::unique_ptr<Clock> s_instance;
};
