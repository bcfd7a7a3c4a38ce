#include "1-framework/properties.h"

#include "1-framework/ui_thread.h"

namespace fw {

std::string TypeNameOf(const PropertyValue& value) {
  static constexpr const char* kNames[] = {"a Boolean", "an integer", "a number", "a string",
                                           "a colour"};
  return kNames[value.index()];
}

void PropertyHolder::SetProperties(const PropertyBlock& block) {
  RequireUIThread();
  for (const auto& property : block) SetProperty(property);
}

void PropertyHolder::SetProperty(const Property& property) {
  throw PropertyException(PropertyOwnerName() + " has no property " + property.name);
}

}  // namespace fw
