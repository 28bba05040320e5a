#pragma once

namespace dwaalbos {

// Check boxes and radio buttons drawn at the zoom step: the application's style with its
// indicators, their spacing and the message boxes' icons scaled to `percent`. Installs the
// style the first time.
void zoomIndicators(int percent);
// The step last given to zoomIndicators; 100 before the first.
int currentZoom();

}  // namespace dwaalbos
