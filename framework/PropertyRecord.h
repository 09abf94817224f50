#pragma once

// Designer property records: the byte strings that set many properties of
// one object in one step.
//
// A record is a sequence of entries with nothing between them and nothing
// after the last: the property's name (ASCII letters, the first a capital),
// one blank, and the value in the encoding of the type that the object's
// class declares for that name:
//
//   Int32    4 bytes, two's complement, most significant first
//   Boolean  1 byte, 0 or 1
//   Color    3 bytes: red, green, blue
//   String   a 4-byte unsigned byte count n (most significant first), then
//            n bytes of UTF-8; no terminator
//
// The record carries no type marks: the same name may have another width on
// another class ("Value" is an Int32 on a tab panel, a Boolean on a radio
// button).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Object.h"

namespace fw {

struct RecordEntry {
  const Property* property;
  PropertyValue value;
  std::size_t offset;  // of the entry's first byte (its name)
};

// Reads a whole record against a class's properties. Raises
// InvalidRecordException, naming the byte offset, for a name that the class
// does not declare or that is not a name at all, and for a value that runs
// past the end of the record. Never reads past the end.
[[nodiscard]] std::vector<RecordEntry> DecodeRecord(std::string_view record,
                                                    const PropertyTable& properties);

// The mass property setter: reads the whole record first, then sets its
// properties on the object from the first entry to the last. A record that
// cannot be read sets nothing.
void SetProperties(Object& object, std::string_view record);

// Builds a record, entry by entry, in the order of the calls.
class RecordWriter {
 public:
  RecordWriter& Int32(std::string_view name, std::int32_t value);
  RecordWriter& Boolean(std::string_view name, bool value);
  RecordWriter& Color(std::string_view name, fw::Color value);
  RecordWriter& String(std::string_view name, std::string_view value);

  [[nodiscard]] const std::string& Bytes() const { return bytes_; }

 private:
  void Name(std::string_view name);
  void BigEndian32(std::uint32_t bits);
  std::string bytes_;
};

}  // namespace fw
