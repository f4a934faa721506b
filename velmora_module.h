// The library's own module instance, saved when it is loaded: dialogs hand it
// to their framework base so that their templates come from our resources.
#pragma once

#include <windows.h>

HINSTANCE VelmoraGetInstance();
