// The files shipped with the program: found beside it in a build tree or a portable copy, else
// in the installed tree's share/veka4, the first of the two winning.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "module/default_folder.h"
#include "temp_dir.h"

namespace veka {
namespace {

namespace fs = std::filesystem;

TEST(ShippedFile, BesideTheProgramThenInTheInstalledTree) {
    test::TTempDir prefix;
    const fs::path bin = prefix.Path / "bin";
    const fs::path share = prefix.Path / "share" / "veka4";
    fs::create_directories(bin);
    fs::create_directories(share / "default");
    EXPECT_EQ(FindShippedFile("default.scd", bin.string()), "");
    std::ofstream(share / "default.scd") << "installed";
    EXPECT_EQ(FindShippedFile("default.scd", bin.string()), (share / "default.scd").string());
    std::ofstream(bin / "default.scd") << "beside";
    EXPECT_EQ(FindShippedFile("default.scd", bin.string()), (bin / "default.scd").string());
    // Folders count as well, and names below share/veka4.
    EXPECT_EQ(FindShippedFile("default", bin.string()), (share / "default").string());
    fs::create_directories(share / "help");
    std::ofstream(share / "help" / "veka4.html") << "<html>";
    EXPECT_EQ(FindShippedFile("help/veka4.html", bin.string()), (share / "help" / "veka4.html").string());
    // Nothing to look for, or nowhere to look.
    EXPECT_EQ(FindShippedFile("", bin.string()), "");
    EXPECT_EQ(FindShippedFile("default.scd", ""), "");
    EXPECT_EQ(FindShippedFile("Wall8.bmp", bin.string()), "");
}

TEST(ShippedFile, TheRunningProgramIsNamedByItsFullPath) {
    const std::string exe = ProgramPath();
    ASSERT_FALSE(exe.empty());
    EXPECT_TRUE(fs::path(exe).is_absolute());
    EXPECT_TRUE(fs::is_regular_file(exe)) << exe;
    EXPECT_EQ(fs::path(exe).parent_path().string(), ProgramFolder());
}

}  // namespace
}  // namespace veka
