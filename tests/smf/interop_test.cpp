// Independent readers agree with ours: every song the writer produces is read without
// complaint by midicsv and by python3-mido, event for event; and songs mido writes are
// analysed into the image they set up.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "image_writer/image_writer.h"
#include "module/exclusive.h"
#include "module/image_reset.h"
#include "smf/setup_analysis.h"
#include "smf/setup_commands.h"
#include "smf/setup_merge.h"
#include "smf/smf.h"
#include "smf/vlq.h"
#include "smf_test_util.h"
#include "test_image.h"

namespace veka {
namespace {

using test::Quote;

using test::TBytes;

constexpr const char* kPython = "/usr/bin/python3";

bool HaveMidicsv() { return test::Run("command -v midicsv").Status == 0; }
bool HaveMido() { return test::Run(std::string(kPython) + " -c 'import mido'").Status == 0; }

std::string Csv(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// The file as midicsv prints it, from our own reading of the bytes.
std::string OurCsv(const TBytes& file) {
    // Straight from the chunks: our reader would take the conductor values out of the song.
    std::ostringstream out;
    const int format = file[9], tracks = file[10] * 256 + file[11], division = file[12] * 256 + file[13];
    out << "0, 0, Header, " << format << ", " << tracks << ", " << division << "\n";
    size_t pos = 14;
    for (int t = 1; t <= tracks; ++t) {
        const uint32_t length = uint32_t(file[pos + 4]) << 24 | uint32_t(file[pos + 5]) << 16 | uint32_t(file[pos + 6]) << 8 | file[pos + 7];
        const std::span<const uint8_t> body(&file[pos + 8], length);
        pos += 8 + length;
        out << t << ", 0, Start_track\n";
        size_t p = 0;
        int64_t now = 0;
        while (p < body.size()) {
            uint32_t delta = 0;
            EXPECT_EQ(DecodeVlq(body, p, delta), TVlqResult::Ok);
            now += delta;
            out << t << ", " << now << ", ";
            const uint8_t s = body[p++];
            if (s == 0xFF) {
                const uint8_t type = body[p++];
                uint32_t n = 0;
                DecodeVlq(body, p, n);
                const auto d = body.subspan(p, n);
                p += n;
                const std::string text(d.begin(), d.end());
                switch (type) {
                    case 0x01: out << "Text_t, " << Csv(text); break;
                    case 0x02: out << "Copyright_t, " << Csv(text); break;
                    case 0x03: out << "Title_t, " << Csv(text); break;
                    case 0x21: out << "MIDI_port, " << int(d[0]); break;
                    case 0x2F: out << "End_track"; break;
                    case 0x51: out << "Tempo, " << (d[0] << 16 | d[1] << 8 | d[2]); break;
                    case 0x58: out << "Time_signature, " << int(d[0]) << ", " << int(d[1]) << ", " << int(d[2]) << ", " << int(d[3]); break;
                    case 0x59: out << "Key_signature, " << int(int8_t(d[0])) << ", " << (d[1] ? "\"minor\"" : "\"major\""); break;
                    default: ADD_FAILURE() << "meta type " << int(type);
                }
            } else if (s == 0xF0) {
                uint32_t n = 0;
                DecodeVlq(body, p, n);
                out << "System_exclusive, " << n;
                for (uint32_t k = 0; k < n; ++k) out << ", " << int(body[p + k]);
                p += n;
            } else {
                const int ch = s & 0x0F;
                switch (s & 0xF0) {
                    case 0x80: out << "Note_off_c, " << ch << ", " << int(body[p]) << ", " << int(body[p + 1]); p += 2; break;
                    case 0x90: out << "Note_on_c, " << ch << ", " << int(body[p]) << ", " << int(body[p + 1]); p += 2; break;
                    case 0xB0: out << "Control_c, " << ch << ", " << int(body[p]) << ", " << int(body[p + 1]); p += 2; break;
                    case 0xC0: out << "Program_c, " << ch << ", " << int(body[p]); p += 1; break;
                    default: ADD_FAILURE() << "status " << int(s);
                }
            }
            out << "\n";
        }
    }
    out << "0, 0, End_of_file\n";
    return out.str();
}

// The events as mido reads them: per track "time hexbytes" with absolute times.
constexpr const char* kMidoDump = R"(
import sys, mido
m = mido.MidiFile(sys.argv[1])
print(m.type, m.ticks_per_beat, len(m.tracks))
for i, t in enumerate(m.tracks):
    now = 0
    for msg in t:
        now += msg.time
        print(i, now, ' '.join('%02X' % b for b in msg.bytes()))
)";

// The same from our reader's view of the chunks (nothing moved out to the conductor values).
std::string OurMidoView(const TBytes& file) {
    std::ostringstream out;
    const int tracks = file[10] * 256 + file[11];
    out << int(file[9]) << " " << (file[12] * 256 + file[13]) << " " << tracks << "\n";
    size_t pos = 14;
    for (int t = 0; t < tracks; ++t) {
        const uint32_t length = uint32_t(file[pos + 4]) << 24 | uint32_t(file[pos + 5]) << 16 | uint32_t(file[pos + 6]) << 8 | file[pos + 7];
        const std::span<const uint8_t> body(&file[pos + 8], length);
        pos += 8 + length;
        size_t p = 0;
        int64_t now = 0;
        while (p < body.size()) {
            uint32_t delta = 0;
            DecodeVlq(body, p, delta);
            now += delta;
            TBytes bytes;
            const uint8_t s = body[p++];
            bytes.push_back(s);
            if (s == 0xFF) {
                bytes.push_back(body[p++]);
                const size_t at = p;
                uint32_t n = 0;
                DecodeVlq(body, p, n);
                bytes.insert(bytes.end(), body.begin() + std::ptrdiff_t(at), body.begin() + std::ptrdiff_t(p + n));
                p += n;
            } else if (s == 0xF0) {
                uint32_t n = 0;
                DecodeVlq(body, p, n);
                bytes.insert(bytes.end(), body.begin() + std::ptrdiff_t(p), body.begin() + std::ptrdiff_t(p + n));
                p += n;
            } else {
                const size_t n = (s & 0xF0) == 0xC0 || (s & 0xF0) == 0xD0 ? 1 : 2;
                bytes.insert(bytes.end(), body.begin() + std::ptrdiff_t(p), body.begin() + std::ptrdiff_t(p + n));
                p += n;
            }
            out << t << " " << now << " " << HexText(bytes) << "\n";
        }
    }
    return out.str();
}

// A song as mido writes it: GS reset, part exclusives, NRPN and RPN sequences, a drum kit,
// notes; then the analysis of that file.
constexpr const char* kMidoSong = R"(
import sys, mido
def dt1(addr, data):
    body = list(addr) + list(data)
    return mido.Message('sysex', data=[0x41, 0x10, 0x42, 0x12] + body + [(128 - sum(body) % 128) % 128])
m = mido.MidiFile(type=1, ticks_per_beat=480)
c = mido.MidiTrack(); m.tracks.append(c)
c.append(mido.MetaMessage('track_name', name='Mido song'))
c.append(mido.MetaMessage('set_tempo', tempo=mido.bpm2tempo(90)))
c.append(mido.MetaMessage('time_signature', numerator=3, denominator=4))
a = mido.MidiTrack(); m.tracks.append(a)
a.append(dt1([0x40, 0x00, 0x7F], [0x00]))
a.append(dt1([0x40, 0x11, 0x19], [90]))
a.append(dt1([0x40, 0x12, 0x1C], [20]))
a.append(dt1([0x40, 0x01, 0x30], [3]))
a.append(mido.Message('control_change', control=0, value=8, time=10))
a.append(mido.Message('program_change', program=4))
for cc, v in ((99, 1), (98, 8), (6, 70), (101, 0), (100, 0), (6, 12)):
    a.append(mido.Message('control_change', channel=1, control=cc, value=v))
a.append(mido.Message('note_on', note=60, velocity=90, time=480))
a.append(mido.Message('control_change', control=7, value=30))
a.append(mido.Message('note_off', note=60, time=480))
d = mido.MidiTrack(); m.tracks.append(d)
d.append(mido.Message('program_change', channel=9, program=24))
d.append(mido.Message('note_on', channel=9, note=36, velocity=100, time=960))
d.append(mido.Message('note_off', channel=9, note=36, time=60))
m.save(sys.argv[1])
)";

// Writes a script into the folder and returns the command that runs it.
std::string Script(const test::TScratchFolder& folder, const char* name, const char* text) {
    const std::string path = folder / name;
    test::WriteBytes(path, TBytes(text, text + std::strlen(text)));
    return std::string(kPython) + " " + Quote(path);
}

class Interop : public ::testing::Test {
protected:
    void SetUp() override {
        Image->MaxPart = 1;
        GsResetImage(*Image);
        TImageWriter(*Image).Part(0, 1, ppVolume).Value = 90;
        TImageWriter(*Image).Part(0, 2, 25).Value = 70;
        TImageWriter(*Image).Part(0, 2, ppPitchFineTune).Value = 8000;
        TImageWriter(*Image).Part(1, 3, ppPanpot).Value = 10;
        TImageWriter(*Image).Part(1, 4, ppToneNumber).Value = 8 * 128 + 4;
        TImageWriter(*Image).System(14).Value = 99;
        TImageWriter(*Image).UserDrum(1, 3, 50).Value = 9;
    }
    // Every kind of song file the program writes.
    std::vector<std::string> WriteSongs() {
        std::vector<std::string> files;
        TOrderList order = DefaultOrderList();
        for (TOrderItem& item : order) {
            if (item.Group != ogPart) continue;
            if (item.Index == ppToneNumber || item.Index == ppPanpot) item = MakeOrderItem(ogPart, item.Index, ofCC);
            if (item.Index == 25) item = MakeOrderItem(ogPart, 25, ofNRPN);
            if (item.Index == ppPitchFineTune) item = MakeOrderItem(ogPart, ppPitchFineTune, ofRPN);
        }
        std::string error;
        for (int format : {0, 1})
            for (bool text : {false, true}) {
                TSMF smf;
                const std::string path = Folder / ("setup" + std::to_string(format) + (text ? "t" : "") + ".mid");
                TSmfWriteOptions o;
                o.Format = format;
                o.WithText = text;
                o.DummyNotes = text;
                o.TimeBase = text ? 480 : 48;
                EXPECT_TRUE(ExportSmf(*Image, smf, order, path, o, "A. User", error)) << error;
                files.push_back(path);
                // The same setup in front of a song mido wrote.
                const std::string song = Folder / "song.mid";
                EXPECT_EQ(test::Run(Script(Folder, "song.py", kMidoSong) + " " + Quote(song)).Status, 0);
                const std::string embedded = Folder / ("embedded" + std::to_string(format) + (text ? "t" : "") + ".mid");
                EXPECT_TRUE(LoadSongForEmbedding(smf, song, error)) << error;
                EXPECT_TRUE(EmbedSetup(*Image, smf, order, embedded, o, error)) << error;
                files.push_back(embedded);
            }
        return files;
    }
    test::TImageFixture Image;
    test::TScratchFolder Folder;
};

TEST_F(Interop, MidicsvReadsEveryWrittenSongAsWeDo) {
    if (!HaveMidicsv()) GTEST_SKIP() << "midicsv is not installed (Debian package midicsv)";
    if (!HaveMido()) GTEST_SKIP() << "python3-mido is not installed: the embedding songs come from mido";
    for (const std::string& file : WriteSongs()) {
        const test::TRun r = test::Run("midicsv " + Quote(file));
        ASSERT_EQ(r.Status, 0) << file << "\n" << r.Out;
        EXPECT_EQ(r.Out, OurCsv(test::ReadBytes(file))) << file;
    }
}

TEST_F(Interop, MidoReadsEveryWrittenSongAsWeDo) {
    if (!HaveMido()) GTEST_SKIP() << "python3-mido is not installed (Debian package python3-mido)";
    const std::string dump = Script(Folder, "dump.py", kMidoDump);
    for (const std::string& file : WriteSongs()) {
        const test::TRun r = test::Run(dump + " " + Quote(file));
        ASSERT_EQ(r.Status, 0) << file << "\n" << r.Out;
        EXPECT_EQ(r.Out, OurMidoView(test::ReadBytes(file))) << file;
    }
}

TEST_F(Interop, SongsWrittenByMidoAreAnalysedIntoTheirSetup) {
    if (!HaveMido()) GTEST_SKIP() << "python3-mido is not installed (Debian package python3-mido)";
    const std::string song = Folder / "mido.mid";
    ASSERT_EQ(test::Run(Script(Folder, "song.py", kMidoSong) + " " + Quote(song)).Status, 0);
    test::TImageFixture image;
    GsResetImage(*image);
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromFile(song)) << smf.LastError();
    EXPECT_TRUE(smf.Warnings().empty());
    EXPECT_EQ(smf.Tempo, 90);
    EXPECT_EQ(smf.BarLength(), 1440);
    const TAnalysisResult result = AnalyzeSetup(*image, smf);
    EXPECT_EQ(result.Applied, 4 + 2 + 6 + 1);
    EXPECT_EQ(image->Part(0, 1, ppVolume).Value, 90);
    EXPECT_EQ(image->Part(0, 2, ppPanpot).Value, 20);
    EXPECT_EQ(image->System(spReverbMacro).Value, 3);
    EXPECT_EQ(image->Part(0, 1, ppToneNumber).Value, 8 * 128 + 4);
    EXPECT_EQ(image->Part(0, 2, 25).Value, 70);
    EXPECT_EQ(image->Part(0, 2, ppBendPitchControl).Value, 64 + 12);
    EXPECT_EQ(image->Part(0, 10, ppToneNumber).Value, 24);
    EXPECT_EQ(image->DrumSet(0, 1).Program, 24);
    // What stays: the name, the notes and the controller after the first note.
    int notes = 0, controllers = 0;
    for (const TSMFEventList& list : smf.Tracks)
        for (const TSMFEvent& e : list) {
            notes += e.IsChannel() && (e.Status & 0xE0) == 0x80;
            controllers += e.IsChannel() && (e.Status & 0xF0) == 0xB0;
            EXPECT_NE(e.Kind, ekSysx);
        }
    EXPECT_EQ(notes, 4);
    EXPECT_EQ(controllers, 1);
}

}  // namespace
}  // namespace veka
