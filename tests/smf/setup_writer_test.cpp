// The setup writer, embedding into songs and cutting old setups out: timing, forms, texts, and
// the round trip analysis -> writer -> analysis.
#include <gtest/gtest.h>

#include "image_writer/image_writer.h"
#include "module/exclusive.h"
#include "module/image_reset.h"
#include "smf/setup_analysis.h"
#include "smf/setup_merge.h"
#include "smf/setup_writer.h"
#include "smf/smf.h"
#include "smf_test_util.h"
#include "test_image.h"

namespace veka {
namespace {

using test::TBytes;

// Absolute-time copy of a list.
TSMFEventList Abs(TSMFEventList list) {
    DeltaToAbsolute(list);
    return list;
}

std::vector<std::string> Texts(const TSMFEventList& list) {
    std::vector<std::string> out;
    for (const TSMFEvent& e : list)
        if (e.IsMeta(mtText)) out.emplace_back(e.Text());
    return out;
}

TOrderList OrderWithForms(std::initializer_list<std::pair<int, int>> partForms) {
    TOrderList order = DefaultOrderList();
    for (const auto& [parameter, form] : partForms)
        for (TOrderItem& item : order)
            if (item.Group == ogPart && item.Index == parameter) item = MakeOrderItem(ogPart, parameter, form);
    return order;
}

// An image with something changed in every kind of parameter, set up the way the windows do.
void ChangeEverything(TVGS& image) {
    GsResetImage(image);
    TImageWriter(image).System(spMasterTune).Value = 1030;
    TImageWriter(image).System(2).Value = 110;
    image.ApplySystemSideEffects(spReverbMacro, TImageWriter(image).System(spReverbMacro).Value = 1);
    TImageWriter(image).System(9).Value = 100;
    image.ApplySystemSideEffects(spEfxType, TImageWriter(image).System(spEfxType).Value = 1 * 128 + 1);
    TOneParameter& efx = TImageWriter(image).System(spEfxParameter1);
    efx.Value = efx.Default == efx.Min ? efx.Min + 1 : efx.Min;
    TImageWriter(image).System(14).Value = 100;
    for (int port = 0; port < image.ActivePortCount(); ++port) {
        image.SetPartTone(port, 1, 0, 4, 4, 8);
        TImageWriter(image).Part(port, 1, ppVolume).Value = 90 - port;
        TImageWriter(image).Part(port, 1, ppPanpot).Value = 30;
        TImageWriter(image).Part(port, 1, 25).Value = 80;
        TImageWriter(image).Part(port, 1, ppPitchFineTune).Value = 8192 + 300;
        TImageWriter(image).Part(port, 1, ppBendPitchControl).Value = 76;
        TImageWriter(image).Part(port, 1, ppMasterCoarseTuning).Value = 70;
        TImageWriter(image).Part(port, 1, ppPitchOffsetFine).Value = 140;
        for (int k = 0; k < 12; ++k) TImageWriter(image).Part(port, 1, ppScaleTuningC + k).Value = 50 + k;
        // Parts 2 and 6 swap channels, so every channel still reaches one part.
        TImageWriter(image).Part(port, 2, ppRxChannel).Value = 5;
        TImageWriter(image).Part(port, 6, ppRxChannel).Value = 1;
        TImageWriter(image).Part(port, 2, 17).Value = 33;
        TImageWriter(image).Part(port, 6, 17).Value = 44;
        image.SetPartTone(port, 10, 1, 16, 4, 0);
        image.DrumSet(port, 1) = {4, 16, image.DrumSet(port, 1).Found};
        TImageWriter(image).Drum(port, 1, 2, 38).Value = 50 + port;
        TImageWriter(image).Drum(port, 1, 4, 36).Value = 20;
    }
    TImageWriter(image).UserDrum(0, 1, 36).Value = image.UserDrum(0, 1, 36).Default + 3;
    TImageWriter(image).UserDrum(1, 2, 40).Value = 1;
}

// The setup written as a song file, read and analysed into a fresh image.
std::vector<std::string> RoundTrip(TVGS& source, const TOrderList& order, TSetupOptions options) {
    TSMF smf;
    InstallSetup(smf, WriteSetup(source, order, options, TConductorData{}));
    smf.TimeBase = options.TimeBase;
    const TBytes bytes = smf.SaveToBytes(options.Format);
    TSMF song;
    EXPECT_TRUE(song.LoadFromBytes(bytes)) << song.LastError();
    test::TImageFixture fresh(source.ModuleType());
    fresh->MaxPart = source.MaxPart;
    GsResetImage(*fresh);
    AnalyzeSetup(*fresh, song);
    return test::ImageDifferences(source, *fresh, options.Format == 0 ? 1 : source.ActivePortCount());
}

TEST(SysexTicks, FiguresOfTheTimingRule) {
    EXPECT_EQ(SysexTicks(11, 100, 48), 1);
    EXPECT_EQ(SysexTicks(11, 100, 480), 6);
    EXPECT_EQ(SysexTicks(3, 100, 48), 1);  // at least one tick
    EXPECT_EQ(SysexTicks(22, 120, 480), 14);
    EXPECT_EQ(SysexTicks(255, 120, 480), 164);
}

TEST(SetupWriter, AnalysisOfTheWrittenSetupGivesTheSameImage) {
    for (int maxPart : {0, 1, 2}) {
        test::TImageFixture image;
        image->MaxPart = maxPart;
        ChangeEverything(*image);
        const TOrderList forms = OrderWithForms({{ppToneNumber, ofCC}, {ppVolume, ofCC}, {25, ofNRPN},
                                                 {ppPitchFineTune, ofRPN}, {ppBendPitchControl, ofRPN}, {17, ofCC}});
        for (const TOrderList& order : {DefaultOrderList(), forms}) {
            for (bool dummy : {false, true}) {
                TSetupOptions o;
                o.Format = 1;
                o.DummyNotes = dummy;
                o.WithText = dummy;
                o.TimeBase = 96;
                const auto differences = RoundTrip(*image, order, o);
                EXPECT_TRUE(differences.empty()) << "max part " << maxPart << ": " << differences.size() << " e.g. "
                                                 << differences.front();
            }
        }
    }
    // Format 0 carries Port A only.
    test::TImageFixture image;
    ChangeEverything(*image);
    TSetupOptions o;
    o.Format = 0;
    o.DummyNotes = true;
    const auto differences = RoundTrip(*image, OrderWithForms({{ppToneNumber, ofCC}, {26, ofNRPN}}), o);
    EXPECT_TRUE(differences.empty()) << differences.size() << " e.g. " << differences.front();
}

TEST(SetupWriter, Format0WritesPortAOnlyEvenWith64Parts) {
    test::TImageFixture image;
    image->MaxPart = 2;
    ChangeEverything(*image);
    TSetupOptions o;
    o.Format = 0;
    const TSetupTracks tracks = WriteSetup(*image, DefaultOrderList(), o, {});
    ASSERT_EQ(tracks.Parts.size(), 16u);
    for (const TPartList& part : tracks.Parts) EXPECT_EQ(part.Port, 0);
    for (const TSMFEvent& e : tracks.Parts[0].Events) {
        if (e.Kind == ekSysx) {
            EXPECT_NE(e.Data()[5], 0x50);
        }
    }
    o.Format = 1;
    const TSetupTracks all = WriteSetup(*image, DefaultOrderList(), o, {});
    ASSERT_EQ(all.Parts.size(), 64u);
    // Port B's part messages carry the second module's addresses; its lists name their port.
    int portB = 0;
    for (const TSMFEvent& e : all.Parts[0].Events) portB += e.Kind == ekSysx && e.Data()[5] == 0x50;
    EXPECT_GT(portB, 0);
    EXPECT_TRUE(all.Parts[16].Events[1].IsMeta(mtPort));
    EXPECT_EQ(all.Parts[16].Events[1].Data()[0], 1);
}

TEST(SetupWriter, TheSetupListInOrderAndTime) {
    test::TImageFixture image;
    GsResetImage(*image);
    TImageWriter(*image).System(2).Value = 100;  // master volume
    TImageWriter(*image).Part(0, 3, ppVolume).Value = 90;
    TImageWriter(*image).Part(0, 3, ppPanpot).Value = 1;
    TSetupOptions o;
    o.TimeBase = 480;
    const TSetupTracks tracks = WriteSetup(*image, DefaultOrderList(), o, {});
    const TSMFEventList setup = Abs(tracks.Parts[0].Events);
    // name, reset, start, master volume, A3 volume, A3 panpot, end, End of Track
    ASSERT_EQ(setup.size(), 8u);
    EXPECT_EQ(std::string(setup[0].Text()), "A1-Piano 1");
    EXPECT_EQ(TBytes(setup[1].Data().begin(), setup[1].Data().end()),
              (TBytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x7F, 0x00, 0x01, 0xF7}));
    EXPECT_EQ(setup[1].Time, 0);
    EXPECT_EQ(std::string(setup[2].Text()), kStartOfSetup);
    EXPECT_EQ(setup[2].Time, 240);
    EXPECT_EQ(setup[3].Time, 240);
    EXPECT_EQ(setup[3].Data()[7], 0x04);
    EXPECT_EQ(setup[4].Time, 246);  // 6 ticks after an 11-byte message at 100 bpm, 480
    EXPECT_EQ(setup[5].Time, 252);
    EXPECT_EQ(setup[5].Data()[7], 0x1C);
    EXPECT_EQ(std::string(setup[6].Text()), kEndOfSetup);
    EXPECT_EQ(setup[6].Time, 258);
    EXPECT_EQ(tracks.SetupLength, 258);
    EXPECT_TRUE(setup[7].IsEndOfTrack());
    EXPECT_EQ(setup[7].Time, 268);
    // Without text only the two markers; every part list has its name and End of Track.
    EXPECT_EQ(Texts(setup), (std::vector<std::string>{kStartOfSetup, kEndOfSetup}));
    EXPECT_EQ(tracks.Parts[2].Events.size(), 2u);
    EXPECT_EQ(std::string(tracks.Parts[2].Events[0].Text()), "A3-Piano 1");
    // The conductor: name, time signature, key, tempo 100 bpm, End of Track; no empty notice.
    const TSMFEventList& c = tracks.Conductor;
    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(std::string(c[0].Text()), "Conductor Track");
    EXPECT_EQ(TBytes(c[1].Data().begin(), c[1].Data().end()), (TBytes{4, 2, 0x18, 0x08}));
    EXPECT_EQ(TBytes(c[2].Data().begin(), c[2].Data().end()), (TBytes{0, 0}));
    EXPECT_EQ(TBytes(c[3].Data().begin(), c[3].Data().end()), (TBytes{0x09, 0x27, 0xC0}));
}

TEST(SetupWriter, ChangedOnlyItemsStaySilentAtTheDefault) {
    test::TImageFixture image;
    GsResetImage(*image);
    TSetupOptions o;
    const TSetupTracks quiet = WriteSetup(*image, DefaultOrderList(), o, {});
    int sysex = 0;
    for (const TSMFEvent& e : quiet.Parts[0].Events) sysex += e.Kind == ekSysx;
    EXPECT_EQ(sysex, 1);  // the reset alone
    TOrderList always = {MakeOrderItem(ogPart, ppVolume, ofCC, false)};
    const TSetupTracks loud = WriteSetup(*image, always, o, {});
    for (const TPartList& part : loud.Parts) {
        const auto volume = std::find_if(part.Events.begin(), part.Events.end(), [](const TSMFEvent& e) { return e.IsController(7); });
        ASSERT_NE(volume, part.Events.end());
        EXPECT_EQ(volume->Data2, 100);
        EXPECT_EQ(volume->Channel(), part.Part - 1);
    }
}

TEST(SetupWriter, TextsDummyNotesAndThePartsAfterTheExclusives) {
    test::TImageFixture image;
    ChangeEverything(*image);
    TSetupOptions o;
    o.WithText = true;
    o.DummyNotes = true;
    o.Embedding = true;
    const TSetupTracks tracks = WriteSetup(*image, OrderWithForms({{ppVolume, ofCC}}), o, {});
    const TSMFEventList first = Abs(tracks.Parts[0].Events);
    const auto texts = Texts(first);
    for (const char* expected : {"Dummy Note Event", "System Mode 1(GS Reset)", "Reverb Macro : Room 2", "Efx : Spectrum",
                                 "Part A1 Scale Tuning", "Part A1 Panpot : L34", "Part A1 Master Coarse Tuning : +6",
                                 "Drum A1 "})
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(expected) == 0; }))
            << expected;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.find("UserDrum64 Pitch : ") == 0; }));
    // Dummy notes at ticks 1, 2, 3; embedding puts the reset after them.
    EXPECT_EQ(first[1].Time, 1);
    EXPECT_EQ(first[2].Time, 2);
    EXPECT_EQ(first[2].Status, 0x90);
    EXPECT_EQ(first[2].Data2, 1);
    EXPECT_EQ(first[3].Time, 3);
    const auto reset = std::find_if(first.begin(), first.end(), [](const TSMFEvent& e) { return e.Kind == ekSysx; });
    EXPECT_EQ(reset->Time, 3);
    // Every part's channel messages come after the last exclusive message, and the end marker
    // after all of them.
    int32_t lastExclusive = 0;
    for (const TSMFEvent& e : first)
        if (e.Kind == ekSysx) lastExclusive = e.Time;
    int32_t lastChannel = 0;
    for (const TPartList& part : tracks.Parts) {
        const TSMFEventList list = Abs(part.Events);
        for (size_t i = 0; i < list.size(); ++i) {
            if (!list[i].IsChannel() || list[i].Data2 == 1) continue;  // dummy notes have velocity 1
            EXPECT_GT(list[i].Time, lastExclusive) << part.Part;
            lastChannel = std::max(lastChannel, list[i].Time);
        }
    }
    EXPECT_GT(lastChannel, 0);
    EXPECT_GT(tracks.SetupLength, lastChannel);
}

