#include "FuzzTargets.h"

// BHN_FUZZ_FUNCTION names the target this fuzzer program runs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return BHN_FUZZ_FUNCTION(data, size);
}
