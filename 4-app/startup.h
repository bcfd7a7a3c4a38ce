#pragma once
// From the process entry to the event loop and back. Each routine runs its steps in order; an
// exception skips the rest and reaches Main, which hands it to the unhandled-exception handler.

void Main();
void EarlyStartup();
void LateStartup();
void MakeDefaultView();
void NewAppInstance();
void InitFileTypes();
void ApplicationAddMenuHandlers();

// The one-line notice of the version data.
inline constexpr const char* kLongVersion =
    "Mireldantholm 2.0: validity coefficients corrected for restriction of range";
