#pragma once
// Framework objects are reference counted through std::shared_ptr. CheckedCast is the
// framework's typed view of an object: the same object, or an exception.

#include <memory>
#include <string>
#include <typeinfo>

#include "1-framework/exceptions.h"

namespace fw {

class Object : public std::enable_shared_from_this<Object> {
 public:
  // Framework objects belong to the user-interface thread and are made there.
  Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;
};

// The unqualified class name of a type, for messages ("TextField", not "fw::TextField").
std::string ClassNameOf(const std::type_info& type);
inline std::string ClassNameOf(const Object& object) {
  return ClassNameOf(typeid(object));
}

template <class T, class From>
std::shared_ptr<T> CheckedCast(const std::shared_ptr<From>& object) {
  if (!object) throw NilObjectException("nil cannot be used as a " + ClassNameOf(typeid(T)));
  if (auto typed = std::dynamic_pointer_cast<T>(object)) return typed;
  throw IllegalCastException("an object of class " + ClassNameOf(*object) + " is not a " +
                             ClassNameOf(typeid(T)));
}

}  // namespace fw
