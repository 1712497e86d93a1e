// veka4-cli play: a song on the module's ports, with the player the program uses; optionally a
// setup sent first in place of the song's own setup measures. Ctrl+C stops it with every note
// and sustain ended.
#include <array>
#include <csignal>
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>

#include <unistd.h>

#include "cli/active_ports.h"
#include "cli/commands.h"
#include "cli/midi_options.h"
#include "document/song_outlet.h"
#include "document/song_player.h"
#include "midi/midi_session.h"
#include "module/default_folder.h"
#include "module/image.h"
#include "module/image_reset.h"
#include "module/setup_file_kind.h"
#include "module/transport_texts.h"
#include "smf/setup_analysis.h"
#include "smf/smf.h"
#include "smf/song_schedule.h"

namespace veka::cli {

namespace {

volatile std::sig_atomic_t Interrupted = 0;

void NoteInterrupt(int) { Interrupted = 1; }

// Ctrl+C and a polite kill end the play cleanly instead of leaving notes hanging.
class TInterruptCatcher {
public:
    TInterruptCatcher() {
        Interrupted = 0;
        struct sigaction action {};
        action.sa_handler = NoteInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &OldInt_);
        sigaction(SIGTERM, &action, &OldTerm_);
    }
    ~TInterruptCatcher() {
        sigaction(SIGINT, &OldInt_, nullptr);
        sigaction(SIGTERM, &OldTerm_, nullptr);
    }
    TInterruptCatcher(const TInterruptCatcher&) = delete;
    TInterruptCatcher& operator=(const TInterruptCatcher&) = delete;

private:
    struct sigaction OldInt_ {};
    struct sigaction OldTerm_ {};
};

std::string BarBeatText(const TBarBeat& at) { return std::to_string(at.Bar) + ":" + std::to_string(at.Beat); }

std::string DurationText(int64_t microseconds) {
    const int64_t seconds = (microseconds + 500'000) / 1'000'000;
    std::ostringstream text;
    text << seconds / 60 << ':' << std::setw(2) << std::setfill('0') << seconds % 60;
    return text.str();
}

// The part count whose ports reach the highest port --out gives a device.
int MaxPartForDevices(const std::array<int, 4>& ids) {
    int highest = 0;
    for (int port = 0; port < 4; ++port)
        if (ids[size_t(port)] >= 0) highest = port;
    return highest >= 2 ? 2 : highest;
}

}  // namespace

int PlayCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 2)
        throw EUsage("usage: veka4-cli play SONG.mid --out A=DEVICE[,B=...] [--setup FILE] [--from BAR] [--to BAR]");
    StartVirtualModuleIfAsked(o);
    const std::string& path = o.Positional[1];
    const auto ids = OutputDevices(o);
    const int fromBar = ExtraOption(o, "--from") ? ParseInt(*ExtraOption(o, "--from"), "--from", 1, 99999) : 1;
    const int toBar = ExtraOption(o, "--to") ? ParseInt(*ExtraOption(o, "--to"), "--to", 1, 99999) : 0;
    if (toBar > 0 && toBar < fromBar) throw EUsage("--to: the last bar comes before --from");

    TSMF song;
    song.Language = image.Language;
    if (!song.LoadFromFile(path)) {
        std::cerr << "veka4-cli: " << path << ": " << Crlf(song.LastError()) << '\n';
        return 1;
    }
    for (const std::string& warning : song.Warnings()) std::cerr << "veka4-cli: " << path << ": " << Crlf(warning) << '\n';

    const auto setup = ExtraOption(o, "--setup");
    TSetupReadResult read;
    if (setup) {
        if (!ReadOrSay(image, *setup, read)) return 1;
        // The setup sent takes the place of the song's own setup measures: those are taken out.
        TVGS scratch(FindDefaultFolder(), image.ModuleType());
        GsResetImage(scratch);
        AnalyzeSetup(scratch, song);
        TakePortsFromValues(image, o, kSent);
    }
    if (!o.MaxPartGiven) image.MaxPart = std::max(image.MaxPart, MaxPartForDevices(ids));
    RequireDevices(ids, image.ActivePortCount(), setup ? ForTheSetup(o) : "with this --max-part");

    auto schedule = std::make_shared<const TSongSchedule>(song);
    const int bars = schedule->Clock().BarBeatAt(schedule->EndTick()).Bar;
    if (fromBar > bars)
        throw EUsage("--from: the song has " + std::to_string(bars) + (bars == 1 ? " bar" : " bars"));
    bool anyHeard = false;
    for (int port = 0; port < TSongSchedule::kPorts; ++port) {
        if (!schedule->PortsUsed()[size_t(port)]) continue;
        if (ids[size_t(port)] >= 0 && port < image.ActivePortCount()) {
            anyHeard = true;
            continue;
        }
        std::cerr << "veka4-cli: Port " << char('A' + port) << " of the song stays silent: "
                  << (ids[size_t(port)] < 0 ? "--out names no device for it" : "--max-part leaves it out") << '\n';
    }
    if (!anyHeard) {
        std::cerr << "veka4-cli: " << path << ": nothing to play on the outputs --out names\n";
        return 1;
    }
    if (schedule->LeftOut() > 0)
        std::cerr << "veka4-cli: " << schedule->LeftOut() << " exclusive messages of the song are not played "
                  << "(continued packets, or longer than " << TSongSchedule::kMaxSysexBytes << " bytes)\n";

    TMidiSession session(image);
    OpenOutputs(session, ids);
    if (setup) {
        ProgressToStandardError(session.Transmitter);
        const bool whole = read.Kind == TSetupFileKind::Ga4 || read.Kind == TSetupFileKind::Ga3;
        try {
            session.Transmitter.SendAll(whole, true, true, true, true, false);
        } catch (const std::exception& error) {
            std::cerr << "\nveka4-cli: " << error.what() << '\n';
            return 1;
        }
        std::cerr << '\n';
    }

    TTransmitterOutlet outlet(session.Transmitter);
    TSongPlayer player(outlet);
    player.Load(schedule);
    player.SetLastBar(toBar);
    if (fromBar > 1) player.GoToBar(fromBar);
    const TInterruptCatcher catcher;
    const TSongClock& clock = schedule->Clock();
    std::cerr << "Playing " << path << " from bar " << fromBar << " ("
              << DurationText(clock.Microseconds(schedule->EndTick())) << " in all, "
              << clock.BarBeatAt(schedule->EndTick()).Bar << " bars); Ctrl+C stops\n";
    if (!player.Play()) {
        std::cerr << "veka4-cli: the song could not start: " << player.Failure() << '\n';
        return 1;
    }
    const bool showPosition = isatty(STDERR_FILENO) != 0;
    int shownBar = 0;
    while (player.Pump()) {
        if (Interrupted) {
            const TBarBeat at = player.Position();
            player.Stop();
            if (showPosition) std::cerr << '\n';
            out << "Stopped at " << BarBeatText(at) << ", every note ended\n";
            return 130;
        }
        if (showPosition) {
            const TBarBeat at = player.Position();
            if (at.Bar != shownBar) {
                shownBar = at.Bar;
                std::cerr << "\rBar " << at.Bar << "\033[K" << std::flush;
            }
        }
        session.Wait().Wait(1);
    }
    if (showPosition) std::cerr << '\n';
    if (!player.Failure().empty()) {
        const int port = player.FailedPort();
        const std::string why = port >= 0 ? PortGoneText(port, session.Transmitter.Port(port).ProductName(), TLanguage::English)
                                          : player.Failure();
        std::cerr << "veka4-cli: " << Crlf(why) << " The song stopped at " << BarBeatText(player.Position()) << ".\n";
        return 1;
    }
    out << "Played to the end\n";
    return 0;
}

}  // namespace veka::cli
