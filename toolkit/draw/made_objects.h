// The GDI objects the toolkit made and handed to a window class, a button or a menu item
// (brushes, bitmaps). One of them is deleted when a later call replaces it there; objects
// the platform or the caller put in are never touched. Internal to the toolkit.
#ifndef VU_DRAW_MADE_OBJECTS_H
#define VU_DRAW_MADE_OBJECTS_H

#include <windows.h>

namespace vu {

// Notes an object the toolkit made and handed over (null is ignored).
void RememberMade(HGDIOBJ object);
// Deletes object when the toolkit made it, and forgets it; anything else is left alone.
void ReleaseIfMade(HGDIOBJ object);

}  // namespace vu

#endif
