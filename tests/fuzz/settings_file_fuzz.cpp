// The settings file "Veka.ini" as the program reads it at start: the bulk load with its device
// checks, the bookmarks of the windows and the names of the part orders. What the load gives,
// the closing save writes and the next start reads again the same.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_folder.h"
#include "document/bookmarks.h"
#include "document/part_order.h"
#include "document/settings.h"

namespace {

using namespace veka;

const std::string& Folder() {
    static const veka::fuzz::TFolder folder("veka-fuzz-settings");
    static const std::string path = folder.Path.string();
    return path;
}

bool Same(const TSettingsData& a, const TSettingsData& b) {
    return a.ModuleType == b.ModuleType && a.MaxPart == b.MaxPart && a.DeviceId == b.DeviceId &&
           a.TransWait == b.TransWait && a.DataReqWait == b.DataReqWait && a.PlayNoteBaseOct == b.PlayNoteBaseOct &&
           a.FontName == b.FontName && a.FontSize == b.FontSize && a.SeqName == b.SeqName && a.HotKey == b.HotKey &&
           a.CurrentScd == b.CurrentScd && a.UseMidiIn == b.UseMidiIn && a.MidiIn == b.MidiIn && a.MidiOut == b.MidiOut &&
           a.MainLeft == b.MainLeft && a.MainTop == b.MainTop && a.MainWidth == b.MainWidth &&
           a.MainHeight == b.MainHeight && a.Options == b.Options && a.History == b.History;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = Folder() + "/Veka.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    TSettings settings(path);
    TBulkContext context;
    context.Language = size % 2 ? TLanguage::English : TLanguage::Japanese;
    context.InputDeviceNames = {"Virtual Module Out", "Keyboard"};
    context.OutputDeviceCount = 4;
    TSettingsData data1;
    const TBulkLoadResult result = LoadBulk(settings, data1, context);
    if (data1.MaxPart < 0 || data1.MaxPart > 2) std::abort();
    for (int out : data1.MidiOut)
        if (out < -1 || out >= context.OutputDeviceCount) std::abort();
    for (const char* window : {"PartWindow", "DrumWindow", "PatchWindow"}) ReadBookmarks(settings, window);
    for (int n = 0; n < 4; ++n) {
        std::vector<TLinkData> list;
        std::string name;
        LoadOrder(list, n, Folder(), settings, name);
    }
    if (!result.Error.empty()) return 0;  // a file that could not be read is never written over
    std::string error;
    if (!SaveBulk(settings, data1, context, error)) return 0;
    TSettingsData data2;
    LoadBulk(settings, data2, context);
    if (!Same(data1, data2)) std::abort();
    return 0;
}
