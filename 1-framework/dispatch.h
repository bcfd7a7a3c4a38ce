#pragma once
// The one place where calls from the toolkit enter the framework and the program. Exceptions
// never unwind through the toolkit: every entry catches and hands what it caught to the
// unhandled-exception handler, which reports it and ends the program with a failure status.

#include <exception>
#include <functional>

namespace fw {

using ExceptionRoutine = void (*)(void*);
// Calls the routine with the pointer; yields nullptr when it returns normally, the exception when
// it raises a RuntimeException. Any other exception passes on to the caller.
using ExceptionHelper = std::exception_ptr (*)(ExceptionRoutine routine, void* argument);

std::exception_ptr CallFunctionWithExceptionHandling(ExceptionRoutine routine, void* argument);
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// Calls `routine` through the installed exception helper: the RuntimeException it raised, or
// nullptr. Other exceptions pass on.
std::exception_ptr CallUnderExceptionHandling(void (*routine)());

// Reports the exception (its class and message, on stderr and in a message box) and asks the
// event loop to end with kUnhandledExceptionStatus. Only the first report counts; later
// exceptions while the program is ending go to stderr alone.
void UnhandledException(std::exception_ptr exception);
constexpr int kUnhandledExceptionStatus = 70;

// Runs a handler called by the toolkit, catching whatever it raises. Returns false, without
// running it, once an unhandled exception is being reported, and false when it raised (after
// reporting it).
bool Dispatch(const std::function<void()>& handler);

}  // namespace fw