// A song: four beats of 96 ticks; a piano on channel 1 and drums on channel 10.
TSMF Song() {
    TSMF song;
    song.Format = 1;
    song.TimeBase = 96;
    song.Tempo = 120;
    song.TempoMicroseconds = 500000;
    song.Numerator = 4;
    song.Denominator = 4;
    song.Tracks = {{MakeTextEvent(0, mtTrackName, "Song"), MakeEndOfTrack(0)},
                   {MakeTextEvent(0, mtTrackName, "Piano"), MakeChannelEvent(0, 0x90, 60, 100), MakeChannelEvent(96, 0x80, 60, 0),
                    MakeEndOfTrack(0)},
                   {MakeChannelEvent(48, 0x99, 36, 100), MakeChannelEvent(10, 0x89, 36, 0), MakeEndOfTrack(0)}};
    return song;
}

void Embed(TVGS& image, TSMF& song, bool dummy) {
    TSetupOptions o;
    o.TimeBase = song.TimeBase;
    o.Tempo = song.Tempo;
    o.Embedding = true;
    o.DummyNotes = dummy;
    MergeSetup(song, WriteSetup(image, DefaultOrderList(), o, ConductorOf(song)));
}

int Count(const TSMF& song, std::string_view text) {
    int n = 0;
    for (const TSMFEventList& list : song.Tracks)
        for (const TSMFEvent& e : list) n += e.IsMeta(mtText) && e.Text() == text;
    return n;
}

