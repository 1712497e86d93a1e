#pragma once
// The differences between two module images: every parameter whose value differs, with where
// it lives, its name and both values with their texts ("veka4-cli diff", the compare window).
// A setup read onto a power-on image holds the default wherever the file holds nothing.
#include <cstdint>
#include <string>
#include <vector>

#include "module/one_parameter.h"

namespace veka {

class TVGS;

struct TSetupDifference {
    std::string Where;  // "System", "Part A3", "Drum Map B1 Key36", "User Drum 0 Key60"
    std::string Name;   // the parameter's name
    int Port = 0;
    TLinkData Link;     // which parameter: system {0, n}, part {1, part, n}, drum map {2, map,
                        // note, n}, user drum {3, set, note, n}
    int32_t First = 0, Second = 0;
    std::string FirstText, SecondText;
};

// Compares the system, the parts and drum maps of the ports either image uses, and the user
// drum sets. Texts come from the image each value belongs to.
std::vector<TSetupDifference> DiffImages(const TVGS& first, const TVGS& second);

// One parameter of the image described as a difference would be (both values its own); the
// link in the form above. Nothing (empty Where) when the place names no parameter.
TSetupDifference DescribeParameter(const TVGS& image, int port, const TLinkData& link);

// "Part A3 Volume: 100 (100) -> 90 (90)".
std::string DifferenceLine(const TSetupDifference& difference);

}  // namespace veka
