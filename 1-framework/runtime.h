#pragma once
// The framework's runtime: the toolkit's application, the one-time initialisation, the event
// loop and the exit status.

namespace fw {

// Creates the toolkit's application from the process's arguments (the toolkit may take its own
// options, such as -platform, from them). Safe to call more than once.
void RuntimeInit(int& argc, char** argv);

// Runs `routine` once, after the framework has initialised itself.
void RunFrameworkInitialization(void (*routine)());

// Runs the event loop until Quit. Returns at once when Quit came before it.
void RuntimeRun();

// Ends the event loop; the process's exit status becomes `code`. The first Quit decides.
void Quit(int code = 0);

// Closes and drops every window, then gives the exit status: what Quit was given, or 0.
int RuntimeExit();

// The framework version the program was written against: this framework has one version, so
// there is nothing to check.
inline void RuntimeDeclareFrameworkVersion(double) {}

// The framework registers its own classes and plug-in controls when it is compiled; these
// remain as the start-up steps the program runs, and do nothing more.
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

}  // namespace fw
