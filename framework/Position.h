// POSITION: the opaque place of an element in a list or map, null past the end.
#pragma once

struct PositionTag;
typedef PositionTag* POSITION;

// A position that stands before the first element (maps answer it as a start).
#define BEFORE_START_POSITION ((POSITION)-1L)
