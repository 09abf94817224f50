#include "Object.h"

#include <algorithm>

namespace fw {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

PropertyTable::PropertyTable(std::initializer_list<Property> properties)
    : properties_(properties) {}

PropertyTable::PropertyTable(const PropertyTable& base, std::initializer_list<Property> added)
    : properties_(base.properties_) {
  properties_.insert(properties_.end(), added);
}

const Property* PropertyTable::Find(std::string_view name) const {
  // A class's own declaration hides its base's of the same name.
  auto found = std::find_if(properties_.rbegin(), properties_.rend(),
                            [&](const Property& p) { return SameName(p.name, name); });
  return found == properties_.rend() ? nullptr : &*found;
}

Property Accepted(std::string_view name, PropertyType type) {
  return {name, type, [](Object&, const PropertyValue&) {}};
}

Object::~Object() = default;

const PropertyTable& Object::Properties() const {
  static const PropertyTable none{};
  return none;
}

}  // namespace fw
