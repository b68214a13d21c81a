#pragma once
// Windows open in the middle of the screen.

class QWidget;

namespace zelvano {

// Where a window of windowExtent starts on a screen of screenExtent: the difference rounded to a
// whole number (ties to even), then halved with the fraction dropped. A window larger than the
// screen gets a negative offset.
int centredOffset(double screenExtent, double windowExtent);

// Moves a top-level window, frame and all, to the middle of its screen. Before the first show the
// frame is not known yet: the window is placed by the frame last seen on another window, and
// centred again by its own frame once it is up (it only moves if the two differ).
void centreWindow(QWidget& window);

}  // namespace zelvano
