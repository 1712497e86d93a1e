#include "document/song_player.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace veka {

namespace {

// A loop turn that moves the clock on by less than this is no loop (a song whose tempo gives
// its bars almost no time).
constexpr int64_t kShortestLoopMicroseconds = 1000;
// At most this many loop turns in one pump: a loop over bars without events turns quickly.
constexpr int kMaxTurnsPerPump = 64;

// Controllers whose every value counts (RPN and NRPN sequences, data entry): a chase sends them
// all in order. Of the others only the last value counts.
bool SequenceController(uint8_t number) {
    return number == 6 || number == 38 || (number >= 96 && number <= 101);
}

}  // namespace

TSongPlayer::TSongPlayer(ISongOutlet& outlet) : Outlet_(outlet) {}

TSongPlayer::~TSongPlayer() {
    try {
        if (Playing()) Halt(TPlayState::Stopped, 0);
    } catch (...) {
        // An output that fails while the player goes has nobody to tell.
    }
}

void TSongPlayer::Load(std::shared_ptr<const TSongSchedule> song) {
    if (State_ != TPlayState::Stopped) Stop();
    Song_ = std::move(song);
    Position_ = 0;
    Cursor_ = 0;
    Loop_ = false;
    Failure_.clear();
    FailedPort_ = -1;
    for (auto& part : Sounding_) part.fill(0);
    PendingEnds_.clear();
    if (OnStateChange) OnStateChange();
}

bool TSongPlayer::Heard(int part) const {
    if (!Valid(part) || Muted_[size_t(part)]) return false;
    const bool anySolo = std::find(Soloed_.begin(), Soloed_.end(), true) != Soloed_.end();
    return !anySolo || Soloed_[size_t(part)];
}

int64_t TSongPlayer::LoopStart() const { return Song_->Clock().TickOfBar(LoopFromBar_); }
int64_t TSongPlayer::LoopEnd() const { return Song_->Clock().TickOfBar(LoopToBar_ + 1); }
int64_t TSongPlayer::End() const {
    return LastBar_ > 0 ? std::min(Song_->EndTick(), Song_->Clock().TickOfBar(LastBar_ + 1)) : Song_->EndTick();
}

int64_t TSongPlayer::EventEnd() const {
    const int64_t afterLast = Song_->EndTick() + 1;
    return LastBar_ > 0 ? std::min(afterLast, Song_->Clock().TickOfBar(LastBar_ + 1)) : afterLast;
}

void TSongPlayer::SetLastBar(int bar) { LastBar_ = std::clamp(bar, 0, kMaxBar); }

bool TSongPlayer::Play() {
    if (!Song_ || Playing()) return Playing();
    Failure_.clear();
    FailedPort_ = -1;
    AllTimed_ = true;
    bool any = false;
    for (int port = 0; port < TSongSchedule::kPorts; ++port) {
        Ready_[size_t(port)] = Song_->PortsUsed()[size_t(port)] && Outlet_.Ready(port);
        if (!Ready_[size_t(port)]) continue;
        any = true;
        if (!Outlet_.Timed(port)) AllTimed_ = false;
    }
    if (!any) return false;
    if (Position_ >= End() && !(Loop_ && Position_ < LoopEnd())) Position_ = 0;
    if (Loop_ && Position_ >= LoopEnd()) Position_ = LoopStart();
    const int64_t now = Outlet_.NowMicroseconds();
    BaseUs_ = PrevBaseUs_ = Song_->Clock().Microseconds(Position_);
    Base_ = PrevBase_ = now + (AllTimed_ ? kStartMicroseconds : 0);
    LastDue_ = now;
    Cursor_ = Song_->FirstAt(Position_);
    SetState(TPlayState::Playing);
    try {
        if (Position_ > 0) SendChase(Position_, now);
    } catch (const std::exception& e) {
        Fail(-1, e.what());
        return false;
    }
    Pump();
    return Playing();
}

