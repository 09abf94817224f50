#include "Exceptions.h"

#include <utility>

namespace fw {

RuntimeException::RuntimeException(std::string message) : message_(std::move(message)) {}

std::string_view RuntimeException::ClassName() const { return "RuntimeException"; }

const char* RuntimeException::what() const noexcept { return message_.c_str(); }

NilObjectException::NilObjectException()
    : RuntimeException("an object was used where there is nothing") {}

std::string_view NilObjectException::ClassName() const { return "NilObjectException"; }

std::string_view InvalidRecordException::ClassName() const { return "InvalidRecordException"; }

}  // namespace fw
