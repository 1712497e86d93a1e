#pragma once
// The main window's transport bar for the song that plays beside the setup: play and pause,
// stop, the position as bar and beat (the bar field goes to a bar), the song's length, the loop
// with its first and last bar, and the song's name. The buttons run the Song menu's commands;
// the bar shows the player's state and position as the core tells them.
#include <QString>

#include "module/language.h"

class QLabel;
class QSpinBox;
class QToolBar;
class QToolButton;

namespace veka {

class TSongPlayback;
class TVekaMainForm;

class TTransportBar {
public:
    TTransportBar(TVekaMainForm& form, TSongPlayback& playback, TLanguage language);

    QToolBar* Bar() const { return Bar_; }
    QToolButton* PlayButton() const { return Play_; }
    QToolButton* StopButton() const { return Stop_; }
    QToolButton* LoopButton() const { return Loop_; }
    QSpinBox* BarField() const { return BarField_; }
    QSpinBox* LoopFrom() const { return LoopFrom_; }
    QSpinBox* LoopTo() const { return LoopTo_; }
    // "12:3" while it plays, the bar field and beat otherwise.
    QString PositionText() const;
    QString SongText() const;

    // The song, its length, the state and the loop as the player has them.
    void ShowState();
    // The position while the song plays (the bar field unless the user is typing in it).
    void ShowPosition();
    // The bar field takes the keyboard (Song > Go to Bar).
    void FocusBarField();
    // The loop from the two fields; false when the player found those bars too short.
    bool ApplyLoop(bool on);

private:
    TVekaMainForm& Form_;
    TSongPlayback& Playback_;
    const TLanguage Language_;
    QToolBar* Bar_ = nullptr;
    QToolButton *Play_ = nullptr, *Stop_ = nullptr, *Loop_ = nullptr;
    QSpinBox *BarField_ = nullptr, *LoopFrom_ = nullptr, *LoopTo_ = nullptr;
    QLabel *Beat_ = nullptr, *Length_ = nullptr, *Song_ = nullptr;
};

}  // namespace veka
