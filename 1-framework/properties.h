#pragma once
// Property blocks: ordered (name, value) lists applied in order by one SetProperties. Each class
// has one table from property name to setter; an unknown name or a value of the wrong type is a
// PropertyException naming both, never a silent skip.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "1-framework/exceptions.h"

namespace fw {

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  static constexpr Color FromRGB(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
  }
  friend bool operator==(const Color&, const Color&) = default;
};

using PropertyValue = std::variant<bool, std::int64_t, double, std::string, Color>;

struct Property {
  Property(std::string n, bool v) : name(std::move(n)), value(v) {}
  Property(std::string n, int v) : name(std::move(n)), value(std::int64_t{v}) {}
  Property(std::string n, std::int64_t v) : name(std::move(n)), value(v) {}
  Property(std::string n, double v) : name(std::move(n)), value(v) {}
  Property(std::string n, const char* v) : name(std::move(n)), value(std::string(v)) {}
  Property(std::string n, std::string v) : name(std::move(n)), value(std::move(v)) {}
  Property(std::string n, std::string_view v) : name(std::move(n)), value(std::string(v)) {}
  Property(std::string n, Color v) : name(std::move(n)), value(v) {}
  std::string name;
  PropertyValue value;
};

using PropertyBlock = std::vector<Property>;

std::string TypeNameOf(const PropertyValue& value);

// The value as V, or a PropertyException saying which property wanted what.
template <class V>
const V& Expect(const Property& property, std::string_view owner) {
  if (auto* typed = std::get_if<V>(&property.value)) return *typed;
  throw PropertyException("property " + property.name + " of " + std::string(owner) + " takes " +
                          TypeNameOf(PropertyValue{V{}}) + ", not " + TypeNameOf(property.value));
}

// One class's setters. A class's SetProperty looks in its own table and hands unknown names to
// its base class; the root raises.
template <class T>
class PropertyTable {
 public:
  using Setter = std::function<void(T&, const Property&)>;
  PropertyTable(std::initializer_list<std::pair<const std::string, Setter>> setters)
      : setters_(setters) {}

  bool Apply(T& target, const Property& property) const {
    auto found = setters_.find(property.name);
    if (found == setters_.end()) return false;
    found->second(target, property);
    return true;
  }

  // A setter for a member function taking the value.
  template <class V, class Arg>
  static Setter Calls(void (T::*setter)(Arg)) {
    return [setter](T& target, const Property& property) {
      (target.*setter)(Expect<V>(property, target.PropertyOwnerName()));
    };
  }

 private:
  std::map<std::string, Setter, std::less<>> setters_;
};

// Something a property block can be applied to. Properties that mean nothing on this platform
// are accepted with their type checked, and change nothing.
class PropertyHolder {
 public:
  virtual ~PropertyHolder() = default;
  void SetProperties(const PropertyBlock& block);
  virtual void SetProperty(const Property& property);
  virtual std::string PropertyOwnerName() const = 0;

 protected:
  // Accepts `property` when it is one of `names`; a value not of type V is an error.
  template <class V>
  bool Keep(const Property& property, std::initializer_list<std::string_view> names) {
    for (auto name : names) {
      if (property.name == name) {
        Expect<V>(property, PropertyOwnerName());
        return true;
      }
    }
    return false;
  }
};

}  // namespace fw
