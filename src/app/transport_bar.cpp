#include "app/transport_bar.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "app/app_texts.h"
#include "app/main_window.h"
#include "document/song_playback.h"

namespace veka {

namespace {

constexpr TCaption kBarTitle{"曲", "Song"};
constexpr TCaption kBarLabel{"小節", "Bar"};
constexpr TCaption kBarName{"位置 (小節)", "Position (bar)"};
constexpr TCaption kBeatName{"拍", "Beat"};
constexpr TCaption kLengthName{"曲の小節数", "Bars in the song"};
constexpr TCaption kLoopFromName{"ループの最初の小節", "First bar of the loop"};
constexpr TCaption kLoopToName{"ループの最後の小節", "Last bar of the loop"};
constexpr TCaption kSongName{"演奏する曲", "Song to play"};
constexpr TCaption kNoSong{"(曲なし)", "(no song)"};
constexpr TCaption kReadLast{"読み取ったSMF", "song read last"};
constexpr TCaption kPlaying{"再生中", "Playing"};
constexpr TCaption kPaused{"一時停止中", "Paused"};
constexpr TCaption kStopped{"停止中", "Stopped"};

QSpinBox* MakeBarSpin(QWidget* parent, const char* name, const QString& accessible) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(1, 1);
    spin->setKeyboardTracking(false);  // a bar typed whole is gone to once, not digit by digit
    spin->setAccessibleName(accessible);
    spin->setToolTip(accessible);
    spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 28);
    return spin;
}

}  // namespace

TTransportBar::TTransportBar(TVekaMainForm& form, TSongPlayback& playback, TLanguage language)
    : Form_(form), Playback_(playback), Language_(language) {
    Form_.addToolBarBreak();
    Bar_ = Form_.addToolBar(Tr(kBarTitle, language));
    Bar_->setObjectName("TransportBar");
    Bar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    Bar_->setIconSize(QSize(24, 24));
    QStyle* style = Form_.style();

    auto addButton = [this](TCommand command, const char* name) {
        auto* button = new QToolButton(Bar_);
        button->setObjectName(name);
        button->setDefaultAction(Form_.Action(command));
        button->setAutoRaise(true);
        Bar_->addWidget(button);
        return button;
    };
    Form_.Action(TCommand::SongPlay)->setIcon(style->standardIcon(QStyle::SP_MediaPlay));
    Form_.Action(TCommand::SongStop)->setIcon(style->standardIcon(QStyle::SP_MediaStop));
    Play_ = addButton(TCommand::SongPlay, "PlayButton");
    Stop_ = addButton(TCommand::SongStop, "StopButton");
    Bar_->addSeparator();

    auto* barLabel = new QLabel(Tr(kBarLabel, language) + QLatin1Char(' '), Bar_);
    Bar_->addWidget(barLabel);
    BarField_ = MakeBarSpin(Bar_, "BarField", Tr(kBarName, language));
    barLabel->setBuddy(BarField_);
    Bar_->addWidget(BarField_);
    Beat_ = new QLabel(Bar_);
    Beat_->setObjectName("BeatLabel");
    Beat_->setAccessibleName(Tr(kBeatName, language));
    Beat_->setMinimumWidth(Beat_->fontMetrics().horizontalAdvance(QStringLiteral(" : 00 ")));
    Bar_->addWidget(Beat_);
    Length_ = new QLabel(Bar_);
    Length_->setObjectName("LengthLabel");
    Length_->setAccessibleName(Tr(kLengthName, language));
    Bar_->addWidget(Length_);
    Bar_->addSeparator();

    Loop_ = addButton(TCommand::SongLoop, "LoopButton");
    Loop_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    LoopFrom_ = MakeBarSpin(Bar_, "LoopFrom", Tr(kLoopFromName, language));
    Bar_->addWidget(LoopFrom_);
    Bar_->addWidget(new QLabel(QStringLiteral(" – "), Bar_));
    LoopTo_ = MakeBarSpin(Bar_, "LoopTo", Tr(kLoopToName, language));
    Bar_->addWidget(LoopTo_);
    Bar_->addSeparator();

    Song_ = new QLabel(Bar_);
    Song_->setObjectName("SongLabel");
    Song_->setAccessibleName(Tr(kSongName, language));
    Song_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Song_->setFocusPolicy(Qt::TabFocus);  // read by a screen reader on its way through the bar
    Bar_->addWidget(Song_);

    QObject::connect(BarField_, &QSpinBox::valueChanged, Bar_, [this](int bar) { Playback_.GoToBar(bar); });
    auto loopChanged = [this] {
        if (Playback_.Player().Looping()) ApplyLoop(true);
    };
    QObject::connect(LoopFrom_, &QSpinBox::valueChanged, Bar_, loopChanged);
    QObject::connect(LoopTo_, &QSpinBox::valueChanged, Bar_, loopChanged);
    ShowState();
}

