#include "cli/midi_options.h"

#include <iostream>
#include <sstream>

#include "midi/midi_session.h"
#include "module/default_folder.h"
#include "module/image.h"

namespace veka::cli {

void StartVirtualModuleIfAsked(const TOptions& o) {
    TVirtualModuleRequest request = VirtualModuleFromEnvironment();
    if (const auto option = ExtraOption(o, "--virtual-module")) {
        request.Enabled = true;
        request.SetupFile = *option;
    }
    if (request.Enabled) StartVirtualModule(o.ModuleType, FindDefaultFolder(), request.SetupFile);
}

std::string Crlf(std::string text) {
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

int Device(const std::vector<TMidiDeviceInfo>& list, const std::string& text, const char* what) {
    std::string error;
    const int index = FindDevice(list, text, &error);
    if (index < 0) throw EUsage(std::string(what) + ": " + error + " (veka4-cli ports lists them)");
    return index;
}

// "--out A=DEVICE,B=DEVICE" or "--out DEVICE" (Port A): the device of each port, -1 for none.
std::array<int, 4> OutputDevices(const TOptions& o) {
    const auto option = ExtraOption(o, "--out");
    if (!option) throw EUsage("--out DEVICE or --out A=DEVICE[,B=DEVICE...] is needed");
    std::array<int, 4> ids = {-1, -1, -1, -1};
    const auto& outputs = TMidiDevices::Instance().Outputs();
    std::stringstream items(*option);
    std::string item;
    while (std::getline(items, item, ',')) {
        int port = 0;
        std::string device = item;
        if (item.size() > 2 && item[1] == '=') {
            const char letter = char(item[0] & ~0x20);
            if (letter < 'A' || letter > 'D') throw EUsage("--out: '" + item + "' names no port A to D");
            port = letter - 'A';
            device = item.substr(2);
        }
        ids[size_t(port)] = Device(outputs, device, "--out");
    }
    return ids;
}

// Every active port needs a device; why says what made the port active.
void RequireDevices(const std::array<int, 4>& ids, int activePorts, const std::string& why) {
    for (int port = 0; port < activePorts; ++port)
        if (ids[size_t(port)] < 0) throw EUsage(std::string("--out: Port ") + char('A' + port) + " needs a device " + why);
}

std::array<int, 4> OutputDevices(const TOptions& o, int activePorts) {
    const std::array<int, 4> ids = OutputDevices(o);
    RequireDevices(ids, activePorts, "with this --max-part");
    return ids;
}

// Why a port that a setup file's values or the --what items made active needs a device.
std::string ForTheSetup(const TOptions& o) {
    return o.MaxPartGiven ? "with this --max-part" : "for the setup's values there (a smaller --max-part leaves them out)";
}
std::string ForTheItems(const TOptions& o) {
    return o.MaxPartGiven ? "with this --max-part" : "for the items --what names there";
}

void OpenOutputs(TMidiSession& session, const std::array<int, 4>& ids) {
    for (int port = 0; port < 4; ++port) {
        if (ids[size_t(port)] < 0) continue;
        TMidiOutput& out = session.Transmitter.Port(port);
        out.SetDeviceID(ids[size_t(port)]);
        if (!out.Open()) throw EmidioutputError(out.ProductName() + ": " + out.LastError());
    }
}

void OpenInput(TMidiSession& session, const TOptions& o) {
    const auto option = ExtraOption(o, "--in");
    if (!option) throw EUsage("--in DEVICE is needed");
    session.Input.SetDeviceID(Device(TMidiDevices::Instance().Inputs(), *option, "--in"));
    session.Input.Open();
}

void ProgressToStandardError(TTransmitter& transmitter) {
    transmitter.Progress.OnProgress = [](int max, int current, const std::string& text) {
        std::cerr << "\r" << text << " (" << current << "/" << max << ")\033[K" << std::flush;
    };
}

// The setup file onto the image; false after saying why it could not be read.
bool ReadOrSay(TVGS& image, const std::string& file, TSetupReadResult& read) {
    TFixedSetupFileHost host;
    read = ReadSetupFile(image, host, 0, file);
    if (read.Ok()) return true;
    std::cerr << "veka4-cli: " << file << ": "
              << Crlf(read.Status == TSetupReadStatus::Cancelled ? "cancelled" : read.Text(TLanguage::English)) << '\n';
    return false;
}

}  // namespace veka::cli
