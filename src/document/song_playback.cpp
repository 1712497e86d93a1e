#include "document/song_playback.h"

#include <algorithm>
#include <exception>

#include "document/send_commands.h"
#include "midi/module_compare.h"
#include "midi/transmitter.h"
#include "module/image.h"
#include "module/image_reset.h"
#include "module/transport_texts.h"
#include "smf/setup_analysis.h"
#include "smf/setup_commands.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"

namespace veka {

namespace {

bool Japanese(TTransmitter& transmitter) { return transmitter.Image().Language == TLanguage::Japanese; }

std::string PortList(const std::vector<int>& ports, bool ja) {
    std::string text;
    for (size_t i = 0; i < ports.size(); ++i) {
        if (i > 0) text += i + 1 == ports.size() ? (ja ? "と " : " and ") : ", ";
        text += char('A' + ports[i]);
    }
    return text;
}

}  // namespace

TSongPlayback::TSongPlayback(TTransmitter& transmitter, TPumpWait& wait, ITimerSource& timers)
    : Transmitter_(transmitter),
      Wait_(wait),
      Outlet_(transmitter, [&wait] { return wait.NowMicroseconds(); }),
      Player_(Outlet_),
      PumpTimer_(timers.MakeTimer([this] { Pump(); })) {
    Player_.OnStateChange = [this] { StateChanged(); };
    Player_.OnNote = [this](int part, int64_t due) {
        // A light for each part is enough: a note of a part already waiting adds nothing.
        for (const TDueNote& note : DueNotes_)
            if (note.Part == part) return;
        DueNotes_.push_back({due, part});
    };
    // Send All and data requests write the ports for a long while; a song must not sound
    // through them (nor its notes hang on when the module is reset).
    LongRuns_ = transmitter.OnLongRun.Subscribe([this] {
        if (Playing()) Player_.Pause();
    });
}

TSongPlayback::~TSongPlayback() {
    Player_.OnStateChange = nullptr;
    Player_.OnNote = nullptr;
}

// Songs -------------------------------------------------------------------------------------

bool TSongPlayback::LoadSongReadLast(const std::string& programFolder, const std::string& name,
                                     IUserPrompts& prompts) {
    TSMF smf;
    smf.Language = Transmitter_.Image().Language;
    std::string error;
    const std::string path = programFolder.empty() ? std::string(kTempSmfName) : programFolder + "/" + kTempSmfName;
    if (!LoadWorkingCopyForEmbedding(smf, path, error)) {
        prompts.Warn(error);
        return false;
    }
    Take(std::make_shared<const TSongSchedule>(smf), name, true, prompts);
    return true;
}

bool TSongPlayback::LoadSong(const std::string& path, const std::string& defaultFolder, IUserPrompts& prompts) {
    TVGS& image = Transmitter_.Image();
    TSMF smf;
    smf.Language = image.Language;
    if (!smf.LoadFromFile(path)) {
        prompts.Warn("read error\n\n" + path + "\n" + smf.LastError());
        return false;
    }
    // The module plays the song with the image's setup: the song's own is taken out as a read
    // would take it, on an image of its own.
    try {
        TVGS scratch(defaultFolder, image.ModuleType());
        GsResetImage(scratch);
        AnalyzeSetup(scratch, smf);
    } catch (const std::exception& error) {
        prompts.Warn(error.what());
        return false;
    }
    const size_t slash = path.find_last_of('/');
    Take(std::make_shared<const TSongSchedule>(smf), slash == std::string::npos ? path : path.substr(slash + 1), false,
         prompts);
    return true;
}

void TSongPlayback::Take(std::shared_ptr<const TSongSchedule> song, const std::string& name, bool readLast,
                         IUserPrompts& prompts) {
    DueNotes_.clear();
    SongName_ = name;
    SongReadLast_ = readLast;
    Player_.Load(std::move(song));  // mute and solo stay, as a mixer's would
    const std::string silent = SilentPortsText();
    if (!silent.empty()) prompts.Warn(silent);
}

int TSongPlayback::Bars() const {
    const TSongSchedule* song = Player_.Song();
    if (!song) return 0;
    return std::max(1, song->Clock().BarBeatAt(std::max<int64_t>(0, song->EndTick() - 1)).Bar);
}

std::string TSongPlayback::SilentPortsText() {
    if (!HasSong()) return {};
    std::vector<int> silent;
    const auto ports = Player_.SilentPorts();
    for (int port = 0; port < TSongSchedule::kPorts; ++port)
        if (ports[size_t(port)]) silent.push_back(port);
    if (silent.empty()) return {};
    const bool ja = Japanese(Transmitter_);
    const std::string list = PortList(silent, ja);
    return ja ? "この曲の Port " + list + " は鳴りません: 出力が設定されていないか、使うﾎﾟｰﾄの数 (max part) の外です。"
              : "Port " + list + " of the song " + (silent.size() == 1 ? "stays" : "stay") +
                    " silent: no output is set up for " + (silent.size() == 1 ? "it" : "them") +
                    ", or the number of ports in use (max part) leaves " + (silent.size() == 1 ? "it" : "them") +
                    " out.";
}

// Transport ---------------------------------------------------------------------------------

bool TSongPlayback::Play(IUserPrompts& prompts, ICommandFrame& frame) {
    const bool ja = Japanese(Transmitter_);
    if (!HasSong()) {
        prompts.Warn(ja ? "演奏する曲がありません。" : "There is no song to play.");
        return false;
    }
    if (Playing() || Starting_) return true;
    {
        Starting_ = true;
        struct TEnd {
            bool& Flag;
            ~TEnd() { Flag = false; }
        } end{Starting_};
        if (!GiveModuleTheImage(prompts, frame)) return false;
    }
    if (!Player_.Play()) {
        prompts.Warn(ja ? "この曲のﾎﾟｰﾄには開いている出力がありません。"
                        : "No output is open for the ports of this song.");
        return false;
    }
    const std::string silent = SilentPortsText();
    if (!silent.empty()) frame.ShowStatus(silent);
    return true;
}

bool TSongPlayback::GiveModuleTheImage(IUserPrompts& prompts, ICommandFrame& frame) {
    TTransmitter& tx = Transmitter_;
    const bool ja = Japanese(tx);
    auto sendAll = [&] {
        frame.ShowStatus(ja ? "曲の前に設定を全て送信しています..." : "Sending the whole setup before the song...");
        bool whole = false;
        SendRun(tx, 1000, [&] { whole = tx.SendAll(true, true, true, true, true, false); });
        if (!whole) frame.ShowStatus(SendAllStoppedText(tx, tx.Image().Language));
        return whole;
    };
    try {
        if (!tx.ImageHeard() || tx.Loss.Cut()) return sendAll();
        int sent = 0;
        for (int port = 0; port < tx.ActivePortCount(); ++port) {
            if (!tx.Loss.Lost(port) || tx.PortGone(port)) continue;
            const std::vector<int> differences = tx.Loss.Differences(tx.Image(), port);
            SendRun(tx, differences.size(), [&] { sent += SendImageParameters(tx, differences); });
            tx.Loss.Settle(port);
        }
        if (sent > 0)
            frame.ShowStatus(ja ? "音源が受信しなかった " + std::to_string(sent) + " 個の値を送信しました。"
                                : std::to_string(sent) + (sent == 1 ? " value" : " values") +
                                      " the module missed sent before the song.");
        return true;
    } catch (const std::exception& error) {
        WarnSendFailed(prompts, tx.Image().Language, error);
        return false;
    }
}

void TSongPlayback::Pause() { Player_.Pause(); }

void TSongPlayback::Stop() { Player_.Stop(); }

void TSongPlayback::Panic() { Player_.Panic(); }

void TSongPlayback::GoToBar(int bar) {
    Player_.GoToBar(std::clamp(bar, 1, std::max(1, Bars())));
}

bool TSongPlayback::SetLoop(int fromBar, int toBar) { return Player_.SetLoop(fromBar, toBar); }

void TSongPlayback::ClearLoop() { Player_.ClearLoop(); }

bool TSongPlayback::StopForTransmission(IUserPrompts& prompts) {
    if (!Playing()) return true;
    const bool ja = Japanese(Transmitter_);
    if (!prompts.Confirm(ja ? "曲を演奏中です。演奏を止めて続けますか？" : "The song is playing. Stop it and go on?"))
        return false;
    Player_.Pause();
    return true;
}

void TSongPlayback::StateChanged() {
    if (Playing()) {
        if (!PumpTimer_->Active()) PumpTimer_->Start(kPumpMs);
        LastPositionMs_ = Wait_.NowMs();
    } else {
        PumpTimer_->Stop();
        DueNotes_.clear();
    }
    OnStateChange();
}

void TSongPlayback::Pump() {
    const bool going = Player_.Pump();
    if (!Playing()) {
        // Ended, or failed: the state change was told by the player.
        if (!going && !Player_.Failure().empty()) OnFailure(FailureText());
        return;
    }
    ShowDueNotes(Wait_.NowMicroseconds());
    const int64_t nowMs = Wait_.NowMs();
    if (nowMs - LastPositionMs_ >= kPositionEveryMs) {
        LastPositionMs_ = nowMs;
        OnPosition();
    }
    PumpTimer_->Start(kPumpMs);
}

void TSongPlayback::ShowDueNotes(int64_t now) {
    if (DueNotes_.empty()) return;
    std::vector<TDueNote> due;
    std::erase_if(DueNotes_, [&](const TDueNote& note) {
        if (note.Due > now) return false;
        due.push_back(note);
        return true;
    });
    for (const TDueNote& note : due) OnNoteSounded(note.Part / 16, note.Part % 16);
}

std::string TSongPlayback::FailureText() {
    const bool ja = Japanese(Transmitter_);
    const int port = Player_.FailedPort();
    const std::string why = port >= 0
                                ? PortGoneText(port, Transmitter_.Port(port).ProductName(), Transmitter_.Image().Language)
                                : Player_.Failure();
    return why + (ja ? "\n曲の演奏を止めました。" : "\nThe song was stopped.");
}

// Mute and solo -----------------------------------------------------------------------------

void TSongPlayback::SetMuted(int port, int channel, bool on) {
    const int part = PartOf(port, channel);
    if (part < 0 || Player_.Muted(part) == on) return;
    Player_.SetMuted(part, on);
    OnMixChanged();
}

void TSongPlayback::SetSoloed(int port, int channel, bool on) {
    const int part = PartOf(port, channel);
    if (part < 0 || Player_.Soloed(part) == on) return;
    Player_.SetSoloed(part, on);
    OnMixChanged();
}

bool TSongPlayback::Heard(int port, int channel) const {
    const int part = PartOf(port, channel);
    return part >= 0 && Player_.Heard(part);
}

void TSongPlayback::ClearMix() {
    if (!AnyMix()) return;
    for (int part = 0; part < TSongPlayer::kParts; ++part) {
        Player_.SetMuted(part, false);
        Player_.SetSoloed(part, false);
    }
    OnMixChanged();
}

bool TSongPlayback::AnyMix() const {
    for (int part = 0; part < TSongPlayer::kParts; ++part)
        if (Player_.Muted(part) || Player_.Soloed(part)) return true;
    return false;
}

}  // namespace veka
