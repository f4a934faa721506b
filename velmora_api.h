// Export macro of velmora.dll. The host stand-ins are built into the same
// DLL here, so they share it.
#pragma once

#if defined(_WIN32) && defined(VELMORA_EXPORTS)
#define VELMORA_API __declspec(dllexport)
#elif defined(_WIN32)
#define VELMORA_API __declspec(dllimport)
#else
#define VELMORA_API
#endif
