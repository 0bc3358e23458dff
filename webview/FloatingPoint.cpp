#include "FloatingPoint.h"

#include <cfenv>
#include <cstdlib>

namespace {
std::fenv_t g_recorded;
bool g_isRecorded = false;
} // namespace

// The library's start-up step: before the entry point runs, so before any
// window exists.
[[maybe_unused]] static const bool g_recordedAtStart = (recordFloatingPointEnvironment(), true);

void recordFloatingPointEnvironment()
{
    if (g_isRecorded)
        return;
    if (std::fegetenv(&g_recorded) != 0)
        return;
    g_isRecorded = true;
    // Runs after main() has returned, when every window is gone.
    std::atexit(restoreFloatingPointEnvironment);
}

bool floatingPointEnvironmentRecorded() { return g_isRecorded; }

void restoreFloatingPointEnvironment()
{
    if (g_isRecorded)
        std::fesetenv(&g_recorded);
}

void maskAllFloatingPointExceptions()
{
    // The default environment has every exception masked (and the default
    // rounding); keeping the rounding mode of the present one.
    const int rounding = std::fegetround();
    std::fesetenv(FE_DFL_ENV);
    std::fesetround(rounding);
}
