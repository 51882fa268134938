#pragma once
// The system's exception family. Every error that a user command reports carries its
// message here; the engine's EParserException and the runtime stand-ins below derive from it.
#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number (or not an integer) of the expected form.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Floating-point faults of the arithmetic: invalid operation, division by zero, overflow.
class EMathError : public Exception {
public:
    using Exception::Exception;
};
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// Integer division by zero.
class EDivByZero : public Exception {
public:
    EDivByZero() : Exception("Division by zero") {}
};

// An index outside a list.
class EListError : public Exception {
public:
    explicit EListError(long long index)
        : Exception("List index out of bounds (" + std::to_string(index) + ")") {}
};

// A database file that could not be opened or created; the message says why.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace platform
