#pragma once
// The framework's widgets belong to one thread. It is checked where the program reaches into the
// framework: making an object, finding a window, control or menu item, applying a property
// block, a message box, a beep, reading a picture.

namespace fw {

// Raises ThreadAccessingUIException when called off the user-interface thread.
void RequireUIThread();

}  // namespace fw
