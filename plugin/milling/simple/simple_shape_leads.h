// Lead moves of the simple profile, circular and sphere cycles where the room
// beside a pass is bounded: inside a small outline or a narrow ring.
#pragma once

class CLeadInOutDlg;

// When the largest lead arc and line together pass 0.75 x the room, fitted
// takes the lead's settings with all its sizes scaled down to fit; otherwise
// the settings as they are.
void FitLeadMovesInside(const CLeadInOutDlg& lead, double room, CLeadInOutDlg& fitted);
