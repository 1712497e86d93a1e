// Compiled by the layer tests with one layer's include roots: VEKA_PROBE_HEADER is a header of
// that layer, of one below it (must compile) or of one above it (must not be found).
#include VEKA_PROBE_HEADER
