// The song in the main window: Space asks for a song and plays it, the transport bar follows
// the player, the Part window's mute column silences a part in the module, and Send All waits
// for the song when the user says so.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <array>

#include "app/main_window.h"
#include "app/dialog_prompts.h"
#include "app/song_menu.h"
#include "app/transport_bar.h"
#include "document/document.h"
#include "main_window_fixture.h"
#include "smf/smf_test_util.h"
#include "windows/part_mix_column.h"
#include "windows/part_window.h"
#include "document/song_playback.h"

namespace veka {
namespace {

// Two bars of 4/4 at 120 bpm: channel 1 and 2 play a note on every beat.
test::TBytes TwoBarSong() {
    test::TBytes track;
    for (int beat = 0; beat < 8; ++beat) {
        track.push_back(beat == 0 ? 0x00 : 0x60);  // 96 ticks after the last beat's notes ended
        test::Append(track, {0x90, 60, 100, 0x00, 0x91, 62, 100});
        test::Append(track, {0x83, 0x00, 0x80, 60, 0, 0x00, 0x81, 62, 0});  // 384 ticks on
    }
    test::Append(track, {0x60, 0xFF, 0x2F, 0x00});
    const test::TBytes end = test::EndOfTrack();
    test::TBytes tempo = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
    tempo.insert(tempo.end(), end.begin(), end.end());
    return test::SmfBytes(1, 480, {tempo, track});
}

int NoteOns(const std::vector<std::vector<uint8_t>>& received, int channel) {
    return int(std::count_if(received.begin(), received.end(), [&](const std::vector<uint8_t>& m) {
        return m.size() == 3 && m[0] == (0x90 | channel) && m[2] > 0;
    }));
}

class SongTransportTest : public test::TMainWindowFixture {
protected:
    TFakePumpWait Clock;
    // The song's time passes on the test's clock; the pump's timer runs on the event loop's.
    void PlayFor(int ms) {
        for (int t = 0; t < ms; t += 5) {
            Clock.Now += 5;
            QTest::qWait(3);
        }
    }
};

TEST_F(SongTransportTest, SpacePlaysTheSongAndThePartWindowMutesAPart) {
    TVekaMainForm& form = StartQuiet(Clock);
    const std::string song = Dir / "two bars.mid";
    test::WriteBytes(song, TwoBarSong());
    int asked = 0;
    form.Hooks.OpenName = [&](const QString&, const QString&, const QString&) {
        ++asked;
        return QString::fromStdString(song);
    };
    TManagedSubWindow* sub = form.Windows().OpenOrBringForward(wnPart);
    ASSERT_TRUE(sub);
    auto* part = qobject_cast<TPartWindow1*>(sub->widget());
    ASSERT_TRUE(part);
    QApplication::processEvents();
    TTransportBar& transport = form.Songs().Transport();
    EXPECT_EQ(transport.SongText(), "(no song)");

    // Part 2 muted before the song plays: the mute is the player's, the image keeps its volume.
    TPartMixColumn* mix = part->MixColumn();
    ASSERT_TRUE(mix);
    EXPECT_EQ(mix->MuteButton(2)->accessibleName(), "Part A2 Mute");
    EXPECT_EQ(mix->SoloButton(16)->accessibleName(), "Part A16 Solo");
    EXPECT_TRUE(mix->MuteButton(2)->isVisible());
    EXPECT_LT(std::abs(mix->MuteButton(2)->mapToGlobal(QPoint(0, 0)).y() -
                       part->Grid()->viewport()->mapToGlobal(part->Grid()->CellRect(0, 2).topLeft()).y()),
              part->Grid()->RowHeight())
        << "beside its row";
    mix->MuteButton(2)->click();
    EXPECT_TRUE(form.Document().Playback().Muted(0, 1));
    EXPECT_TRUE(form.Action(TCommand::SongClearMix)->isEnabled());

    // Space in the grid: no song yet, so one is asked for, then it plays.
    part->Grid()->setFocus();
    TVirtualModule& module = *TMidiDevices::Instance().VirtualModule();
    module.ClearReceived();
    QTest::keyClick(part->Grid(), Qt::Key_Space);
    EXPECT_EQ(asked, 1);
    ASSERT_TRUE(form.Document().Playback().Playing());
    EXPECT_EQ(transport.SongText(), "two bars.mid");
    EXPECT_TRUE(form.Action(TCommand::SongPlay)->isChecked());
    EXPECT_TRUE(form.Action(TCommand::SongStop)->isEnabled());
    EXPECT_EQ(transport.BarField()->maximum(), 2);
    std::array<int, 2> sounded{};
    const TSubscription notes = form.Document().Playback().OnNoteSounded.Subscribe([&](int port, int channel) {
        if (port == 0 && channel < 2) ++sounded[size_t(channel)];
    });
    PlayFor(700);
    EXPECT_EQ(sounded[0], 2);
    EXPECT_EQ(sounded[1], 0) << "a muted part sounds nothing";
    form.Document().Playback().OnNoteSounded(0, 0);
    EXPECT_TRUE(mix->Lit(1));
    EXPECT_FALSE(mix->Lit(2));
    // Space again pauses, keeping the position past the first beat.
    QTest::keyClick(part->Grid(), Qt::Key_Space);
    EXPECT_EQ(form.Document().Playback().State(), TPlayState::Paused);
    EXPECT_FALSE(form.Action(TCommand::SongPlay)->isChecked());
    EXPECT_EQ(transport.PositionText(), "1:2");
    auto received = module.Received(0);
    EXPECT_GE(NoteOns(received, 0), 2);
    EXPECT_EQ(NoteOns(received, 1), 0);

    // Stop goes back to the start; the bar field goes to bar 2.
    transport.StopButton()->click();
    EXPECT_EQ(transport.PositionText(), "1:1");
    transport.BarField()->setValue(2);
    EXPECT_EQ(form.Document().Playback().Position().Bar, 2);

    // Send All while the song plays asks first: No leaves both as they are.
    QTest::keyClick(part->Grid(), Qt::Key_Space);
    ASSERT_TRUE(form.Document().Playback().Playing());
    Answer = QMessageBox::No;
    const size_t messages = Messages.size();
    form.Action(TCommand::SendAll)->trigger();
    EXPECT_EQ(Messages.size(), messages + 1);
    EXPECT_TRUE(form.Document().Playback().Playing());
    Answer = QMessageBox::Yes;
    form.Action(TCommand::SendAll)->trigger();
    EXPECT_EQ(form.Document().Playback().State(), TPlayState::Paused);

    // Clear Mute and Solo: the column shows it at once.
    form.Action(TCommand::SongClearMix)->trigger();
    EXPECT_FALSE(mix->MuteButton(2)->isChecked());
    EXPECT_FALSE(form.Action(TCommand::SongClearMix)->isEnabled());
}

TEST_F(SongTransportTest, EveryTransportControlHasANameInBothLanguages) {
    for (const bool japanese : {false, true}) {
        Options.SystemJapanese = japanese;
        TVekaMainForm& form = StartQuiet(Clock);
        TTransportBar& transport = form.Songs().Transport();
        for (QWidget* control : {static_cast<QWidget*>(transport.PlayButton()), static_cast<QWidget*>(transport.StopButton()),
                                 static_cast<QWidget*>(transport.LoopButton()), static_cast<QWidget*>(transport.BarField()),
                                 static_cast<QWidget*>(transport.LoopFrom()), static_cast<QWidget*>(transport.LoopTo())}) {
            const QString name = control->accessibleName().isEmpty() ? static_cast<QWidget*>(control)->property("text").toString()
                                                                     : control->accessibleName();
            const QString actionText =
                qobject_cast<QToolButton*>(control) ? qobject_cast<QToolButton*>(control)->defaultAction()->text() : QString();
            EXPECT_FALSE(name.isEmpty() && actionText.isEmpty()) << control->objectName().toStdString();
            EXPECT_NE(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
        }
        EXPECT_EQ(transport.BarField()->accessibleName(), japanese ? QString::fromUtf8("位置 (小節)") : "Position (bar)");
        EXPECT_EQ(form.Action(TCommand::SongPlay)->text(), japanese ? QString::fromUtf8("再生/一時停止") : "Play/Pause");
        Form.reset();
    }
}

// Pictures of the transport bar and the Part window's mute and solo column, for a person to
// look at: a song paused in its loop, one part muted and one soloed.
TEST_F(SongTransportTest, PicturesOfTheTransportAndTheMuteColumnInBothLanguages) {
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    const std::string song = Dir / "two bars.mid";
    test::WriteBytes(song, TwoBarSong());
    for (const bool japanese : {false, true}) {
        Options.SystemJapanese = japanese;
        TVekaMainForm& form = StartQuiet(Clock);
        TSongPlayback& playback = form.Document().Playback();
        ASSERT_TRUE(playback.LoadSong(song, VEKA_TEST_DEFAULT_DIR, form.Prompts()));
        TManagedSubWindow* sub = form.Windows().OpenOrBringForward(wnPart);
        ASSERT_TRUE(sub);
        sub->move(0, 0);
        form.Songs().Transport().LoopButton()->click();
        EXPECT_TRUE(playback.Player().Looping());
        playback.SetMuted(0, 1, true);
        playback.SetSoloed(0, 3, true);
        ASSERT_TRUE(playback.Play(form.Prompts(), form.CommandFrame()));
        PlayFor(600);
        playback.OnNoteSounded(0, 3);
        QApplication::processEvents();
        const QString name = QStringLiteral(VEKA_ARTIFACT_DIR "/song-transport-%1.png").arg(japanese ? "ja" : "en");
        EXPECT_TRUE(form.grab().save(name)) << name.toStdString();
        playback.Stop();
        Form.reset();
    }
}

}  // namespace
}  // namespace veka
