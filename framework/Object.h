#pragma once

// The root of the framework's classes and the declarations of their
// properties, by which designer property records are read and applied.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

enum class PropertyType { Int32, Boolean, Color, String };

using PropertyValue = std::variant<std::int32_t, bool, Color, std::string>;

class Object;

// One property that a designer property record can set.
struct Property {
  std::string_view name;
  PropertyType type;
  std::function<void(Object&, const PropertyValue&)> set;
};

// The properties a class declares, its bases' included. Names are found
// without regard to letter case.
class PropertyTable {
 public:
  PropertyTable(std::initializer_list<Property> properties);
  PropertyTable(const PropertyTable& base, std::initializer_list<Property> added);

  [[nodiscard]] const Property* Find(std::string_view name) const;
  [[nodiscard]] std::size_t size() const { return properties_.size(); }

 private:
  std::vector<Property> properties_;
};

// Binds a class's setters to property names:
//   Bind<Label>::String("Text", &Label::SetText)
template <class T>
struct Bind {
  template <class Value, class Stored>
  static Property Make(std::string_view name, PropertyType type, void (T::*setter)(Stored)) {
    return {name, type, [setter](Object& object, const PropertyValue& value) {
              (static_cast<T&>(object).*setter)(std::get<Value>(value));
            }};
  }
  static Property Int32(std::string_view name, void (T::*setter)(std::int32_t)) {
    return Make<std::int32_t>(name, PropertyType::Int32, setter);
  }
  static Property Boolean(std::string_view name, void (T::*setter)(bool)) {
    return Make<bool>(name, PropertyType::Boolean, setter);
  }
  static Property Color(std::string_view name, void (T::*setter)(fw::Color)) {
    return Make<fw::Color>(name, PropertyType::Color, setter);
  }
  static Property String(std::string_view name, void (T::*setter)(std::string)) {
    return Make<std::string>(name, PropertyType::String, setter);
  }
};

// A property that records may hold but that changes nothing on this
// platform: its value is read and dropped.
Property Accepted(std::string_view name, PropertyType type);

class Object {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object();

  [[nodiscard]] virtual const PropertyTable& Properties() const;
};

}  // namespace fw
