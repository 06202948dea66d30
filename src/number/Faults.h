// The calculator's failures: every exception class with its ancestry and, for the
// floating-point faults, the one message each one carries. One line per fault.
#pragma once

#include <stdexcept>
#include <string>

// Root of every failure the calculator reports; Message() is the message shown to the user.
// It is kept whole: what() ends at the first NUL, which a quoted display text may hold.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message), message_(message) {}
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// A failure reported by the processor (or by the checks that stand in for its traps).
class EExternal : public Exception {
    using Exception::Exception;
};
class EMathError : public EExternal {
    using EExternal::EExternal;
};
class EIntError : public EExternal {
    using EExternal::EExternal;
};

// A failed number conversion; its message quotes the text (see the conversions).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A fault class with its fixed message: raising one needs no text.
#define VEXORIN_FAULT(Class, Base, Text)                                                                \
    class Class : public Base {                                                                        \
    public:                                                                                            \
        static constexpr const char* kMessage = Text;                                                  \
        Class() : Base(kMessage) {}                                                                    \
    };

//            class         ancestor     message
VEXORIN_FAULT(EInvalidOp,   EMathError,  "Invalid floating point operation")
VEXORIN_FAULT(EZeroDivide,  EMathError,  "Floating point division by zero")
VEXORIN_FAULT(EOverflow,    EMathError,  "Floating point overflow")
VEXORIN_FAULT(EUnderflow,   EMathError,  "Floating point underflow")
VEXORIN_FAULT(EDivByZero,   EIntError,   "Division by zero")
VEXORIN_FAULT(ERangeError,  EIntError,   "Range check error")
VEXORIN_FAULT(EIntOverflow, EIntError,   "Integer overflow")

#undef VEXORIN_FAULT

// Which processor condition maps to which fault. Only the first three stop a key;
// the others are masked for the whole run and pass silently.
//
//   invalid operation, stack check, inexact result -> EInvalidOp
//   division by zero                               -> EZeroDivide
//   overflow                                       -> EOverflow
//   underflow, denormal operand                    -> EUnderflow  (masked: never raised)
