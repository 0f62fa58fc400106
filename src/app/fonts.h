#pragma once

namespace fendrake {

// The designs name Windows fonts (微软雅黑, 宋体, 新宋体, Verdana); map them onto families installed here.
// Call once, after the application object exists and before any window is built.
void installFontSubstitutions();

} // namespace fendrake
