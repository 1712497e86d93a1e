// The part and drum windows' column orders ("partorder<n>.dat") on any bytes: the first byte
// picks the order, the rest is its file. What the reader takes is a list the windows can show,
// and it is written and read back the same.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_folder.h"
#include "document/part_order.h"
#include "document/settings.h"
#include "module/parameter_tables.h"

namespace {

const std::string& Folder() {
    static const veka::fuzz::TFolder folder("veka-fuzz-order");
    static const std::string path = folder.Path.string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    if (size < 1) return 0;
    const int n = data[0] % kOrderFileCount;
    std::ofstream(PartOrderFileName(Folder(), n), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), std::streamsize(size - 1));
    // Each input on its own: no name an earlier one saved.
    std::filesystem::remove(Folder() + "/Veka.ini");
    TSettings settings(Folder() + "/Veka.ini");
    std::vector<TLinkData> list;
    std::string name;
    const TOrderReadStatus status = LoadOrder(list, n, Folder(), settings, name);
    if (status != TOrderReadStatus::Ok) {
        if (!list.empty()) std::abort();
        return 0;
    }
    for (const TLinkData& entry : list)
        if (entry.Kind != 1 || entry.Index < 1 || entry.Index > kPartParameterCount || entry.Spare < kMinColumnWidth)
            std::abort();
    std::string error;
    if (list.size() > size_t(kMaxOrderEntries)) std::abort();
    if (!SaveOrder(list, n, Folder(), settings, name, error)) std::abort();
    std::vector<TLinkData> again;
    std::string againName;
    if (LoadOrder(again, n, Folder(), settings, againName) != TOrderReadStatus::Ok || again != list) std::abort();
    return 0;
}
