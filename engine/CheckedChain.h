#pragma once
// Runs an execution chain with one fault test per stretch of records instead of one per
// record. The fault flags are sticky, so records without side effects run untested; the
// test comes before each record with side effects (which must not run after a fault) and
// after the last record. A test that finds faults of one kind knows the message already.
// Faults of several kinds, or an error thrown by a record, need the first faulting record:
// the stretch since the last test runs again, each record tested on its own. Running those
// records twice is harmless, as each writes only its own result.
#include "platform/Exceptions.h"
#include "platform/FloatFaults.h"

#include <bit>
#include <type_traits>

namespace engine {

namespace checked_chain_detail {

// Runs `first` up to (not including) `end` with a test after each record: throws the error of
// the first record that faults.
template <class Record, class Run>
void RunEachTested(Record* first, const std::type_identity_t<Record>* end, Run& run)
{
    for (Record* record = first; record != end; record = record->Next) {
        platform::ClearFloatFaults();
        run(*record);
        platform::CheckFloatFaults();
    }
}

// Clearing the flags stalls the floating-point unit several times longer than reading them,
// and they are rarely set: clear only when set.
inline void ClearRaisedFaults()
{
    if (platform::PendingFloatFaults() != 0)
        platform::ClearFloatFaults();
}

template <class Record, class Run>
void RaisePendingFaults(Record* stretch, const std::type_identity_t<Record>* end, Run& run)
{
    const unsigned faults = platform::PendingFloatFaults();
    if (faults == 0)
        return;
    if (!std::has_single_bit(faults))
        RunEachTested(stretch, end, run);
    platform::RaiseFloatFaults(faults);
}

}  // namespace checked_chain_detail

// `run(record)` calls the record's routine; `hasSideEffects(record)` tells the records that
// write outside their own result or advance the random generator. Returns the last record.
template <class Record, class Run, class HasSideEffects>
Record* ExecuteCheckedChain(Record* first, Run run, HasSideEffects hasSideEffects)
{
    using checked_chain_detail::RaisePendingFaults;
    using checked_chain_detail::RunEachTested;
    checked_chain_detail::ClearRaisedFaults();
    Record* stretch = first;
    Record* last = first;
    for (Record* record = first; record; record = record->Next) {
        last = record;
        if (hasSideEffects(*record)) {
            RaisePendingFaults(stretch, record, run);
            run(*record);
            platform::CheckFloatFaults();
            stretch = record->Next;
            continue;
        }
        try {
            run(*record);
        } catch (const platform::Exception&) {
            RunEachTested(stretch, record->Next, run);
            throw;
        }
    }
    RaisePendingFaults(stretch, nullptr, run);
    return last;
}

}  // namespace engine
