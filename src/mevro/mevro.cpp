// The one entry of libmevro.so. Nothing but a Boolean crosses to the program.
#include "mevro/admin_check.h"

extern "C" __attribute__((visibility("default"))) bool UserIsAdmin() {
    try {
        return veka::mevro::CurrentUserIsAdministrator();
    } catch (...) {
        return false;  // no answer is no administrator
    }
}
