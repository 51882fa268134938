#include "FloatFaults.h"

#include "Exceptions.h"

namespace platform {

void RaiseFloatFaults(unsigned faults)
{
    if (faults & FaultInvalid)
        throw EInvalidOp();
    if (faults & FaultDivByZero)
        throw EZeroDivide();
    if (faults & FaultOverflow)
        throw EOverflow();
}

}  // namespace platform
