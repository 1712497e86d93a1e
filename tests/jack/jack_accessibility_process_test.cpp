// The editor grids as a screen reader meets them: the program runs on an X server with the
// accessibility bus, an AT-SPI client (tests/a11y/atspi_grid.py) opens a window, finds its grid
// as a table, reads a cell by its row and column names, moves there, raises the value with a key
// and reads the new value; the data set of that value reaches the JACK port. Runs under
// tests/a11y/run_with_atspi.sh, which provides the buses; elsewhere it skips.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <ostream>
#include <string>

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

constexpr int kDrumPitch = 1, kReverbLevel = 8;

INSTANTIATE_TEST_SUITE_P(
    Windows, JackAccessibility,
    ::testing::Values(TGridCase{"Part Window", "Part Window", "A1", "Volume", DefaultImage().Part(0, 1, ppVolume)},
                      TGridCase{"Drum Window", "Drum Window", "36", "Pitch", DefaultImage().Drum(0, 1, kDrumPitch, 36)},
                      TGridCase{"Effect Window", "Effect parameters", "Reverb Level", "Value",
                                DefaultImage().System(kReverbLevel)}),
    [](const auto& info) { return info.param.Button.substr(0, info.param.Button.find(' ')); });

}  // namespace
}  // namespace veka::test
