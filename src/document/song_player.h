#pragma once
// The song player: plays a laid-out song (song_schedule.h) on the module's ports while its setup
// is edited. Play, pause and stop, a bar to go to, a loop over bars, and mute and solo per part
// that leave the image alone. Whoever owns it calls Pump often (every few milliseconds): it
// hands each message to its port when it is due, or ahead of time to an output that delivers
// at the due time itself (JACK, to the frame; ALSA, from a thread of its own). Between two
// pumps the edits of the windows go out at once on the same outputs, so they land between the
// song's messages, whole.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "smf/song_schedule.h"

namespace veka {

// Where the player's messages go: the module's ports.
class ISongOutlet {
public:
    virtual ~ISongOutlet() = default;
    // Microseconds of the clock the due times count in.
    virtual int64_t NowMicroseconds() = 0;
    // Whether the port has an output open; the song's messages for others are not sent.
    virtual bool Ready(int port) = 0;
    // Whether the port's output went away (the player stops). May look at the device seldom.
    virtual bool Gone(int port) = 0;
    // Whether the port's output takes messages ahead of their time and delivers them then.
    virtual bool Timed(int port) = 0;
    // Only for timed ports; false when their queue is full (handed again at the next pump).
    virtual bool SendAt(int port, std::span<const uint8_t> message, int64_t dueMicroseconds) = 0;
    virtual void SendNow(int port, std::span<const uint8_t> message) = 0;
    // Drops the messages handed ahead that have not gone out yet.
    virtual void DropScheduled(int port) = 0;
};

enum class TPlayState { Stopped, Playing, Paused };

class TSongPlayer {
public:
    static constexpr int kParts = 64;
    static constexpr int kMaxBar = 1'000'000;  // bars beyond are the song's end anyway
    // How far ahead a timed output gets the song's messages: more than any pause between two
    // pumps, as when the windows repaint.
    static constexpr int64_t kLeadMicroseconds = 150'000;
    // The first message of a start is due this long after it, so the output has it in time.
    // Longer than a JACK period of 2048 frames at 48 kHz.
    static constexpr int64_t kStartMicroseconds = 50'000;

    explicit TSongPlayer(ISongOutlet& outlet);
    TSongPlayer(const TSongPlayer&) = delete;
    TSongPlayer& operator=(const TSongPlayer&) = delete;
    ~TSongPlayer();

    // A song to play (stopping the one before), at its start, without a loop; nullptr: none.
    void Load(std::shared_ptr<const TSongSchedule> song);
    const TSongSchedule* Song() const { return Song_.get(); }

    // From the position. The song's state there (programs, controllers, bends, its exclusive
    // messages) is sent first when the position is past the start. False without a song or
    // with no port ready for it.
    bool Play();
    // Keeps the position; Stop goes back to the start (of the loop, when one is set). Both end
    // every sounding note and the sustain on every channel of the song's ports.
    void Pause();
    void Stop();
    // Panic: ends every note and the sustain on every channel of the song's ports; a song that
    // plays pauses first, so nothing handed ahead sounds after it.
    void Panic();
    void GoToBar(int bar);
    void GoToTick(int64_t tick);
    // Loops from the start of bar from to the end of bar to (to >= from); false when the song's
    // clock gives the loop no length. ClearLoop plays on to the end.
    bool SetLoop(int fromBar, int toBar);
    void ClearLoop();
    bool Looping() const { return Loop_; }
    // Ends the play with the end of that bar instead of the song's end (0: the song's end).
    void SetLastBar(int bar);
    int LoopFromBar() const { return LoopFromBar_; }
    int LoopToBar() const { return LoopToBar_; }

    // Mute and solo per part (0..63). A part is heard when it is not muted and, while any part
    // is soloed, it is soloed too. A part that stops being heard has its sounding notes ended.
    void SetMuted(int part, bool muted);
    void SetSoloed(int part, bool soloed);
    bool Muted(int part) const { return Valid(part) && Muted_[size_t(part)]; }
    bool Soloed(int part) const { return Valid(part) && Soloed_[size_t(part)]; }
    bool Heard(int part) const;

    // Hands on what is due. Returns false once the song has ended or failed.
    bool Pump();

    TPlayState State() const { return State_; }
    bool Playing() const { return State_ == TPlayState::Playing; }
    // Where the song is now: while playing, by the clock.
    int64_t PositionTick();
    TBarBeat Position() { return Song_ ? Song_->Clock().BarBeatAt(PositionTick()) : TBarBeat{}; }
    // The ports the song sends to that have no output ready: they stay silent.
    std::array<bool, TSongSchedule::kPorts> SilentPorts();
    // Why the last play stopped on its own (a port gone, a send that failed); empty otherwise.
    const std::string& Failure() const { return Failure_; }
    int FailedPort() const { return FailedPort_; }

    // A part's note was handed on, due at dueMicroseconds (the activity light); a change of
    // state or of position.
    std::function<void(int part, int64_t dueMicroseconds)> OnNote;
    std::function<void()> OnStateChange;

private:
    static bool Valid(int part) { return part >= 0 && part < kParts; }
    int64_t DueOf(int64_t microseconds) const { return Base_ + (microseconds - BaseUs_); }
    int64_t Horizon(int64_t now) const { return now + (AllTimed_ ? kLeadMicroseconds : 0); }
    void Fill(int64_t horizon);
    bool Emit(const TScheduledEvent& event, int64_t due);
    bool Send(int port, std::span<const uint8_t> message, int64_t due);
    void SendChase(int64_t tick, int64_t due);
    void EndPartNotes(int part, int64_t due);
    // A note's end handed ahead to a timed output; until it is due, a stop that drops what was
    // handed ahead must end the note itself.
    void EndHandedAhead(int part, int key, int64_t due);
    void Halt(TPlayState state, int64_t tick);
    void Fail(int port, const std::string& why);
    void SetState(TPlayState state);
    // A mute or solo flag; the parts no longer heard have their notes ended.
    void SetFlag(std::array<bool, kParts>& flags, int part, bool on);
    void HeardChanged(const std::array<bool, kParts>& before);
    int64_t LoopStart() const;
    int64_t LoopEnd() const;
    int64_t End() const;
    // The first tick not played: one past the song's last, or the start of the bar after the last bar.
    int64_t EventEnd() const;
    void EndNotes();

    ISongOutlet& Outlet_;
    std::shared_ptr<const TSongSchedule> Song_;
    TPlayState State_ = TPlayState::Stopped;
    int64_t Position_ = 0;  // the tick while not playing
    size_t Cursor_ = 0;     // the next event to hand on
    // While playing: the song's microsecond BaseUs_ is due at Base_; before a loop's turn
    // handed ahead, the clock still runs on the previous pair.
    int64_t Base_ = 0, BaseUs_ = 0;
    int64_t PrevBase_ = 0, PrevBaseUs_ = 0;
    int64_t LastDue_ = 0;   // the latest due time handed on
    bool AllTimed_ = false;
    std::array<bool, TSongSchedule::kPorts> Ready_{};
    bool Loop_ = false;
    int LoopFromBar_ = 1, LoopToBar_ = 1;
    int LastBar_ = 0;
    std::array<bool, kParts> Muted_{}, Soloed_{};
    // Notes handed on and not yet ended, per part and key; and whether the sustain is down.
    std::array<std::array<uint8_t, 128>, kParts> Sounding_{};
    struct TPendingEnd {
        int64_t Due;
        uint8_t Part, Key;
    };
    std::vector<TPendingEnd> PendingEnds_;
    std::string Failure_;
    int FailedPort_ = -1;
};

}  // namespace veka
