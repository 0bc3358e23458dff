#pragma once

// The floating-point environment the program started with.
//
// recordFloatingPointEnvironment() runs once at program start, before the
// entry point and so before any window exists (a static initialiser of this
// library calls it). It records the environment then in force and arranges
// for it to be loaded again at program end, after main() has returned and
// the windows have been destroyed. Calling it again does nothing.
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
