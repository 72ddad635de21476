// The skinning library's one operation, as the program calls it.
#pragma once

#ifdef MOZHOU_SKIN_BUILD
#define MOZHOU_SKIN_API extern "C" __declspec(dllexport)
#else
#define MOZHOU_SKIN_API extern "C" __declspec(dllimport)
#endif

// The DLL's file name and the name of its export, for loading it by hand.
#define MOZHOU_SKIN_DLL_NAME L"mozhou-skin.dll"
#define MOZHOU_SKIN_ATTACH_NAME "skinAttach"

// Gives the calling thread's windows, those that exist and those created later, the colours of
// the skin image held at image (length bytes). password is for encrypted skins and may be null;
// the three integers are reserved and 0. Gives 1 when the skin is attached, and 0, changing
// nothing, when the image is not a valid skin.
using SkinAttachFunction = int (*)(const void* image, int length, const char* password, int,
                                   int, int);
