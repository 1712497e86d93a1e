// The order-file reader on any bytes; what it accepts writes and reads back the same.
#include <cstdint>
#include <cstdlib>

#include "smf/order_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    TOrderList list;
    if (!ParseOrderFile({data, size}, list)) {
        if (!list.empty()) std::abort();
        return 0;
    }
    for (const TOrderItem& item : list)
        if (item.Form > 3 || !item.Forms[item.Form] || !ValidOrderParameter(item.Group, item.Index)) std::abort();
    TOrderList again;
    if (!ParseOrderFile(OrderFileBytes(list), again) || again != list) std::abort();
    return 0;
}
