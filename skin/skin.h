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
// the skin image held at image (length bytes; the format is skin/FORMAT.md). password is for
// encrypted skins and may be null; the three integers are reserved and 0. Our skins are never
// encrypted, so both are ignored. Gives 1 when the skin is attached, and 0, changing nothing,
// when the image is not a valid skin (wrong magic, version or length) or the thread cannot be
// watched. Attaching again replaces the colours.
//
// Skinned are the thread's top-level windows with a caption (main windows and dialogs) and every
// window inside them: they answer WM_CTLCOLOR* with the skin's colours unless their own
// procedure gives a colour of its own, top-level windows erase their background with the face
// and edit boxes get the border colour on their frame's outer line. No text, size, position,
// style or other behaviour changes, and window procedures set later with SetWindowLongPtrW and
// chained with CallWindowProcW keep the skin. Once a skin is attached the library stays loaded
// until the process ends, because the windows call into it; FreeLibrary then leaves it in place.
using SkinAttachFunction = int (*)(const void* image, int length, const char* password, int, int,
                                   int);

MOZHOU_SKIN_API int skinAttach(const void* image, int length, const char* password, int, int,
                               int) noexcept;
