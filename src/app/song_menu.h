#pragma once
// The Song menu and the transport bar: the song to play (opened for playing, or the song read
// last), play and pause (Space), stop, going to a bar, the loop, and clearing the Part window's
// mute and solo. The core plays; this room answers with the program's dialogs and shows the
// player's state, and a failure that stopped the song in a box.
#include <memory>

#include "module/language.h"
#include "module/signal.h"

class QObject;

namespace veka {

class TDocument;
class TTransportBar;
struct TStartOptions;
class TVekaMainForm;

class TSongMenu {
public:
    TSongMenu(TVekaMainForm& form, TDocument& document, const TStartOptions& options, TLanguage language);
    ~TSongMenu();

    // Asks for a song and loads it (not yet playing).
    void OpenSongCommand();
    // The working copy of the song read last.
    void SongReadLastCommand();
    // Plays from the position, or pauses; without a song the song read last is taken, or one
    // is asked for.
    void PlayPauseCommand();
    void StopCommand();
    void GoToBarCommand();
    void LoopCommand(bool on);
    void ClearMixCommand();
    // Before Send All or a data request: false when the user wants the song to go on.
    bool StopForTransmission();
    // The commands that need a song, the song read last or a mute are enabled by them.
    void UpdateActions();

    TTransportBar& Transport() { return *Transport_; }

private:
    bool WorkingCopyThere() const;

    TVekaMainForm& Form_;
    TDocument& Doc_;
    const TStartOptions& Options_;
    const TLanguage Language_;
    std::unique_ptr<TTransportBar> Transport_;
    QObject* SpaceGuard_ = nullptr;
    TSubscription States_, Positions_, Failures_, Mixes_;
};

}  // namespace veka
