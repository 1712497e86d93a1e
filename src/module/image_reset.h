#pragma once
// The module image back to the state of a module after a GS reset, which is its power-on
// state: every system, effect and part value at its default, every drum map holding the
// power-on kit, or the kit of the drum part that plays it. The user drum sets keep their values
// (a GS reset does not touch the module's user drum memory). Nothing is transmitted.
namespace veka {

class TVGS;

void GsResetImage(TVGS& image);

}  // namespace veka
