// The drawing as a picture: the plan view of model space as an SVG document.
#pragma once

#include <string>

class AcDbDatabase;

// The plan view of model space as an SVG document.
std::string DrawingToSvg(AcDbDatabase& db);
// Writes it atomically (temporary file and rename); false with a message when it cannot.
bool WriteSvgFile(AcDbDatabase& db, const std::string& path, std::string& message);
