#pragma once
// The setups the compare window sets beside the image: the power-on defaults and a setup file
// read onto them (the current file as saved, or another). The module's own answer comes from
// the data request (midi/module_compare.h).
#include <memory>
#include <string>
#include <vector>

#include "module/image.h"

namespace veka {

// A setup to compare with: the image, or nothing (Error says why; both empty: cancelled).
struct TCompareTarget {
    std::unique_ptr<TVGS> Image;
    std::vector<int> Unread;  // flat indices the module did not answer
    std::string Name;         // the file's name for the column heading
    std::string Error;
};

// A power-on image set up like `like`: its module type, part count, device id and language.
TCompareTarget PowerOnLike(const TVGS& like, const std::string& defaultFolder);

// The setup file `path` read onto such an image; an unreadable or broken file is an Error that
// names it.
TCompareTarget SetupFileOntoPowerOn(const TVGS& like, const std::string& defaultFolder, const std::string& path);

}  // namespace veka
