#include "1-framework/dispatch.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>
#include <string>

#include "1-framework/exceptions.h"
#include "1-framework/internal.h"
#include "1-framework/message_box.h"
#include "1-framework/object.h"
#include "1-framework/runtime.h"

namespace fw {

namespace {

ExceptionHelper installedHelper = &CallFunctionWithExceptionHandling;
bool terminating = false;

std::string Describe(std::exception_ptr exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& e) {
    return e.ClassName() + ": " + e.what();
  } catch (const std::exception& e) {
    return ClassNameOf(typeid(e)) + ": " + e.what();
  } catch (...) {
    return "an exception of unknown type";
  }
}

}  // namespace

std::exception_ptr CallFunctionWithExceptionHandling(ExceptionRoutine routine, void* argument) {
  try {
    routine(argument);
    return nullptr;
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  installedHelper = helper ? helper : &CallFunctionWithExceptionHandling;
}

std::exception_ptr CallUnderExceptionHandling(void (*routine)()) {
  return installedHelper([](void* argument) { (*static_cast<void (**)()>(argument))(); }, &routine);
}

void UnhandledException(std::exception_ptr exception) {
  const std::string description = Describe(exception);
  if (terminating) {
    std::fprintf(stderr, "unhandled exception while ending: %s\n", description.c_str());
    return;
  }
  terminating = true;
  std::fprintf(stderr, "unhandled exception: %s\n", description.c_str());
  std::fflush(stderr);
  ShowMessage("The program met an error it cannot recover from and will end.\n\n" + description,
              MessageKind::Critical);
  EndWith(kUnhandledExceptionStatus);
}

bool Dispatch(const std::function<void()>& handler) {
  if (terminating) return false;
  try {
    handler();
    return true;
  } catch (...) {
    try {
      UnhandledException(std::current_exception());
    } catch (...) {
      // The report itself failed; the status still says the program failed.
      EndWith(kUnhandledExceptionStatus);
    }
    return false;
  }
}

}  // namespace fw
