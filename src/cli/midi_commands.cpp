// veka4-cli ports, send, request, identify and panic: the MIDI side of the program from the
// command line, through the same session the program uses.
#include <algorithm>
#include <iostream>
#include <sstream>

#include "cli/active_ports.h"
#include "cli/commands.h"
#include "cli/midi_options.h"
#include "document/send_commands.h"
#include "midi/midi_session.h"
#include "midi/module_compare.h"
#include "module/image_snapshot.h"
#include "module/setup_diff.h"
#include "module/display_data.h"
#include "midi/virtual_module.h"
#include "module/default_folder.h"
#include "module/difference_list.h"
#include "module/image.h"
#include "module/setup_file.h"
#include "module/setup_file_kind.h"
#include "module/setup_reader.h"

namespace veka::cli {

namespace {

// The --what items; named (may be null) receives the items that name a port, with that port
// ("all" with -1: every port that has a device).
TRequestSelection ParseItems(const std::string& text, std::vector<std::pair<std::string, int>>* named = nullptr) {
    TRequestSelection s{};
    std::stringstream items(text);
    std::string item;
    const TRequestItem parts[4] = {riPartsA, riPartsB, riPartsC, riPartsD};
    const TRequestItem map1[4] = {riMap1A, riMap1B, riMap1C, riMap1D};
    const TRequestItem map2[4] = {riMap2A, riMap2B, riMap2C, riMap2D};
    while (std::getline(items, item, ',')) {
        if (item == "all") {
            s.fill(true);
            if (named) named->emplace_back(item, -1);  // the ports --out names
            continue;
        }
        if (item == "master") { s[riMaster] = true; continue; }
        if (item == "reverb") { s[riReverb] = true; continue; }
        if (item == "chorus") { s[riChorus] = true; continue; }
        if (item == "delay") { s[riDelay] = true; continue; }
        if (item == "eq") { s[riEq] = true; continue; }
        if (item == "insertion") { s[riInsertion] = true; continue; }
        if (item == "userdrum65") { s[riUserDrum65] = true; continue; }
        if (item == "userdrum66") { s[riUserDrum66] = true; continue; }
        const auto colon = item.find(':');
        if (colon != std::string::npos && colon + 2 == item.size()) {
            const char letter = char(item[colon + 1] & ~0x20);
            const std::string what = item.substr(0, colon);
            if (letter >= 'A' && letter <= 'D') {
                const int port = letter - 'A';
                const TRequestItem* found = what == "parts" ? parts : what == "drum1" ? map1 : what == "drum2" ? map2 : nullptr;
                if (found) {
                    s[found[port]] = true;
                    if (named) named->emplace_back(item, port);
                    continue;
                }
            }
        }
        throw EUsage("--what: '" + item + "' is not an item (master, reverb, chorus, delay, eq, insertion, "
                     "userdrum65, userdrum66, parts:P, drum1:P, drum2:P, all)");
    }
    return s;
}

// The part count (0: 16, 1: 32, 2: 64) whose ports reach every port the items name.
int MaxPartForItems(const std::vector<std::pair<std::string, int>>& named, const std::array<int, 4>& devices) {
    int highest = 0;
    for (const auto& item : named) {
        if (item.second >= 0) highest = std::max(highest, item.second);
        else
            for (int port = 0; port < 4; ++port)
                if (devices[size_t(port)] >= 0) highest = std::max(highest, port);
    }
    return highest >= 2 ? 2 : highest;
}

// Without --max-part the ports reach those the --what items name; with one, the items it leaves
// out are named on standard error.
void TakePortsFromItems(TVGS& image, const TOptions& o, const std::vector<std::pair<std::string, int>>& named,
                        const std::array<int, 4>& devices, TPortUse use) {
    if (!o.MaxPartGiven) image.MaxPart = std::max(image.MaxPart, MaxPartForItems(named, devices));
    std::string left;
    int count = 0;
    for (const auto& [item, port] : named) {
        if (port < image.ActivePortCount()) continue;
        left += (left.empty() ? "" : ", ") + item;
        ++count;
    }
    if (count > 0)
        std::cerr << "veka4-cli: " << left << (count == 1 ? " was" : " were") << " not " << use.Done << " ("
                  << MaxPartReach(image.MaxPart, use) << ")\n";
}

const char* ModelName(int model) {
    switch (model) {
        case 1: return "SC-88";
        case 2: return "SC-88Pro";
        case 3: return "SC-8850";
        default: return "unknown";
    }
}

}  // namespace

int PortsCommand(TVGS&, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 1) throw EUsage("usage: veka4-cli ports [--virtual-module]");
    StartVirtualModuleIfAsked(o);
    auto& devices = TMidiDevices::Instance();
    devices.Refresh();
    out << "Outputs:\n";
    for (size_t i = 0; i < devices.Outputs().size(); ++i) out << "  " << i << ": " << devices.Outputs()[i].Name << '\n';
    out << "Inputs:\n";
    for (size_t i = 0; i < devices.Inputs().size(); ++i) out << "  " << i << ": " << devices.Inputs()[i].Name << '\n';
    return 0;
}

int SendCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 2) throw EUsage("usage: veka4-cli send FILE --out A=DEVICE[,B=...] [--user-drums-all]");
    StartVirtualModuleIfAsked(o);
    const std::string& file = o.Positional[1];
    const auto ids = OutputDevices(o);
    TSetupReadResult read;
    if (!ReadOrSay(image, file, read)) return 1;
    TakePortsFromValues(image, o, kSent);
    RequireDevices(ids, image.ActivePortCount(), ForTheSetup(o));
    TMidiSession session(image);
    OpenOutputs(session, ids);
    int messages = 0;
    for (int port = 0; port < 4; ++port) session.Transmitter.Port(port).Onmidioutput = [&messages] { ++messages; };
    ProgressToStandardError(session.Transmitter);
    // A whole setup starts from a reset module, as the program does when it opens one.
    const bool whole = read.Kind == TSetupFileKind::Ga4 || read.Kind == TSetupFileKind::Ga3;
    try {
        session.Transmitter.SendAll(whole, true, true, true, true, ExtraOption(o, "--user-drums-all").has_value());
    } catch (const std::exception& error) {
        // A port gone in the middle (a device unplugged, a JACK client gone): say which and how far.
        std::cerr << '\n';
        if (!session.Transmitter.AnyPortGone()) std::cerr << "veka4-cli: " << error.what() << '\n';
        std::cerr << "veka4-cli: Send All stopped: " << SendAllStoppedText(session.Transmitter, TLanguage::English)
                  << '\n';
        return 1;
    }
    std::cerr << '\n';
    out << "Sent " << messages << " exclusive messages\n";
    return 0;
}

int RequestCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 2)
        throw EUsage("usage: veka4-cli request --out DEVICE --in DEVICE --what ITEMS [--wait MS] [--log FILE] OUT.ga4");
    StartVirtualModuleIfAsked(o);
    const auto what = ExtraOption(o, "--what");
    if (!what) throw EUsage("--what ITEMS is needed");
    std::vector<std::pair<std::string, int>> named;
    const TRequestSelection selection = ParseItems(*what, &named);
    const auto ids = OutputDevices(o);
    TakePortsFromItems(image, o, named, ids, kRequested);
    RequireDevices(ids, image.ActivePortCount(), ForTheItems(o));
    TMidiSession session(image);
    OpenOutputs(session, ids);
    OpenInput(session, o);
    if (const auto wait = ExtraOption(o, "--wait")) session.Request.DataReqWaitMs = ParseInt(*wait, "--wait", 300, 10000);
    session.Request.OnRequest = [](const std::string& category, const std::string& parameter) {
        std::cerr << "\rReceiving " << category << " " << parameter << "\033[K" << std::flush;
    };
    const TRequestReport report = session.Request.Run(selection, ExtraOption(o, "--log").value_or(""));
    std::cerr << '\n';
    if (!report.Notice.empty()) std::cerr << Crlf(report.Notice) << '\n';
    if (!report.Ran) {
        out << "Nothing was requested\n";
        return 0;
    }
    out << Crlf(report.Text) << '\n';
    const TSetupWriteResult written = WriteWholeSetupFile(image, o.Positional[1]);
    if (!written.Ok()) {
        std::cerr << "veka4-cli: " << Crlf(written.Text(TLanguage::English)) << '\n';
        return 1;
    }
    return report.Received == report.Requested ? 0 : 1;
}

int SyncCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 2)
        throw EUsage("usage: veka4-cli sync SETUP --out A=DEVICE[,B=...] --in DEVICE [--what ITEMS] [--wait MS] [--dry-run]");
    StartVirtualModuleIfAsked(o);
    const std::string& file = o.Positional[1];
    const auto what = ExtraOption(o, "--what");
    std::vector<std::pair<std::string, int>> named;
    TRequestSelection selection = what ? ParseItems(*what, &named) : TRequestSelection{};
    const auto ids = OutputDevices(o);
    TSetupReadResult read;
    if (!ReadOrSay(image, file, read)) return 2;
    // The ports --what names, or without it those the setup holds values for, unless
    // --max-part says otherwise.
    if (what)
        TakePortsFromItems(image, o, named, ids, kCompared);
    else
        TakePortsFromValues(image, o, kCompared);
    RequireDevices(ids, image.ActivePortCount(), what ? ForTheItems(o) : ForTheSetup(o));
    // Without --what: the effects and the parts of the ports in use (drum maps and user drum
    // sets take long to read and are asked for by name).
    if (!what) {
        for (TRequestItem item : {riMaster, riReverb, riChorus, riDelay, riEq, riInsertion}) selection[item] = true;
        const TRequestItem parts[4] = {riPartsA, riPartsB, riPartsC, riPartsD};
        for (int port = 0; port < image.ActivePortCount(); ++port) selection[parts[port]] = true;
    }
    TMidiSession session(image);
    OpenOutputs(session, ids);
    OpenInput(session, o);
    if (const auto wait = ExtraOption(o, "--wait")) session.Request.DataReqWaitMs = ParseInt(*wait, "--wait", 300, 10000);
    session.Request.OnRequest = [](const std::string& category, const std::string& parameter) {
        std::cerr << "\rReading " << category << " " << parameter << "\033[K" << std::flush;
    };
    const TModuleComparison c = CompareWithModule(session.Request, image, FindDefaultFolder(), selection);
    std::cerr << '\n';
    if (!c.Report.Ran) {
        out << "Nothing was requested\n";
        return 0;
    }
    if (c.Report.PortGone) {
        // What was read is not the whole module: send nothing, say which port went and how far.
        std::cerr << "veka4-cli: sync stopped: " << Crlf(c.Report.Text) << '\n';
        return 1;
    }
    // Each line: the module's value, then the setup's value it is to take.
    for (TSetupDifference d : c.Differences) {
        std::swap(d.First, d.Second);
        std::swap(d.FirstText, d.SecondText);
        out << DifferenceLine(d) << '\n';
    }
    for (const int index : c.Unread) {
        const TParameterPlace place = PlaceOfIndex(index);
        std::string where = place.Link.Kind == LinkSystem ? "System"
                            : place.Link.Kind == LinkPart ? "Part " + PartName(place.Port, place.Link.Owner)
                            : place.Link.Kind == LinkDrum ? "Drum Map " + DrumMapName(place.Port, place.Link.Owner) +
                                                                " Key" + std::to_string(place.Link.Index)
                                                          : "User Drum " + std::to_string(place.Link.Owner) + " Key" +
                                                                std::to_string(place.Link.Index);
        out << "Not read: " << where << " " << TrimRight(std::string(RecordAt(image, index).Name)) << '\n';
    }
    if (ExtraOption(o, "--dry-run")) {
        out << c.Differences.size() << " differences, nothing sent\n";
    } else {
        int exclusives = 0;  // how far it came when a port goes
        for (int port = 0; port < 4; ++port) session.Transmitter.Port(port).Onmidioutput = [&exclusives] { ++exclusives; };
        int sent = 0;
        try {
            sent = SendImageParameters(session.Transmitter, DifferenceIndices(c.Differences));
        } catch (const EmidioutputError& error) {
            std::cerr << "veka4-cli: sync stopped: " << error.what() << ' ' << exclusives << " of "
                      << c.Differences.size() << " differences sent\n";
            return 1;
        }
        out << "Sent " << sent << " messages\n";
    }
    return c.Unread.empty() ? 0 : 1;
}

int IdentifyCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 1) throw EUsage("usage: veka4-cli identify --out DEVICE --in DEVICE");
    StartVirtualModuleIfAsked(o);
    TMidiSession session(image);
    OpenOutputs(session, OutputDevices(o, 1));
    OpenInput(session, o);
    std::string report;
    const int model = session.Request.DetectModel(&report);
    out << ModelName(model) << '\n';
    if (!report.empty()) out << Crlf(report) << '\n';
    return model == 10 ? 1 : 0;
}

int PanicCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 1) throw EUsage("usage: veka4-cli panic --out A=DEVICE[,B=...]");
    StartVirtualModuleIfAsked(o);
    // Without --max-part, every port --out names a device for.
    const auto ids = OutputDevices(o);
    if (!o.MaxPartGiven) image.MaxPart = ids[3] >= 0 || ids[2] >= 0 ? 2 : ids[1] >= 0 ? 1 : 0;
    RequireDevices(ids, image.ActivePortCount(),
                   o.MaxPartGiven ? "with this --max-part" : "to reach the ports --out names");
    TMidiSession session(image);
    OpenOutputs(session, ids);
    session.Transmitter.Panic();
    out << "All Sound Off sent on " << image.ActivePortCount() * 16 << " channels\n";
    return 0;
}

int DisplayCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    const auto text = ExtraOption(o, "--text");
    const auto dsp = ExtraOption(o, "--dsp");
    if (o.Positional.size() != 1 || text.has_value() == dsp.has_value())
        throw EUsage("usage: veka4-cli display --text TEXT | --dsp FILE.dsp [--out DEVICE]");
    std::vector<std::pair<TBytes, std::string>> messages;  // bytes, what they show
    if (dsp) {
        TDisplayPreset preset;
        std::string error;
        if (!ReadDisplayPreset(*dsp, preset, error)) throw EFileError(error);
        messages.emplace_back(PictureMessage(image.DeviceId, preset.Dots), "picture");
        if (!preset.Text.empty()) messages.emplace_back(TextMessage(image.DeviceId, preset.Text), preset.Text);
    } else {
        const std::string shown = DisplayText(*text);
        // Say what is sent when it is not what was given (cut, or characters the display lacks).
        if (shown != *text) std::cerr << "veka4-cli: the display shows \"" << shown << "\"" << std::endl;
        messages.emplace_back(TextMessage(image.DeviceId, *text), shown);
    }
    std::unique_ptr<TMidiSession> session;
    if (ExtraOption(o, "--out")) {
        StartVirtualModuleIfAsked(o);
        session = std::make_unique<TMidiSession>(image);
        OpenOutputs(*session, OutputDevices(o, 1));
    }
    for (const auto& [bytes, shown] : messages) {
        out << HexText(bytes) << "  " << shown << '\n';
        if (session) session->Transmitter.SendRaw(0, bytes);
    }
    return 0;
}

}  // namespace veka::cli
