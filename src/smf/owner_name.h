#pragma once
// The name a written song carries as its notice (meta 02): the user's full name from the
// password database (the first comma-separated field of GECOS), else the login name.
#include <string>

namespace veka {

std::string UserFullName();

}  // namespace veka