void TSongPlayer::SendChase(int64_t tick, int64_t due) {
    // What the song set before the tick, so a part sounds there as it would have: the last
    // program, bend and pressure and the last value of each controller of each part, every
    // RPN and NRPN message and every exclusive message, in the song's order.
    const auto& events = Song_->Events();
    const size_t end = Song_->FirstAt(tick);
    std::vector<bool> keep(end, false);
    std::map<int, size_t> last;  // part << 16 | kind << 8 | controller -> event
    for (size_t i = 0; i < end; ++i) {
        const TScheduledEvent& e = events[i];
        if (!Ready_[e.Port]) continue;
        if (e.IsSysex()) {
            keep[i] = true;
            continue;
        }
        const uint8_t kind = e.Kind();
        if (kind == 0x80 || kind == 0x90 || kind == 0xA0) continue;
        if (kind == 0xB0 && e.Bytes[1] >= 120) continue;  // channel mode messages
        if (kind == 0xB0 && SequenceController(e.Bytes[1])) {
            keep[i] = true;
            continue;
        }
        const int key = e.Part() << 16 | kind << 8 | (kind == 0xB0 ? e.Bytes[1] : 0);
        const auto [at, fresh] = last.emplace(key, i);
        if (!fresh) {
            keep[at->second] = false;
            at->second = i;
        }
        keep[i] = true;
    }
    for (size_t i = 0; i < end; ++i) {
        if (!keep[i]) continue;
        const TScheduledEvent& e = events[i];
        const auto bytes = e.IsSysex() ? Song_->SysexOf(e) : std::span<const uint8_t>(e.Bytes.data(), e.Size);
        if (Outlet_.Timed(e.Port)) {
            if (!Outlet_.SendAt(e.Port, bytes, due)) Outlet_.SendNow(e.Port, bytes);
        } else {
            Outlet_.SendNow(e.Port, bytes);
        }
    }
}

bool TSongPlayer::Pump() {
    if (!Playing()) return false;
    const int64_t now = Outlet_.NowMicroseconds();
    for (int port = 0; port < TSongSchedule::kPorts; ++port) {
        if (!Ready_[size_t(port)] || !Outlet_.Gone(port)) continue;
        Fail(port, {});
        return false;
    }
    std::erase_if(PendingEnds_, [now](const TPendingEnd& end) { return end.Due <= now; });
    try {
        Fill(Horizon(now));
    } catch (const std::exception& e) {
        Fail(-1, e.what());
        return false;
    }
    if (Loop_ || (Cursor_ < Song_->Events().size() && Song_->Events()[Cursor_].Tick < EventEnd())) return true;
    // Past the last message: the song ends once its end is due and a timed output has put out
    // what was handed to it last (the stop drops what it still holds).
    if (now < DueOf(Song_->Clock().Microseconds(End())) + (AllTimed_ ? kStartMicroseconds : 0)) return true;
    Halt(TPlayState::Stopped, 0);
    return false;
}

void TSongPlayer::Fill(int64_t horizon) {
    const auto& events = Song_->Events();
    int turns = 0;
    for (;;) {
        if (Loop_ && (Cursor_ >= events.size() || events[Cursor_].Tick >= LoopEnd())) {
            const int64_t endUs = Song_->Clock().Microseconds(LoopEnd());
            const int64_t startUs = Song_->Clock().Microseconds(LoopStart());
            const int64_t turn = DueOf(endUs);
            if (turn > horizon || ++turns > kMaxTurnsPerPump) return;
            // The notes of the turn end where it ends; the loop's start is due there.
            for (int part = 0; part < kParts; ++part) EndPartNotes(part, turn);
            PrevBase_ = Base_;
            PrevBaseUs_ = BaseUs_;
            Base_ = turn;
            BaseUs_ = startUs;
            Cursor_ = Song_->FirstAt(LoopStart());
            continue;
        }
        if (Cursor_ >= events.size() || (!Loop_ && events[Cursor_].Tick >= EventEnd())) return;
        const TScheduledEvent& event = events[Cursor_];
        const int64_t due = DueOf(event.Microseconds);
        if (due > horizon) return;
        if (!Emit(event, due)) return;  // the output's queue is full: the next pump goes on
        ++Cursor_;
    }
}

bool TSongPlayer::Emit(const TScheduledEvent& event, int64_t due) {
    if (!Ready_[event.Port]) return true;
    if (event.IsSysex()) return Send(event.Port, Song_->SysexOf(event), due);
    const std::span<const uint8_t> bytes(event.Bytes.data(), event.Size);
    const int part = event.Part();
    uint8_t& sounding = Sounding_[size_t(part)][event.Bytes[1]];
    if (event.IsNoteOn()) {
        if (!Heard(part)) return true;
        if (!Send(event.Port, bytes, due)) return false;
        if (sounding < 255) ++sounding;
        if (OnNote) OnNote(part, due);
        return true;
    }
    if (event.IsNoteOff()) {
        if (sounding == 0) return true;  // a note muted while it sounded was ended then
        if (!Send(event.Port, bytes, due)) return false;
        --sounding;
        EndHandedAhead(part, event.Bytes[1], due);
        return true;
    }
    return Send(event.Port, bytes, due);
}

