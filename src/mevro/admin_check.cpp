#include "mevro/admin_check.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace veka::mevro {

bool IsAdministratorsGroup(std::string_view name) {
    static constexpr std::string_view kGroups[] = {"administrators", "sudo", "wheel", "admin"};
    for (std::string_view group : kGroups)
        if (name.size() == group.size() &&
            std::equal(name.begin(), name.end(), group.begin(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
            return true;
    return false;
}

std::vector<std::string> GroupNamesOf(const std::string& user, gid_t primary, const TGroupList& list,
                                      const TGroupName& name) {
    std::vector<gid_t> groups(32);
    for (;;) {
        int count = int(groups.size());
        if (list(user.c_str(), primary, groups.data(), &count) >= 0) {
            groups.resize(size_t(std::clamp(count, 0, int(groups.size()))));
            break;
        }
        // Too small: count says how many there are (never trusted beyond the limit).
        const int wanted = count > int(groups.size()) ? count : int(groups.size()) * 2;
        if (int(groups.size()) >= kMaxGroups) break;
        groups.resize(size_t(std::min(wanted, kMaxGroups)));
    }
    std::vector<std::string> names;
    for (gid_t group : groups)
        if (auto n = name(group)) names.push_back(std::move(*n));
    return names;
}

bool IsAdministrator(uid_t effectiveUser, const std::vector<std::string>& groupNames) {
    if (effectiveUser == 0) return true;
    return std::any_of(groupNames.begin(), groupNames.end(), [](const std::string& g) { return IsAdministratorsGroup(g); });
}

bool CurrentUserIsAdministrator() {
    const uid_t uid = geteuid();
    if (uid == 0) return true;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return false;
    const std::string user = found->pw_name;
    const gid_t primary = found->pw_gid;
    const TGroupList list = [](const char* u, gid_t g, gid_t* out, int* count) { return getgrouplist(u, g, out, count); };
    const TGroupName name = [](gid_t g) -> std::optional<std::string> {
        std::vector<char> text(16384);
        group entry{};
        group* result = nullptr;
        if (getgrgid_r(g, &entry, text.data(), text.size(), &result) != 0 || !result) return std::nullopt;
        return std::string(result->gr_name);
    };
    return IsAdministrator(uid, GroupNamesOf(user, primary, list, name));
}

}  // namespace veka::mevro
