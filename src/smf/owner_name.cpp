#include "smf/owner_name.h"

#if __has_include(<pwd.h>)
#include <pwd.h>
#include <unistd.h>
#define VEKA_HAVE_PWD 1
#endif
#include <cstdlib>

namespace veka {

std::string UserFullName() {
#ifdef VEKA_HAVE_PWD
    if (const passwd* pw = getpwuid(getuid())) {
        if (pw->pw_gecos) {
            std::string full = pw->pw_gecos;
            full = full.substr(0, full.find(','));
            if (!full.empty()) return full;
        }
        if (pw->pw_name && *pw->pw_name) return pw->pw_name;
    }
#endif
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"})
        if (const char* name = std::getenv(variable); name && *name) return name;
    return {};
}

}  // namespace veka
