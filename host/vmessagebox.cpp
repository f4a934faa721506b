#include "host/vmessagebox.h"

int VMessageBox(const char* text, const char* caption, UINT type, UINT) {
    return ::MessageBoxA(::GetActiveWindow(), text, caption, type);
}
