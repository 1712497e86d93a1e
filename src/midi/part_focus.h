#pragma once
// The port the windows show (0..3), the part being edited there (1..16) and that part's receive
// channel (0..15). One record, held by the session: the windows set it, and the input router
// and the note player read it whenever a note comes, so none of them can fall out of step.

namespace veka {

struct TPartFocus {
    int Port = 0;
    int Part = 1;
    int Channel = 0;
};

}  // namespace veka
