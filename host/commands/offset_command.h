// OFFSET: copies of curves at a distance, on the side a point shows.
#pragma once

namespace host {

class HostSession;

// The distance, then pairs of a curve and a side point until an empty answer.
void OffsetCommand(HostSession& session);

}  // namespace host
