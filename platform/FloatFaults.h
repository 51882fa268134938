#pragma once
// The x87 unit's sticky fault flags, read and cleared directly: glibc's feclearexcept costs
// about 80 ns, these a few. Only the x87 flags are kept: the engine computes in extended
// precision on the x87 unit, rounds to double with x87 stores and uses the SSE unit only
// where it cannot fault. Reading the SSE flags as well would double the cost of each test.
#include <cstdint>

namespace platform {

enum FloatFault : unsigned {
    FaultInvalid = 0x01,
    FaultDivByZero = 0x04,
    FaultOverflow = 0x08,
};
inline constexpr unsigned ReportedFaults = FaultInvalid | FaultDivByZero | FaultOverflow;

inline void ClearFloatFaults() noexcept { __asm__ __volatile__("fnclex"); }

// The reported faults raised since the last clear (underflow, denormal and inexact are ignored).
inline unsigned PendingFloatFaults() noexcept
{
    std::uint16_t status;
    __asm__ __volatile__("fnstsw %0" : "=am"(status));
    return status & ReportedFaults;
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
