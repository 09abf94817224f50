#include "PropertyRecord.h"

#include <algorithm>
#include <cstdint>

#include "Exceptions.h"

namespace fw {

namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLetter(char c) { return IsUpper(c) || (c >= 'a' && c <= 'z'); }

bool IsPropertyName(std::string_view name) {
  return !name.empty() && IsUpper(name.front()) && std::ranges::all_of(name, IsLetter);
}

[[noreturn]] void Fail(std::size_t offset, std::string_view what) {
  throw InvalidRecordException("designer property record: " + std::string(what) + " at byte " +
                               std::to_string(offset));
}

// Reads values from a record, never past its end.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  [[nodiscard]] bool AtEnd() const { return at_ == bytes_.size(); }
  [[nodiscard]] std::size_t Offset() const { return at_; }

  std::string_view Take(std::size_t count, std::string_view what) {
    if (count > bytes_.size() - at_) Fail(at_, std::string(what) + " runs past the end");
    std::string_view taken = bytes_.substr(at_, count);
    at_ += count;
    return taken;
  }

  std::uint32_t BigEndian32(std::string_view what) {
    std::uint32_t value = 0;
    for (char byte : Take(4, what)) value = (value << 8U) | static_cast<std::uint8_t>(byte);
    return value;
  }

  std::string_view Name() {
    std::size_t blank = bytes_.find(' ', at_);
    if (blank == std::string_view::npos) Fail(at_, "a name without a blank after it");
    std::string_view name = bytes_.substr(at_, blank - at_);
    if (!IsPropertyName(name)) Fail(at_, "no property name");
    at_ = blank + 1;
    return name;
  }

  PropertyValue Value(PropertyType type) {
    switch (type) {
      case PropertyType::Int32:
        return static_cast<std::int32_t>(BigEndian32("an Int32 value"));
      case PropertyType::Boolean: {
        auto byte = static_cast<std::uint8_t>(Take(1, "a Boolean value").front());
        if (byte > 1) Fail(at_ - 1, "a Boolean value other than 0 or 1");
        return byte == 1;
      }
      case PropertyType::Color: {
        std::string_view rgb = Take(3, "a Color value");
        return fw::Color{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                         static_cast<std::uint8_t>(rgb[2])};
      }
      case PropertyType::String: {
        std::uint32_t count = BigEndian32("a String length");
        return std::string(Take(count, "a String value"));
      }
    }
    Fail(at_, "a value of an unknown type");
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<RecordEntry> DecodeRecord(std::string_view record, const PropertyTable& properties) {
  std::vector<RecordEntry> entries;
  Reader reader(record);
  while (!reader.AtEnd()) {
    std::size_t offset = reader.Offset();
    std::string_view name = reader.Name();
    const Property* property = properties.Find(name);
    if (property == nullptr) Fail(offset, "unknown property \"" + std::string(name) + "\"");
    entries.push_back({property, reader.Value(property->type), offset});
  }
  return entries;
}

void SetProperties(Object& object, std::string_view record) {
  for (const RecordEntry& entry : DecodeRecord(record, object.Properties())) {
    entry.property->set(object, entry.value);
  }
}

void RecordWriter::Name(std::string_view name) {
  if (!IsPropertyName(name)) Fail(bytes_.size(), "no property name");
  bytes_.append(name);
  bytes_.push_back(' ');
}

void RecordWriter::BigEndian32(std::uint32_t bits) {
  for (unsigned shift : {24U, 16U, 8U, 0U})
    bytes_.push_back(static_cast<char>((bits >> shift) & 0xFFU));
}

RecordWriter& RecordWriter::Int32(std::string_view name, std::int32_t value) {
  Name(name);
  BigEndian32(static_cast<std::uint32_t>(value));
  return *this;
}

RecordWriter& RecordWriter::Boolean(std::string_view name, bool value) {
  Name(name);
  bytes_.push_back(value ? '\1' : '\0');
  return *this;
}

RecordWriter& RecordWriter::Color(std::string_view name, fw::Color value) {
  Name(name);
  bytes_.push_back(static_cast<char>(value.red));
  bytes_.push_back(static_cast<char>(value.green));
  bytes_.push_back(static_cast<char>(value.blue));
  return *this;
}

RecordWriter& RecordWriter::String(std::string_view name, std::string_view value) {
  Name(name);
  BigEndian32(static_cast<std::uint32_t>(value.size()));
  bytes_.append(value);
  return *this;
}

}  // namespace fw