TEST(SetupMerge, TheSongStartsOnTheBarAfterTheSetup) {
    test::TImageFixture image;
    ChangeEverything(*image);
    TSMF song = Song();
    Embed(*image, song, true);
    ASSERT_EQ(song.TrackCount(), 3 + 14);  // two song tracks took their channels' lists
    const TSMFEventList conductor = Abs(song.Tracks[0]);
    EXPECT_EQ(std::string(conductor[0].Text()), "Song");  // the song's name, not "Conductor Track"
    EXPECT_EQ(std::count_if(conductor.begin(), conductor.end(), [](const TSMFEvent& e) { return e.IsMeta(mtTrackName); }), 1);
    EXPECT_TRUE(conductor.back().IsEndOfTrack());
    int32_t setupEnd = 0;
    for (const TSMFEventList& list : song.Tracks)
        for (const TSMFEvent& e : Abs(list))
            if (e.IsMeta(mtText) && e.Text() == kEndOfSetup) setupEnd = e.Time;
    ASSERT_GT(setupEnd, 0);
    const TSMFEventList piano = Abs(song.Tracks[1]);
    EXPECT_EQ(std::string(piano[0].Text()), "Piano");
    const auto note = std::find_if(piano.begin(), piano.end(), [](const TSMFEvent& e) { return e.IsChannel() && e.Data2 == 100; });
    ASSERT_NE(note, piano.end());
    EXPECT_EQ(note->Time % 384, 0);
    EXPECT_GT(note->Time, setupEnd + 10);
    EXPECT_LE(note->Time, setupEnd + 10 + 384);
    // Tracks after the first are in channel order: the piano (1), the lists 2..9, the drums (10).
    for (size_t t = 2; t < song.Tracks.size(); ++t)
        EXPECT_LE(FirstChannel(song.Tracks[t - 1]), FirstChannel(song.Tracks[t]));
}

