#pragma once
// The framework's exception hierarchy. Every exception the framework raises derives from
// RuntimeException, so the start-up's exception routine and the unhandled-exception handler
// can tell framework faults from anything else.

#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  // The class name shown in reports; each subclass names itself.
  virtual std::string ClassName() const { return "RuntimeException"; }
};

#define FW_DECLARE_EXCEPTION(Name, Base)                         \
  class Name : public Base {                                     \
   public:                                                       \
    explicit Name(const std::string& message) : Base(message) {} \
    std::string ClassName() const override { return #Name; }     \
  }

// Use of an object that is not there (a nil reference, a window that has gone).
FW_DECLARE_EXCEPTION(NilObjectException, RuntimeException);
// A checked cast to a class the object is not.
FW_DECLARE_EXCEPTION(IllegalCastException, RuntimeException);
// A user-interface operation from a thread other than the user-interface thread.
FW_DECLARE_EXCEPTION(ThreadAccessingUIException, RuntimeException);
// A property block naming a property the class does not have, or giving a value of the wrong type.
FW_DECLARE_EXCEPTION(PropertyException, RuntimeException);
// A window event handler whose signature does not fit the event it is bound to.
FW_DECLARE_EXCEPTION(EventBindingException, RuntimeException);

#undef FW_DECLARE_EXCEPTION

}  // namespace fw
