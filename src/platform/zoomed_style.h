#pragma once

namespace dwaalbos {

// Check boxes and radio buttons drawn at the zoom step: the application's style with its
// indicators and their spacing scaled to `percent`. Installs the style the first time.
void zoomIndicators(int percent);

}  // namespace dwaalbos
