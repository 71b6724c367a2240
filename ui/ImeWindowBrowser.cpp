#include "ImeWindow.h"

// The browser places text input itself.
void* imeWindowHandleOf(GLFWwindow* /*window*/) {
    return nullptr;
}
