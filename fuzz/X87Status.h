// The x87 unit's exception flags, read without changing them.
#pragma once

constexpr unsigned short kX87Invalid = 0x01;

// Invalid operation, denormal, division by zero, overflow, underflow, inexact (bits 0 to 5).
inline unsigned short X87ExceptionFlags()
{
    unsigned short status = 0;
    asm volatile("fnstsw %0" : "=a"(status) : : "memory");
    return status & 0x3F;
}