bool TSongPlayer::Send(int port, std::span<const uint8_t> message, int64_t due) {
    if (Outlet_.Timed(port)) {
        if (!Outlet_.SendAt(port, message, due)) return false;
    } else {
        Outlet_.SendNow(port, message);
    }
    LastDue_ = std::max(LastDue_, due);
    return true;
}

void TSongPlayer::EndPartNotes(int part, int64_t due) {
    const int port = part / 16;
    const uint8_t channel = uint8_t(part % 16);
    auto& keys = Sounding_[size_t(part)];
    for (int key = 0; key < 128; ++key) {
        if (keys[size_t(key)] == 0) continue;
        const uint8_t off[3] = {uint8_t(0x80 | channel), uint8_t(key), 0};
        // A full queue cannot hold up a note's end: it goes now instead.
        if (Ready_[size_t(port)] && !Send(port, off, due)) Outlet_.SendNow(port, off);
        keys[size_t(key)] = 0;
        EndHandedAhead(part, key, due);
    }
}

void TSongPlayer::EndHandedAhead(int part, int key, int64_t due) {
    if (Outlet_.Timed(part / 16) && due > Outlet_.NowMicroseconds())
        PendingEnds_.push_back({due, uint8_t(part), uint8_t(key)});
}

void TSongPlayer::EndNotes() {
    if (!Song_) return;
    // Ends handed ahead and not yet due may have been dropped: those notes still sound.
    const int64_t now = Outlet_.NowMicroseconds();
    for (const TPendingEnd& end : PendingEnds_) {
        uint8_t& sounding = Sounding_[end.Part][end.Key];
        if (end.Due > now && sounding < 255) ++sounding;
    }
    PendingEnds_.clear();
    // A port that fails keeps the others from nothing: each ends its own notes.
    std::string failure;
    for (int port = 0; port < TSongSchedule::kPorts; ++port) {
        try {
            if (!Song_->PortsUsed()[size_t(port)] || !Outlet_.Ready(port) || Outlet_.Gone(port)) continue;
            for (int channel = 0; channel < 16; ++channel) {
                auto& keys = Sounding_[size_t(port * 16 + channel)];
                for (int key = 0; key < 128; ++key) {
                    if (keys[size_t(key)] == 0) continue;
                    const uint8_t off[3] = {uint8_t(0x80 | channel), uint8_t(key), 0};
                    Outlet_.SendNow(port, off);
                }
                const uint8_t sustainOff[3] = {uint8_t(0xB0 | channel), 64, 0};
                const uint8_t allNotesOff[3] = {uint8_t(0xB0 | channel), 123, 0};
                Outlet_.SendNow(port, sustainOff);
                Outlet_.SendNow(port, allNotesOff);
            }
        } catch (const std::exception& e) {
            if (failure.empty()) failure = e.what();
        }
    }
    for (auto& part : Sounding_) part.fill(0);
    if (!failure.empty()) throw std::runtime_error(failure);
}

void TSongPlayer::Panic() {
    if (Playing())
        Pause();
    else
        EndNotes();
}

void TSongPlayer::Halt(TPlayState state, int64_t tick) {
    for (int port = 0; port < TSongSchedule::kPorts; ++port)
        if (Ready_[size_t(port)] && Outlet_.Ready(port)) Outlet_.DropScheduled(port);
    Position_ = std::max<int64_t>(0, tick);
    SetState(state);
    try {
        EndNotes();
    } catch (const std::exception& e) {
        // The notes of a port whose output failed cannot be ended there; the others' were.
        if (Failure_.empty()) Failure_ = e.what();
    }
}

void TSongPlayer::Fail(int port, const std::string& why) {
    Failure_ = why.empty() ? "gone" : why;
    FailedPort_ = port;
    Halt(TPlayState::Paused, PositionTick());
}

void TSongPlayer::Pause() {
    if (!Playing()) return;
    Halt(TPlayState::Paused, PositionTick());
}

void TSongPlayer::Stop() {
    const int64_t start = Loop_ && Song_ ? LoopStart() : 0;
    if (Playing())
        Halt(TPlayState::Stopped, start);
    else {
        Position_ = start;
        SetState(TPlayState::Stopped);
    }
}

