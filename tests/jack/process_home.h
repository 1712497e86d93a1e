#pragma once
// What the tests that start the program against the JACK server share: its home with Veka.ini
// pointing Port A at a peer, and waiting for a data set to arrive there.
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "jack_peer.h"
#include "midi/midi_devices.h"
#include "midi/midi_session.h"
#include "document/settings.h"

namespace veka::test {

using namespace std::chrono_literals;

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Whether the far end received a data set of value at the address.
inline bool Holds(const std::vector<std::vector<uint8_t>>& messages, const std::array<uint8_t, 3>& address, uint8_t value) {
    for (const auto& m : messages)
        if (m.size() == 11 && m[0] == 0xF0 && m[5] == address[0] && m[6] == address[1] && m[7] == address[2] &&
            m[8] == value)
            return true;
    return false;
}

inline bool WaitFor(TJackPeer& peer, const std::array<uint8_t, 3>& address, uint8_t value, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (Holds(peer.Received(), address, value)) return true;
        peer.WaitReceived(peer.Received().size() + 1, 100ms);
    }
    return false;
}

// The program's home and runtime folders, and its Veka.ini with Port A on the peer's input and
// no module reset at start. False when the peer's port is not listed.
inline bool PrepareHome(const std::string& home, const std::string& runtime, const TJackPeer& peer) {
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
    TMidiDevices::Instance().Refresh();
    const int output = FindDevice(TMidiDevices::Instance().Outputs(), peer.InputName());
    if (output < 0) return false;
    TSettings settings(home + "/Veka.ini");
    settings.WriteInteger("setting", "max part", 0);
    settings.WriteInteger("midiport", "midiout 0", output);
    settings.WriteString("midiport", "driver name : out1", TMidiDevices::Instance().Outputs()[size_t(output)].Name);
    settings.WriteBool("other option", "2", false);
    return true;
}

}  // namespace veka::test
