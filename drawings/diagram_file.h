#pragma once

#include <filesystem>
#include <string>

#include "drawings/ph_diagram_drawing.h"

namespace tessaro {

// Writes the diagram into a picture file without any window: SVG (vector) for a name ending in
// ".svg", PNG otherwise, 1000 x 700 pixels. The file is written beside its place and renamed over
// it, so a failed write leaves no half-written picture. Needs a QGuiApplication. False with the
// reason in error when the file cannot be written.
bool WriteDiagramFile(const std::filesystem::path& path, const PhDiagram& diagram,
                      const PhDiagramTexts& texts, std::string& error);

}  // namespace tessaro
