#pragma once
// The song the program plays while its setup is edited: the song read last (the working copy,
// whose setup measures went into the image) or a song opened for playing (its setup measures
// taken out, so the module plays it with the image's setup). Before a play the module is given
// what it lacks of the image; while the song plays a timer pumps the player, and work that
// needs the ports to itself (Send All, a data request) pauses it first.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/song_mix.h"
#include "document/song_outlet.h"
#include "document/song_player.h"
#include "document/timer.h"
#include "document/user_prompts.h"
#include "module/signal.h"

namespace veka {

class TPumpWait;
class TTransmitter;

class TSongPlayback : public ISongMix {
public:
    // How often the player hands on what is due while the song plays.
    static constexpr int kPumpMs = 2;
    // How often the position is told while the song plays.
    static constexpr int kPositionEveryMs = 50;

    TSongPlayback(TTransmitter& transmitter, TPumpWait& wait, ITimerSource& timers);
    ~TSongPlayback() override;
    TSongPlayback(const TSongPlayback&) = delete;
    TSongPlayback& operator=(const TSongPlayback&) = delete;

    // Songs -------------------------------------------------------------------------------
    // The working copy in the program folder; name is the song it came from, as shown. A copy
    // that cannot be read is told and the song before stays.
    bool LoadSongReadLast(const std::string& programFolder, const std::string& name, IUserPrompts& prompts);
    // A song file; its setup measures, as Get Setup Measures finds them (on an image of the
    // default data in defaultFolder), are not played. A song the reader refuses is told with
    // its reason and the song before stays. The ports of the song that will stay silent are told.
    bool LoadSong(const std::string& path, const std::string& defaultFolder, IUserPrompts& prompts);
    bool HasSong() const { return Player_.Song() != nullptr; }
    // The song as shown, and whether it is the song read last.
    const std::string& SongName() const { return SongName_; }
    bool IsSongReadLast() const { return SongReadLast_; }
    // The song's bars (at least 1 with a song).
    int Bars() const;
    // "Port C and D of the song stay silent: ..." for the ports the song uses with no output
    // open; empty when every port is heard.
    std::string SilentPortsText();

    // Transport ---------------------------------------------------------------------------
    // From the position. The module first gets the whole image when it was not given it in
    // this run, or the values it missed while its port was gone. False (told) without a song,
    // when that transmission failed or stopped, or with no output open for the song.
    bool Play(IUserPrompts& prompts, ICommandFrame& frame);
    // Keeps the position; Stop goes back to the start (of the loop). Both end every note.
    void Pause();
    void Stop();
    // Ends every note and the sustain of the song's ports (pausing a song that plays).
    void Panic();
    void GoToBar(int bar);
    // A loop over whole bars; false when those bars have no length.
    bool SetLoop(int fromBar, int toBar);
    void ClearLoop();
    TPlayState State() const { return Player_.State(); }
    bool Playing() const { return Player_.Playing(); }
    TBarBeat Position() { return Player_.Position(); }
    const TSongPlayer& Player() const { return Player_; }

    // Before work that needs the ports to itself, asked for by the user: a song that plays is
    // paused once the user agrees. False when the user wants it to go on (the work is given up).
    bool StopForTransmission(IUserPrompts& prompts);

    // A song loaded, a play, pause, stop or end, a loop set or cleared.
    TSignal<> OnStateChange;
    // The position moved while the song plays.
    TSignal<> OnPosition;
    // The song stopped on its own because of a failure: why, for the user to read.
    TSignal<const std::string&> OnFailure;

    // ISongMix
    bool Muted(int port, int channel) const override { return Player_.Muted(PartOf(port, channel)); }
    bool Soloed(int port, int channel) const override { return Player_.Soloed(PartOf(port, channel)); }
    void SetMuted(int port, int channel, bool on) override;
    void SetSoloed(int port, int channel, bool on) override;
    bool Heard(int port, int channel) const override;
    // Every part heard again.
    void ClearMix();
    bool AnyMix() const;

private:
    static int PartOf(int port, int channel) {
        return port >= 0 && port < 4 && channel >= 0 && channel < 16 ? port * 16 + channel : -1;
    }
    void Take(std::shared_ptr<const TSongSchedule> song, const std::string& name, bool readLast, IUserPrompts& prompts);
    bool GiveModuleTheImage(IUserPrompts& prompts, ICommandFrame& frame);
    void StateChanged();
    void Pump();
    void ShowDueNotes(int64_t now);
    std::string FailureText();

    TTransmitter& Transmitter_;
    TPumpWait& Wait_;
    TTransmitterOutlet Outlet_;
    TSongPlayer Player_;
    std::unique_ptr<ITimer> PumpTimer_;
    std::string SongName_;
    bool SongReadLast_ = false;
    bool Starting_ = false;  // a play is giving the module the image
    int64_t LastPositionMs_ = 0;
    struct TDueNote {
        int64_t Due;
        int Part;
    };
    std::vector<TDueNote> DueNotes_;  // handed ahead, their lights come at their time
    TSubscription LongRuns_;
};

}  // namespace veka
