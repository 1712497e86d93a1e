#pragma once
// What the MIDI commands of veka4-cli share: the virtual module switch, the devices --out and
// --in name, opening them on a session, progress on standard error, reading a setup file.
#include <array>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "midi/midi_devices.h"
#include "module/setup_reader.h"

namespace veka {
class TMidiSession;
class TTransmitter;
class TVGS;
}  // namespace veka

namespace veka::cli {

void StartVirtualModuleIfAsked(const TOptions& o);
// A report's text with line ends as one newline.
std::string Crlf(std::string text);
// The device a number or a unique part of its name chooses; throws EUsage naming what.
int Device(const std::vector<TMidiDeviceInfo>& list, const std::string& text, const char* what);
// "--out A=DEVICE,B=DEVICE" or "--out DEVICE" (Port A): the device of each port, -1 for none.
std::array<int, 4> OutputDevices(const TOptions& o);
// Every active port needs a device; why says what made the port active.
void RequireDevices(const std::array<int, 4>& ids, int activePorts, const std::string& why);
std::array<int, 4> OutputDevices(const TOptions& o, int activePorts);
// Why a port that a setup file's values or the --what items made active needs a device.
std::string ForTheSetup(const TOptions& o);
std::string ForTheItems(const TOptions& o);
void OpenOutputs(TMidiSession& session, const std::array<int, 4>& ids);
void OpenInput(TMidiSession& session, const TOptions& o);
void ProgressToStandardError(TTransmitter& transmitter);
// The setup file onto the image; false after saying why it could not be read.
bool ReadOrSay(TVGS& image, const std::string& file, TSetupReadResult& read);

}  // namespace veka::cli
