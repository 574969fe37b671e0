// The drawing commands of cadhost. Points are asked in the current UCS; the
// entities get world coordinates and the UCS Z axis as their normal.
#pragma once

namespace host {

class HostSession;

void LineCommand(HostSession& session);
void ArcCommand(HostSession& session);
void CircleCommand(HostSession& session);
void PlineCommand(HostSession& session);
void PointCommand(HostSession& session);
void EllipseCommand(HostSession& session);
void SplineCommand(HostSession& session);

}  // namespace host
