#pragma once
// The order list of the SMF setup writer: which parameters go into a song's setup, in which
// order and form, and whether only changed values; stored as ".scd" preset files.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veka {

enum TOrderForm : uint8_t { ofSysx = 0, ofCC = 1, ofNRPN = 2, ofRPN = 3 };
enum TOrderGroup : uint8_t { ogSystem = 0, ogPart = 1, ogDrum = 2, ogUserDrum = 3 };

// One 8-byte item of the file.
struct TOrderItem {
    std::array<uint8_t, 4> Forms{};  // Forms[k] nonzero: form k is allowed
    uint8_t Form = ofSysx;           // chosen form
    uint8_t Group = ogSystem;
    uint8_t Index = 0;               // parameter number within the group
    uint8_t ChangedOnly = 0;         // nonzero: only when the value differs from the default
    bool operator==(const TOrderItem&) const = default;
};
using TOrderList = std::vector<TOrderItem>;

inline constexpr std::string_view kOrderFileTag = "SMF Custom Order    ";  // 20 bytes
inline constexpr size_t kOrderItemSize = 8;
// What the program says of a preset it cannot use.
inline constexpr std::string_view kOrderReadError = "Order Data 読み取りエラー";
// A real list has a few hundred items; files beyond this are refused unread.
inline constexpr uintmax_t kMaxOrderFileSize = 1024u * 1024u;

// Whether the group has a parameter of that number: system 1..64, part 1..111, drum 1..9,
// user drum 0..12 (the user drum item stands for the whole sets; its number is not used).
bool ValidOrderParameter(int group, int index);
// An item with the forms the parameter supports (exclusive for all but part parameter 111;
// control change, NRPN and RPN where the part parameter has them); a form the parameter does
// not support gives its first supported one.
TOrderItem MakeOrderItem(int group, int index, int form = ofSysx, bool changedOnly = true);

// The list of "default.scd": every parameter of a GS setup, in exclusive form (RPN for "Master
// Coarse Tuning", which has no other), each only when changed.
TOrderList DefaultOrderList();

// The items of a preset file's bytes. False (list empty) when the tag is wrong or the count
// runs past the end. Items naming no parameter are dropped; the allowed forms are the
// program's own, and a chosen form the parameter does not support falls back as in
// MakeOrderItem.
bool ParseOrderFile(std::span<const uint8_t> bytes, TOrderList& list);
std::vector<uint8_t> OrderFileBytes(const TOrderList& list);

// ReadOrderFile replaces list's items with the file's; on failure the list is empty and error
// holds kOrderReadError (with the reason). WriteOrderFile writes through a temporary file, so
// a failed write leaves an old file whole.
bool ReadOrderFile(const std::string& path, TOrderList& list, std::string& error);
bool WriteOrderFile(const TOrderList& list, const std::string& path, std::string& error);

}  // namespace veka
