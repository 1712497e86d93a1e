#include "app/song_menu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include "app/dialog_prompts.h"
#include "app/file_menu.h"
#include "app/main_window.h"
#include "app/start_options.h"
#include "app/transport_bar.h"
#include "document/document.h"
#include "document/song_commands.h"
#include "document/song_playback.h"
#include "smf/temp_smf.h"

namespace veka {

namespace {

// Space plays and pauses; a focused button, check box or drop-down list keeps its own Space, as
// text fields, lists and trees do by themselves.
class TSpaceGuard : public QObject {
public:
    explicit TSpaceGuard(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier) return false;
        if (qobject_cast<QAbstractButton*>(watched) || qobject_cast<QComboBox*>(watched)) event->accept();
        return false;
    }
};

}  // namespace

TSongMenu::TSongMenu(TVekaMainForm& form, TDocument& document, const TStartOptions& options, TLanguage language)
    : Form_(form), Doc_(document), Options_(options), Language_(language) {
    TSongPlayback& playback = Doc_.Playback();
    Form_.Action(TCommand::SongPlay)->setCheckable(true);
    Form_.Action(TCommand::SongLoop)->setCheckable(true);
    Transport_ = std::make_unique<TTransportBar>(Form_, playback, language);
    States_ = playback.OnStateChange.Subscribe([this] {
        Transport_->ShowState();
        UpdateActions();
    });
    Positions_ = playback.OnPosition.Subscribe([this] { Transport_->ShowPosition(); });
    Failures_ = playback.OnFailure.Subscribe([this](const std::string& why) { Form_.Prompts().Warn(why); });
    Mixes_ = playback.OnMixChanged.Subscribe([this] { UpdateActions(); });
    SpaceGuard_ = new TSpaceGuard(&Form_);
    qApp->installEventFilter(SpaceGuard_);
}

TSongMenu::~TSongMenu() {
    if (qApp && SpaceGuard_) qApp->removeEventFilter(SpaceGuard_);
}

bool TSongMenu::WorkingCopyThere() const {
    return QFileInfo::exists(
        QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QString::fromUtf8(kTempSmfName)));
}

void TSongMenu::UpdateActions() {
    TSongPlayback& playback = Doc_.Playback();
    const bool song = playback.HasSong();
    Form_.Action(TCommand::SongOpen)->setEnabled(true);
    Form_.Action(TCommand::SongReadLast)->setEnabled(WorkingCopyThere());
    Form_.Action(TCommand::SongPlay)->setEnabled(true);  // without a song it asks for one
    Form_.Action(TCommand::SongStop)->setEnabled(song && playback.State() != TPlayState::Stopped);
    Form_.Action(TCommand::SongGoToBar)->setEnabled(song);
    Form_.Action(TCommand::SongLoop)->setEnabled(song);
    Form_.Action(TCommand::SongClearMix)->setEnabled(playback.AnyMix());
}

void TSongMenu::OpenSongCommand() {
    TSongRequest request;
    request.What = TSongFile::Play;
    request.Folder = Form_.Settings().ReadString("SMF", "play path", Form_.Files().DataFolder().toStdString());
    const std::string path = Form_.Prompts().SongFileName(request);
    if (path.empty()) return;
    Form_.Settings().WriteString("SMF", "play path", QFileInfo(QString::fromStdString(path)).absolutePath().toStdString());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = Doc_.Playback().LoadSong(path, Options_.DefaultFolder, Form_.Prompts());
    QApplication::restoreOverrideCursor();
    if (loaded) Form_.CommandFrame().ShowStatus(Doc_.Playback().SongName());
    UpdateActions();
}

void TSongMenu::SongReadLastCommand() {
    const std::string name = SongReadLastName(Form_.Settings().ReadString("SMF", "current file", ""));
    Doc_.Playback().LoadSongReadLast(Options_.ProgramFolder, name, Form_.Prompts());
    UpdateActions();
}

void TSongMenu::PlayPauseCommand() {
    TSongPlayback& playback = Doc_.Playback();
    if (playback.Playing()) {
        playback.Pause();
        return;
    }
    if (!playback.HasSong()) {
        if (WorkingCopyThere())
            SongReadLastCommand();
        else
            OpenSongCommand();
        if (!playback.HasSong()) {
            Transport_->ShowState();  // the button's check mark back
            return;
        }
    }
    playback.Play(Form_.Prompts(), Form_.CommandFrame());
    Transport_->ShowState();
}

void TSongMenu::StopCommand() { Doc_.Playback().Stop(); }

void TSongMenu::GoToBarCommand() { Transport_->FocusBarField(); }

void TSongMenu::LoopCommand(bool on) {
    if (!Transport_->ApplyLoop(on))
        Form_.CommandFrame().ShowStatus(Language_ == TLanguage::Japanese ? "その小節ではループできません。"
                                                                         : "Those bars are too short to loop.");
    Transport_->ShowState();
}

void TSongMenu::ClearMixCommand() { Doc_.Playback().ClearMix(); }

bool TSongMenu::StopForTransmission() { return Doc_.Playback().StopForTransmission(Form_.Prompts()); }

}  // namespace veka
