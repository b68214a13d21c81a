#pragma once
// The about page of the information window.

#include <string>

namespace zelvano {

// An introduction, the editions of the game in date order and the thanks, every line ended by
// CR LF.
std::string aboutPageText();

}  // namespace zelvano
