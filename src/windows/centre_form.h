#pragma once
// Windows open in the middle of the screen.

class QWidget;

namespace zelvano {

// Where a window of windowExtent starts on a screen of screenExtent: the difference rounded to a
// whole number (ties to even), then halved with the fraction dropped. A window larger than the
// screen gets a negative offset.
int centredOffset(double screenExtent, double windowExtent);

// Moves a top-level window to the middle of its screen.
void CentreForm(QWidget& window);

}  // namespace zelvano
