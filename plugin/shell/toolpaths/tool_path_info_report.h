// Showing the tool information filed for a picked entity on the prompt line.
#pragma once

class CToolPathInfo;

// Asks for an entity and prints its information; a cancelled pick ends quietly.
void ShowToolPathInfoOfPick();
// The lines for one info object.
void PrintToolPathInfo(const CToolPathInfo& info);
