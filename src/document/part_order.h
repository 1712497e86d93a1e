#pragma once
// Part orders: which part parameters the part window shows as columns, in which order and at
// which width. Orders 0-3 belong to the part window's four order buttons; the drum windows keep
// their column lists as orders 4 and 5 in the same file format. Each order is one file
// "partorder<n>.dat" beside the settings file; its name lives in the settings file.
//
// File layout (little-endian): 20 bytes "Part Parameter Order"; a length byte and 255 bytes of
// name in CP932; int32 count; count entries of 20 bytes: Kind byte, 3 zero bytes, int32 Owner,
// Index, Data, Spare (the column width).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "module/language.h"
#include "module/one_parameter.h"

namespace veka {

class TSettings;

inline constexpr std::string_view kPartOrderMagic = "Part Parameter Order";
inline constexpr int kMaxOrderEntries = 111;
inline constexpr int kOrderFileCount = 6;           // orders 0..5
inline constexpr int32_t kDefaultColumnWidth = 64;
inline constexpr int32_t kMinColumnWidth = 8;       // widths outside these come from a damaged file
inline constexpr int32_t kMaxColumnWidth = 2000;
inline constexpr size_t kOrderNameBytes = 255;
// What the user is told of an order file that cannot be used.
std::string_view OrderDataReadError(TLanguage language);

enum class TOrderReadStatus { Ok, Missing, BadMagic, Damaged };

std::string PartOrderFileName(const std::string& folder, int n);

// The settings key of order n's name ("Part Window Order Name" n+1) and its default.
std::string OrderNameKey(int n);
std::string DefaultOrderName(int n);
// Order n's name as the settings file holds it (names that files written by earlier versions
// hold in CP932 are converted), else the default.
std::string OrderName(const TSettings& settings, int n);

// Empties list, then reads order n's file into it. Ok and Missing are normal (a missing file
// leaves the list empty); BadMagic and Damaged also leave it empty and the caller tells the
// user kOrderDataReadError. Entries come back as {1, 0, Index, 0, width}: entries naming no
// part parameter are dropped, widths out of range become 64 (the drum windows' orders 4 and 5
// come back the same way; their windows keep only the parameters they have). name is always set from the
// settings file (the copy that counts), default "Order " n+1.
TOrderReadStatus LoadOrder(std::vector<TLinkData>& list, int n, const std::string& folder, TSettings& settings,
                           std::string& name);

// Writes the list as order n through a temporary file, then name (UTF-8, at most 255
// characters) to the settings file. False with the reason in error: n out of range, more than
// kMaxOrderEntries entries, or a failed write (an old file is then left whole).
bool SaveOrder(const std::vector<TLinkData>& list, int n, const std::string& folder, TSettings& settings,
               const std::string& name, std::string& error);

// The 14 columns the part window shows when an order comes back empty.
void DefaultOrder(std::vector<TLinkData>& list);

// A grid moved its column from to to (both counted from the first listed column): the list's
// entry moves the same way. Positions outside the list change nothing.
void MoveOrderEntry(std::vector<TLinkData>& list, int from, int to);

// The part window's orders as it keeps them: files in one folder, names in the settings file,
// and the order shown last.
class IPartOrderStore {
public:
    virtual ~IPartOrderStore() = default;
    virtual TOrderReadStatus Load(int n, std::vector<TLinkData>& list, std::string& name) = 0;
    virtual bool Save(const std::vector<TLinkData>& list, int n, std::string& error) = 0;
    virtual std::string Name(int n) const = 0;
    virtual int LastOrder() const = 0;
    virtual void SetLastOrder(int n) = 0;
};

class TPartOrderFiles : public IPartOrderStore {
public:
    TPartOrderFiles(std::string folder, TSettings& settings) : Folder_(std::move(folder)), Settings_(settings) {}
    TOrderReadStatus Load(int n, std::vector<TLinkData>& list, std::string& name) override {
        return LoadOrder(list, n, Folder_, Settings_, name);
    }
    // Saves under the order's current name.
    bool Save(const std::vector<TLinkData>& list, int n, std::string& error) override {
        return SaveOrder(list, n, Folder_, Settings_, OrderName(Settings_, n), error);
    }
    std::string Name(int n) const override { return OrderName(Settings_, n); }
    int LastOrder() const override { return Last_; }
    void SetLastOrder(int n) override { Last_ = n < 0 ? 0 : n > 3 ? 3 : n; }

private:
    std::string Folder_;
    TSettings& Settings_;
    int Last_ = 0;
};

// The file's bytes and their reading, without the file system.
std::vector<uint8_t> OrderFileBytes(const std::vector<TLinkData>& list, const std::string& name);
TOrderReadStatus ParseOrderBytes(std::span<const uint8_t> bytes, std::vector<TLinkData>& list);

// The name as the file stores it: CP932, characters it cannot hold as "?", at most 255 bytes,
// cut between characters. And back: CP932 bytes to UTF-8 (undecodable bytes as "?").
std::string OrderNameToCp932(const std::string& utf8);
std::string Cp932ToUtf8(const std::string& cp932);

}  // namespace veka
