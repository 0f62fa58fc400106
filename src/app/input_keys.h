#pragma once

namespace fendrake {

class Form1;

// Puts the key filter on each query box of the main window: its forbidden set, its Enter action
// and, for three boxes, the button whose enabled state allows that action.
void wireInputKeys(Form1 &form);

} // namespace fendrake
