#include "foundation/RuntimeError.h"

namespace vorn {

const char* StandardErrorText(int32_t number) noexcept {
  switch (number) {
    case errInvalidProcedureCall: return "Invalid procedure call or argument";
    case errOverflow: return "Overflow";
    case errOutOfMemory: return "Out of memory";
    case errSubscriptOutOfRange: return "Subscript out of range";
    case errTypeMismatch: return "Type mismatch";
    case errOutOfStackSpace: return "Out of stack space";
    case errInvalidUseOfNull: return "Invalid use of Null";
    case errObjectRequired: return "Object required";
    case errNotSupported: return "Object doesn't support this property or method";
    case errWrongArgumentCount: return "Wrong number of arguments or invalid property assignment";
    case errKeyAlreadyAssociated: return "This key is already associated with an element of this collection";
    case errArgumentNotOptional: return "Argument not optional";
    default: return "Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(int32_t number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

RuntimeError::RuntimeError(int32_t number) : std::runtime_error(StandardErrorText(number)), number_(number) {}

void Raise(int32_t number) { throw RuntimeError(number); }
void Raise(int32_t number, const std::string& description) { throw RuntimeError(number, description); }

}  // namespace vorn