bool TTransportBar::ApplyLoop(bool on) {
    if (!on) {
        Playback_.ClearLoop();
        return true;
    }
    const int from = LoopFrom_->value();
    const int to = std::max(from, LoopTo_->value());
    return Playback_.SetLoop(from, to);
}

void TTransportBar::FocusBarField() {
    BarField_->setFocus(Qt::ShortcutFocusReason);
    BarField_->selectAll();
}

QString TTransportBar::PositionText() const {
    return QStringLiteral("%1%2").arg(BarField_->value()).arg(Beat_->text().simplified().remove(QLatin1Char(' ')));
}

QString TTransportBar::SongText() const { return Song_->text(); }

void TTransportBar::ShowState() {
    const bool song = Playback_.HasSong();
    const int bars = std::max(1, Playback_.Bars());
    for (QSpinBox* spin : {BarField_, LoopFrom_, LoopTo_}) {
        const QSignalBlocker quiet(spin);
        spin->setRange(1, bars);
        spin->setEnabled(song);
    }
    {
        const QSignalBlocker quiet(LoopFrom_);
        const QSignalBlocker quietTo(LoopTo_);
        if (Playback_.Player().Looping()) {
            LoopFrom_->setValue(Playback_.Player().LoopFromBar());
            LoopTo_->setValue(Playback_.Player().LoopToBar());
        } else if (LoopTo_->value() < LoopFrom_->value()) {
            LoopTo_->setValue(LoopFrom_->value());
        }
    }
    Length_->setText(song ? QStringLiteral("/ %1").arg(Playback_.Bars()) : QString());
    QString name = Tr(kNoSong, Language_);
    if (song) {
        name = QString::fromStdString(Playback_.SongName());
        if (Playback_.IsSongReadLast()) name += QStringLiteral(" (") + Tr(kReadLast, Language_) + QLatin1Char(')');
    }
    Song_->setText(name);
    const TPlayState state = Playback_.State();
    const TCaption& stateText = state == TPlayState::Playing ? kPlaying : state == TPlayState::Paused ? kPaused : kStopped;
    Song_->setToolTip(Tr(stateText, Language_));
    QStyle* style = Form_.style();
    QAction* play = Form_.Action(TCommand::SongPlay);
    play->setChecked(state == TPlayState::Playing);
    play->setIcon(style->standardIcon(state == TPlayState::Playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    Form_.Action(TCommand::SongLoop)->setChecked(Playback_.Player().Looping());
    ShowPosition();
}

void TTransportBar::ShowPosition() {
    const TBarBeat at = Playback_.Position();
    if (!BarField_->hasFocus()) {  // not under the user's typing
        const QSignalBlocker quiet(BarField_);
        BarField_->setValue(at.Bar);
    }
    Beat_->setText(QStringLiteral(" : %1 ").arg(at.Beat));
}

}  // namespace veka
