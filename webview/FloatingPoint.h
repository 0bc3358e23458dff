#pragma once

// The floating-point environment the program started with.
//
// recordFloatingPointEnvironment() is called once at program start, before
// any window exists (the entry point does it first thing). It records the
// environment then in force and arranges for it to be loaded again at program
// end, after the windows have been destroyed. Calling it again does nothing.
//
// restoreFloatingPointEnvironment() loads the recorded environment again
// (the browser host does so while the main window's layout is loaded).
// maskAllFloatingPointExceptions() loads an environment in which every
// floating-point exception is masked. Neither ever unmasks an exception that
// was masked when the program started.
void recordFloatingPointEnvironment();
bool floatingPointEnvironmentRecorded();
void restoreFloatingPointEnvironment();
void maskAllFloatingPointExceptions();
