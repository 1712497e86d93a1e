#pragma once
// Index checks that never stop the program: an operation with an index outside the image is
// ignored, and a debug build says so on standard error so the faulty caller can be found.
#include <cstdio>

#ifndef NDEBUG
#define VEKA_IGNORED(what) std::fprintf(stderr, "veka: ignored %s (index outside the image) at %s:%d\n", what, __FILE__, __LINE__)
#else
#define VEKA_IGNORED(what) ((void)0)
#endif
