#pragma once
// The framework's widgets belong to one thread. Every user-interface operation checks it.

namespace fw {

// Raises ThreadAccessingUIException when called off the user-interface thread.
void RequireUIThread();

}  // namespace fw
