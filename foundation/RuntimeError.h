#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vorn {

/// Run-time error numbers that the library raises; the texts are the usual automation ones.
enum ErrorNumber : int32_t {
  errInvalidProcedureCall = 5,
  errOverflow = 6,
  errOutOfMemory = 7,
  errSubscriptOutOfRange = 9,
  errTypeMismatch = 13,
  errOutOfStackSpace = 28,
  errInvalidUseOfNull = 94,
  errObjectRequired = 424,
  errNotSupported = 438,
  errWrongArgumentCount = 450,
  errKeyAlreadyAssociated = 457,
  errArgumentNotOptional = 449,
};

/// The one exception type of the library: a run-time error number with its text.
/// The dispatch layer turns it into an error result; hosts report it.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int32_t number, const std::string& description);
  explicit RuntimeError(int32_t number);
  int32_t Number() const noexcept { return number_; }
  const char* Description() const noexcept { return what(); }

 private:
  int32_t number_;
};

/// The standard text of an error number ("Overflow" for 6).
const char* StandardErrorText(int32_t number) noexcept;

[[noreturn]] void Raise(int32_t number);
[[noreturn]] void Raise(int32_t number, const std::string& description);

}  // namespace vorn
