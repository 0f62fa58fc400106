#pragma once

namespace fendrake {

// Registers the compiled-in pictures (icons, verdict badges). The resource object lives in a static
// library, so nothing registers it unless asked; safe to call more than once.
void initResources();

} // namespace fendrake
