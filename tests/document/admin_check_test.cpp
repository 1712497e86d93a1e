// The administrator check: the groups that count, the group list fed as the system gives it
// (the primary group included, a list longer than the first buffer, nameless groups), and
// libmevro.so loaded from a folder as the program loads it, beside it or installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "mevro/admin_check.h"
#include "document/admin_library.h"
#include "temp_dir.h"

namespace veka {
namespace {

using namespace veka::mevro;

TEST(AdminCheck, WholeGroupNamesInAnyCase) {
    for (const char* yes : {"administrators", "Administrators", "sudo", "SUDO", "wheel", "admin"})
        EXPECT_TRUE(IsAdministratorsGroup(yes)) << yes;
    for (const char* no : {"adm", "sudoers", "wheel2", "Administratoren", "", "users"})
        EXPECT_FALSE(IsAdministratorsGroup(no)) << no;
    EXPECT_TRUE(IsAdministrator(0, {}));  // root
    EXPECT_FALSE(IsAdministrator(1000, {"users", "audio"}));
    EXPECT_TRUE(IsAdministrator(1000, {"users", "Wheel"}));
}

// A group database of the test's own: the user's supplementary groups, and getgrouplist's way
// of adding the primary group and answering -1 with the count needed when out is too small.
struct TFakeGroups {
    std::map<gid_t, std::string> Names;
    std::vector<gid_t> Member;
    int Calls = 0;
    TGroupList List() {
        return [this](const char*, gid_t primary, gid_t* out, int* count) {
            ++Calls;
            std::vector<gid_t> all{primary};
            all.insert(all.end(), Member.begin(), Member.end());
            const bool fits = int(all.size()) <= *count;
            for (int i = 0; i < std::min(*count, int(all.size())); ++i) out[i] = all[size_t(i)];
            *count = int(all.size());
            return fits ? int(all.size()) : -1;
        };
    }
    TGroupName Name() {
        return [this](gid_t g) -> std::optional<std::string> {
            const auto it = Names.find(g);
            return it == Names.end() ? std::nullopt : std::make_optional(it->second);
        };
    }
};

TEST(AdminCheck, TheUsersGroupsAsTheSystemGivesThem) {
    TFakeGroups db;
    db.Names = {{100, "users"}, {27, "sudo"}, {29, "audio"}};
    db.Member = {29};
    EXPECT_FALSE(IsAdministrator(1000, GroupNamesOf("ann", 100, db.List(), db.Name())));
    db.Member = {29, 27};
    EXPECT_TRUE(IsAdministrator(1000, GroupNamesOf("ann", 100, db.List(), db.Name())));
    // Membership through the primary group alone.
    db.Member = {};
    EXPECT_TRUE(IsAdministrator(1000, GroupNamesOf("ann", 27, db.List(), db.Name())));
    // More groups than the first buffer holds, nameless groups among them, the one that counts last.
    db.Member.clear();
    for (gid_t g = 2000; g < 2100; ++g) db.Member.push_back(g);
    db.Member.push_back(27);
    db.Calls = 0;
    const std::vector<std::string> names = GroupNamesOf("ann", 100, db.List(), db.Name());
    EXPECT_EQ(db.Calls, 2);
    EXPECT_EQ(names, (std::vector<std::string>{"users", "sudo"}));
    // A list that says -1 for ever ends at the limit.
    int calls = 0;
    const TGroupList endless = [&calls](const char*, gid_t, gid_t*, int* count) {
        ++calls;
        *count = -5;
        return -1;
    };
    EXPECT_TRUE(GroupNamesOf("ann", 100, endless, db.Name()).empty());
    EXPECT_LT(calls, 20);
}

TEST(AdminLibrary, LoadedFromTheProgramFolderAndSkippedWhenMissing) {
    const std::optional<bool> answer = AskAdministrator(VEKA_MEVRO_DIR);
    ASSERT_TRUE(answer.has_value()) << "libmevro.so in " << VEKA_MEVRO_DIR;
    EXPECT_EQ(*answer, CurrentUserIsAdministrator());
    if (geteuid() == 0) {
        EXPECT_TRUE(*answer);  // root administers the machine
    }
    test::TTempDir dir;
    EXPECT_FALSE(AskAdministrator(dir.Path.string()).has_value());
    EXPECT_FALSE(AskAdministrator("").has_value());
    // A file of that name that is no library: no answer, no crash.
    std::ofstream(dir / kMevroFileName) << "not a library";
    EXPECT_FALSE(AskAdministrator(dir.Path.string()).has_value());
}

TEST(AdminLibrary, AnInstalledProgramFindsItInItsLibraryFolder) {
    // <prefix>/bin/veka4 with <prefix>/lib/veka4/libmevro.so, as `cmake --install` lays it out.
    test::TTempDir prefix;
    const std::filesystem::path bin = prefix.Path / "bin";
    const std::filesystem::path lib = prefix.Path / "lib" / "veka4";
    std::filesystem::create_directories(bin);
    EXPECT_FALSE(AskAdministrator(bin.string()).has_value());
    std::filesystem::create_directories(lib);
    std::filesystem::copy_file(std::filesystem::path(VEKA_MEVRO_DIR) / kMevroFileName, lib / kMevroFileName);
    const std::optional<bool> answer = AskAdministrator(bin.string());
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, CurrentUserIsAdministrator());

    // The folder beside the program comes first; a broken library there is not passed over.
    const std::vector<std::string> folders = MevroFolders(bin.string());
    ASSERT_GE(folders.size(), 2u);
    EXPECT_EQ(folders[0], bin.string());
    EXPECT_EQ(folders[1], lib.string());
    for (const std::string& folder : folders)
        EXPECT_EQ(std::count(folders.begin(), folders.end(), folder), 1) << folder;
    std::ofstream(bin / kMevroFileName) << "not a library";
    EXPECT_FALSE(AskAdministrator(bin.string()).has_value());
    EXPECT_TRUE(MevroFolders("").empty());
}

}  // namespace
}  // namespace veka
