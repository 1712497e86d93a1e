// The recovery file's reader on any bytes, for each module type the program may run with: it
// never takes a setup from a file it calls damaged, and what it accepts names a module type.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "document/recovery_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    for (int moduleType = 1; moduleType <= 3; ++moduleType) {
        const TRecoveryRead read = ParseRecovery(std::span<const uint8_t>(data, size), moduleType);
        if (read.Status != TRecoveryStatus::Ok && !read.Setup.empty()) std::abort();
        if (read.Status == TRecoveryStatus::Ok && read.Info.ModuleType != moduleType) std::abort();
    }
    return 0;
}
