#pragma once
// The one writer of the image's parameter records. The readers of setup files, songs and
// replies, the resets, the undo history and the commands store values through it without an
// event per value; everyone else reads the records through the image's const accessors and
// changes a value only through a set operation, which tells the windows and the port.
//
// This folder is an include root of the layers that write (module, smf, midi, document, cli)
// and of the tests, never of the widgets, windows or the program: a window that tries to write
// a record does not compile.
#include "module/image.h"

namespace veka {

class TImageWriter {
public:
    explicit TImageWriter(TVGS& image) : Image_(image) {}

    // Out-of-range indices give a scratch record that belongs to nothing.
    TOneParameter& System(int number) { return Image_.WritableSystem(number); }
    TOneParameter& Part(int port, int part, int parameter) { return Image_.WritablePart(port, part, parameter); }
    TOneParameter& Drum(int port, int map, int parameter, int note) {
        return Image_.WritableDrum(port, map, parameter, note);
    }
    TOneParameter& UserDrum(int set, int parameter, int note) { return Image_.WritableUserDrum(set, parameter, note); }
    TVGS& Image() { return Image_; }

private:
    TVGS& Image_;
};

}  // namespace veka
