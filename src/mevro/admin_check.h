#pragma once
// Whether a user administers this machine: effective user id 0, or membership of one of the
// groups that do ("Administrators", "sudo", "wheel", "admin"; the whole name, in any case).
// Membership counts every group the group database gives the user, the primary group too.
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veka::mevro {

bool IsAdministratorsGroup(std::string_view name);

// The group list as getgrouplist(3) gives it (user, primary group, out, in/out count), and one
// group's name as getgrgid_r(3) gives it. Tests feed their own.
using TGroupList = std::function<int(const char* user, gid_t primary, gid_t* groups, int* count)>;
using TGroupName = std::function<std::optional<std::string>(gid_t group)>;

// The names of the user's groups; a list that keeps growing past the limit is taken as far as
// it goes, a group without a name is left out.
inline constexpr int kMaxGroups = 65536;
std::vector<std::string> GroupNamesOf(const std::string& user, gid_t primary, const TGroupList& list,
                                      const TGroupName& name);

bool IsAdministrator(uid_t effectiveUser, const std::vector<std::string>& groupNames);

// The current user, from the system's databases; false when they cannot be read.
bool CurrentUserIsAdministrator();

}  // namespace veka::mevro
