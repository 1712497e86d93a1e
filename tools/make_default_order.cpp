// veka4-mkorder OUT_FILE: writes "default.scd", the order list the setup writer uses until the
// user picks another, from the same code that reads it.
#include <cstdio>
#include <string>

#include "smf/order_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: veka4-mkorder OUT_FILE\n");
        return 2;
    }
    std::string error;
    if (!veka::WriteOrderFile(veka::DefaultOrderList(), argv[1], error)) {
        std::fprintf(stderr, "veka4-mkorder: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
