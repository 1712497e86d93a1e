#pragma once
// The module image back to the state of a module after a GS reset: every system, effect and
// part value at its power-on default, the drum maps empty except those of the drum parts,
// which hold their drum set again. The user drum sets keep their values (a GS reset does not
// touch the module's user drum memory). Nothing is transmitted.
namespace veka {

class TVGS;

void GsResetImage(TVGS& image);

}  // namespace veka
