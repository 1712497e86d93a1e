// The program as a screen reader's user and a keyboard's user meet it: it runs on an X server with
// the accessibility bus. An AT-SPI client (tests/a11y/atspi_grid.py) opens a window, finds its
// grid as a table, reads a cell by its row and column names, moves there, raises the value with
// a key and reads the new value; the data set of that value reaches the JACK port. A walk with
// keys alone (tests/a11y/keyboard_walk.py) puts a tone, edits a drum note, copies its row into
// the user set and sends a display picture. Runs under tests/a11y/run_with_atspi.sh, which
// provides the buses; elsewhere it skips.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "jack_peer.h"
#include "process_home.h"
#include "veka_process.h"
#include "module/image.h"
#include "module/parameter_tables.h"
#include "temp_dir.h"

namespace veka::test {
namespace {

struct TGridCase {
    std::string Button;  // the tool button that opens the window
    std::string Table;   // the grid's accessible name
    std::string Row;     // the row's name or its first word
    std::string Column;
    TOneParameter Parameter;  // in the default image; one press of the keypad's plus adds one
};

void PrintTo(const TGridCase& c, std::ostream* os) { *os << c.Table << ": " << c.Row << ", " << c.Column; }

constexpr int kDrumPitch = 1, kReverbLevel = 8;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

class JackAccessibility : public ::testing::TestWithParam<TGridCase> {};

TEST_P(JackAccessibility, AScreenReaderReadsTheGridAsATableAndEditsACell) {
    if (!std::getenv("VEKA_ATSPI") || !std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs the accessibility bus (tests/a11y/run_with_atspi.sh)";
    const std::string absence = TJackPeer::ServerAbsence();
    if (absence.empty() == false) GTEST_SKIP() << absence;
    const TGridCase& c = GetParam();
    TTempDir dir;
    const std::string home = dir / "home", runtime = dir / "run";
    TJackPeer peer("veka-a11y-peer");
    ASSERT_TRUE(PrepareHome(home, runtime, peer)) << peer.InputName();

    TVekaProcess program({}, home, runtime, dir / "program.log", std::getenv("DISPLAY"));
    ASSERT_TRUE(program.Started());
    const int before = c.Parameter.Value;
    const std::string command = std::string("/usr/bin/python3 ") + VEKA_ATSPI_SCRIPT + " --pid " +
                                std::to_string(program.Pid()) + " --button " + Quoted(c.Button) + " --table " +
                                Quoted(c.Table) + " --row " + Quoted(c.Row) + " --column " + Quoted(c.Column) +
                                " --expect " + std::to_string(before) + " --after " + std::to_string(before + 1) +
                                " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << output << ReadText(dir / "program.log");
    EXPECT_NE(output.find("PASS"), std::string::npos) << output;
    EXPECT_TRUE(WaitFor(peer, c.Parameter.Address.Bytes, uint8_t(before + 1), 10s))
        << "the edit did not reach the port\n" << output;
    program.Terminate();
    EXPECT_EQ(program.Wait(20s), 0) << ReadText(dir / "program.log");
}

const TVGS& DefaultImage() {
    static const TVGS image(VEKA_TEST_DEFAULT_DIR);
    return image;
}

bool Addressed(const std::vector<std::vector<uint8_t>>& messages, const std::array<uint8_t, 3>& address) {
    for (const auto& m : messages)
        if (m.size() > 9 && m[0] == 0xF0 && m[5] == address[0] && m[6] == address[1] && m[7] == address[2]) return true;
    return false;
}

// The keyboard alone (tests/a11y/keyboard_walk.py presses the keys): a tone from the browser, a
// drum note's pitch, that row into the user set, a display picture drawn and sent.
TEST(JackKeyboardWalk, ToneDrumNoteUserSetRowAndDisplayPictureWithoutAPointer) {
    if (!std::getenv("VEKA_ATSPI") || !std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs the accessibility bus (tests/a11y/run_with_atspi.sh)";
    const std::string absence = TJackPeer::ServerAbsence();
    if (absence.empty() == false) GTEST_SKIP() << absence;
    TTempDir dir;
    const std::string home = dir / "home", runtime = dir / "run";
    TJackPeer peer("veka-walk-peer");
    ASSERT_TRUE(PrepareHome(home, runtime, peer)) << peer.InputName();
    TVekaProcess program({}, home, runtime, dir / "program.log", std::getenv("DISPLAY"));
    ASSERT_TRUE(program.Started());
    std::string window;
    if (FILE* pipe = popen("timeout 60 xdotool search --sync --onlyvisible --name '^Veka 4' 2>/dev/null | head -n 1", "r")) {
        char line[64] = {};
        if (fgets(line, sizeof line, pipe)) window = line;
        pclose(pipe);
    }
    while (!window.empty() && (window.back() == '\n' || window.back() == ' ')) window.pop_back();
    ASSERT_FALSE(window.empty()) << ReadText(dir / "program.log");
    std::string output;
    FILE* pipe = popen((std::string("/usr/bin/python3 ") + VEKA_WALK_SCRIPT + " --window " + window + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    EXPECT_EQ(pclose(pipe), 0) << output << ReadText(dir / "program.log");

    const TVGS& image = DefaultImage();
    const int pitch = image.Drum(0, 1, kDrumPitch, 36).Value + 1;
    EXPECT_TRUE(WaitFor(peer, image.Drum(0, 1, kDrumPitch, 36).Address.Bytes, uint8_t(pitch), 10s)) << output;
    EXPECT_TRUE(WaitFor(peer, image.UserDrum(0, kDrumPitch, 40).Address.Bytes, uint8_t(pitch), 10s)) << output;
    const auto& received = peer.Received();
    // The tone goes to the part the Patch window's cursor is on, where the walk's Tab left it.
    bool tone = false;
    for (int part = 1; part <= 16; ++part) tone = tone || Addressed(received, image.Part(0, part, ppToneNumber).Address.Bytes);
    EXPECT_TRUE(tone) << "no tone reached the port\n" << output;
    bool picture = false;
    for (const auto& m : received)
        if (m.size() == 74 && m[3] == 0x45 && m[4] == 0x12 && m[5] == 0x10 && m[6] == 0x01 && m[7] == 0x00)
            picture = picture || std::any_of(m.begin() + 8, m.end() - 2, [](uint8_t b) { return b != 0; });
    EXPECT_TRUE(picture) << "no display picture with dots reached the port\n" << output;
    program.Terminate();
    EXPECT_EQ(program.Wait(20s), 0) << ReadText(dir / "program.log");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, JackAccessibility,
    ::testing::Values(TGridCase{"Part Window", "Part Window", "A1", "Volume", DefaultImage().Part(0, 1, ppVolume)},
                      TGridCase{"Drum Window", "Drum Window", "36", "Pitch", DefaultImage().Drum(0, 1, kDrumPitch, 36)},
                      TGridCase{"Effect Window", "Effect parameters", "Reverb Level", "Value",
                                DefaultImage().System(kReverbLevel)}),
    [](const auto& info) { return info.param.Button.substr(0, info.param.Button.find(' ')); });

}  // namespace
}  // namespace veka::test
