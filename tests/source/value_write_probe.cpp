// Compiled with a layer's include roots by the layer tests: outside the layers that hold the
// image's writer, a parameter's record is read-only, so this must not compile.
#include "module/image.h"

void WriteAValue(veka::TVGS& image) { image.Part(0, 1, 9).Value = 1; }
