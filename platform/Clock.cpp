#include "Clock.h"

std::unique_ptr<Clock> Clock::s_instance;

Clock::~Clock() = default;

QDateTime Clock::currentDateTime()
{
    return instance().currentDateTimeImpl();
}

QDateTime Clock::currentDateTimeImpl() const
{
    return QDateTime::currentDateTime();
}

void Clock::setInstance(Clock *clock)
{
    s_instance.reset(clock);
}

void Clock::resetInstance()
{
    s_instance.reset();
}

const Clock &Clock::instance()
{
    if (!s_instance)
        s_instance.reset(new Clock);
    return *s_instance;
}
