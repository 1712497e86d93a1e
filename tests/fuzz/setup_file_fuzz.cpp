// The setup-file reader on any bytes: the first byte picks the file kind and the current port,
// the rest is the file. One image serves every input, as one program reads file after file;
// every question is answered with its first item.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "fuzz_image.h"
#include "module/difference_list.h"
#include "module/image.h"
#include "module/setup_file.h"
#include "module/setup_file_listing.h"
#include "module/setup_reader.h"

namespace {

veka::TVGS& Image() {
    static const std::unique_ptr<veka::TVGS> image = veka::fuzz::MakeImage(2);
    return *image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    if (size < 1) return 0;
    TVGS& image = Image();
    const auto kind = static_cast<TSetupFileKind>(data[0] % 12);
    const int port = (data[0] / 12) % 4;
    const std::span<const uint8_t> bytes(data + 1, size - 1);

    TFixedSetupFileHost host;
    ReadSetupBytes(image, host, port, kind, bytes, "fuzz");
    SetupFileListing(image, kind, ParseSetupFile(bytes));

    // Whatever was read, the image written out again is a whole file.
    TDifferenceList list;
    BuildDifferenceList(image, list);
    std::vector<uint8_t> out;
    if (!SetupFileBytes(image, list, out).Ok()) std::abort();
    if (ParseSetupFile(out).Error != TSetupParseError::None) std::abort();
    return 0;
}