TEST(SetupMerge, EmbeddingTwiceReplacesTheFirstSetup) {
    test::TImageFixture image;
    ChangeEverything(*image);
    TSMF song = Song();
    Embed(*image, song, true);
    TSMF reread;
    ASSERT_TRUE(reread.LoadFromBytes(song.SaveToBytes(1)));
    EXPECT_TRUE(RemoveOldSetup(reread));
    EXPECT_EQ(Count(reread, kStartOfSetup), 0);
    // What is left is the song, from tick 0.
    int32_t first = INT32_MAX;
    int notes = 0;
    for (const TSMFEventList& list : reread.Tracks)
        for (const TSMFEvent& e : Abs(list))
            if (e.IsChannel()) {
                first = std::min(first, e.Time);
                ++notes;
            }
    EXPECT_EQ(first, 0);
    EXPECT_EQ(notes, 4);
    TImageWriter(*image).Part(0, 1, ppVolume).Value = 55;
    Embed(*image, reread, false);
    TSMF twice;
    ASSERT_TRUE(twice.LoadFromBytes(reread.SaveToBytes(1)));
    EXPECT_EQ(Count(twice, kStartOfSetup), 1);
    EXPECT_EQ(Count(twice, kEndOfSetup), 1);
    EXPECT_FALSE(RemoveOldSetup(reread = Song()));
    // Read back, the song's setup is the latest one.
    test::TImageFixture fresh;
    GsResetImage(*fresh);
    AnalyzeSetup(*fresh, twice);
    EXPECT_EQ(fresh->Part(0, 1, ppVolume).Value, 55);
}

TEST(SetupMerge, AMarkerOnABarLineTakesItsWholeBar) {
    TSMF song;
    song.TimeBase = 96;
    song.Numerator = 3;
    song.Denominator = 4;
    song.Tracks = {{MakeTextEvent(0, mtTrackName, "t"), MakeTextEvent(288, mtText, kEndOfSetup),
                    MakeChannelEvent(100, 0x90, 60, 100), MakeChannelEvent(188, 0x90, 61, 100), MakeEndOfTrack(0)}};
    ASSERT_TRUE(RemoveOldSetup(song));
    const TSMFEventList left = Abs(song.Tracks[0]);
    ASSERT_EQ(left.size(), 3u);  // the name, the note at 576, the End of Track
    EXPECT_TRUE(left[0].IsMeta(mtTrackName));
    EXPECT_EQ(left[1].Data1, 61);
    EXPECT_EQ(left[1].Time, 0);
}

}  // namespace
}  // namespace veka
