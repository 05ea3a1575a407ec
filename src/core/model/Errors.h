#pragma once

#include <stdexcept>

namespace orvex {

// Base of every error the core raises; front ends turn it into a message box or exit code 2.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A zero divisor, the root of a negative number, a non-finite result or a section value that
// cannot take part in a computation (such as -1 for a column the table lacks).
class ArithmeticError : public Error {
  public:
    using Error::Error;
};

// Typed text that is not a number, or a unit text that is not one of the known units.
class ConversionError : public Error {
  public:
    using Error::Error;
};

// A file that cannot be read, written or understood.
class FileError : public Error {
  public:
    using Error::Error;
};

} // namespace orvex
