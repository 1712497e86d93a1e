#pragma once
// The module image the fuzz targets read into, on the default data of the fuzz build.
#include <cstdlib>
#include <memory>
#include <string>

#include "module/default_folder.h"
#include "module/image.h"

namespace veka::fuzz {

inline std::unique_ptr<TVGS> MakeImage(int maxPart) {
    // The fuzz build keeps its programs in fuzz/ and the default data in bin/default.
    const char* env = std::getenv("VEKA_DEFAULT_DIR");
    const std::string folder = env && *env ? std::string(env) : ProgramFolder() + "/../bin/default";
    auto image = std::make_unique<TVGS>(folder);
    image->MaxPart = maxPart;
    return image;
}

}  // namespace veka::fuzz