void TSongPlayer::GoToBar(int bar) {
    if (Song_) GoToTick(Song_->Clock().TickOfBar(bar));
}

void TSongPlayer::GoToTick(int64_t tick) {
    if (!Song_) return;
    tick = std::clamp<int64_t>(tick, 0, Song_->EndTick());
    if (!Playing()) {
        Position_ = tick;
        if (OnStateChange) OnStateChange();
        return;
    }
    Halt(TPlayState::Paused, tick);
    Play();
}

bool TSongPlayer::SetLoop(int fromBar, int toBar) {
    if (!Song_) return false;
    fromBar = std::clamp(fromBar, 1, kMaxBar);
    toBar = std::clamp(toBar, fromBar, kMaxBar);
    const TSongClock& clock = Song_->Clock();
    if (clock.Microseconds(clock.TickOfBar(toBar + 1)) - clock.Microseconds(clock.TickOfBar(fromBar)) <
        kShortestLoopMicroseconds)
        return false;
    const bool wasPlaying = Playing();
    const int64_t at = PositionTick();
    if (wasPlaying) Halt(TPlayState::Paused, at);
    Loop_ = true;
    LoopFromBar_ = fromBar;
    LoopToBar_ = toBar;
    if (Position_ < LoopStart() || Position_ >= LoopEnd()) Position_ = LoopStart();
    if (wasPlaying) Play();
    if (OnStateChange) OnStateChange();
    return true;
}

void TSongPlayer::ClearLoop() {
    if (!Loop_) return;
    const bool wasPlaying = Playing();
    const int64_t at = PositionTick();
    if (wasPlaying) Halt(TPlayState::Paused, at);
    Loop_ = false;
    if (wasPlaying) Play();
    if (OnStateChange) OnStateChange();
}

void TSongPlayer::SetMuted(int part, bool muted) { SetFlag(Muted_, part, muted); }
void TSongPlayer::SetSoloed(int part, bool soloed) { SetFlag(Soloed_, part, soloed); }

void TSongPlayer::SetFlag(std::array<bool, kParts>& flags, int part, bool on) {
    if (!Valid(part) || flags[size_t(part)] == on) return;
    std::array<bool, kParts> before;
    for (int p = 0; p < kParts; ++p) before[size_t(p)] = Heard(p);
    flags[size_t(part)] = on;
    HeardChanged(before);
}

void TSongPlayer::HeardChanged(const std::array<bool, kParts>& before) {
    if (Playing()) {
        // Notes handed ahead end after the last of them; notes of a part heard again start
        // with its next note.
        const int64_t due = std::max(LastDue_, Outlet_.NowMicroseconds());
        try {
            for (int part = 0; part < kParts; ++part) {
                if (!before[size_t(part)] || Heard(part)) continue;
                EndPartNotes(part, due);
                const uint8_t sustainOff[3] = {uint8_t(0xB0 | (part % 16)), 64, 0};
                if (Ready_[size_t(part / 16)] && !Send(part / 16, sustainOff, due)) Outlet_.SendNow(part / 16, sustainOff);
            }
        } catch (const std::exception& e) {
            Fail(-1, e.what());
        }
    }
    if (OnStateChange) OnStateChange();
}

int64_t TSongPlayer::PositionTick() {
    if (!Song_) return 0;
    if (!Playing()) return Position_;
    const int64_t now = Outlet_.NowMicroseconds();
    // A loop's turn handed ahead is not there yet.
    const bool turned = now >= Base_;
    const int64_t base = turned ? Base_ : PrevBase_;
    const int64_t baseUs = turned ? BaseUs_ : PrevBaseUs_;
    const int64_t tick = Song_->Clock().TickAt(baseUs + std::max<int64_t>(0, now - base));
    return std::min(tick, Song_->EndTick());
}

std::array<bool, TSongSchedule::kPorts> TSongPlayer::SilentPorts() {
    std::array<bool, TSongSchedule::kPorts> silent{};
    if (!Song_) return silent;
    for (int port = 0; port < TSongSchedule::kPorts; ++port)
        silent[size_t(port)] = Song_->PortsUsed()[size_t(port)] && !Outlet_.Ready(port);
    return silent;
}

void TSongPlayer::SetState(TPlayState state) {
    State_ = state;
    if (OnStateChange) OnStateChange();
}

}  // namespace veka
