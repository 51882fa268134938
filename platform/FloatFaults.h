#pragma once
// The floating-point unit's sticky fault flags, read and cleared directly: glibc's
// feclearexcept costs about 80 ns, these a few. Both the x87 unit (where extended-precision
// arithmetic runs) and SSE (where double arithmetic may run) are covered; their flag bits
// sit at the same positions.
#include <cstdint>

namespace platform {

enum FloatFault : unsigned {
    FaultInvalid = 0x01,
    FaultDivByZero = 0x04,
    FaultOverflow = 0x08,
};
inline constexpr unsigned ReportedFaults = FaultInvalid | FaultDivByZero | FaultOverflow;

inline void ClearFloatFaults() noexcept
{
    __asm__ __volatile__("fnclex");
    std::uint32_t mxcsr;
    __asm__ __volatile__("stmxcsr %0" : "=m"(mxcsr));
    mxcsr &= ~0x3Fu;
    __asm__ __volatile__("ldmxcsr %0" : : "m"(mxcsr));
}

// The reported faults raised since the last clear (underflow, denormal and inexact are ignored).
inline unsigned PendingFloatFaults() noexcept
{
    std::uint16_t status;
    __asm__ __volatile__("fnstsw %0" : "=am"(status));
    std::uint32_t mxcsr;
    __asm__ __volatile__("stmxcsr %0" : "=m"(mxcsr));
    return (status | mxcsr) & ReportedFaults;
}

// Throws the error of the most serious fault in `faults`: invalid operation, then division
// by zero, then overflow. Does nothing when `faults` holds none of them.
void RaiseFloatFaults(unsigned faults);

inline void CheckFloatFaults()
{
    if (unsigned faults = PendingFloatFaults())
        RaiseFloatFaults(faults);
}

}  // namespace platform
