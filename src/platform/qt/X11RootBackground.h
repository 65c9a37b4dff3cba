// The wallpaper of an X11 session without a desktop of its own: the root window's
// background pixmap, announced through _XROOTPMAP_ID and ESETROOT_PMAP_ID so that
// compositors and transparent terminals pick it up.
#pragma once

class QImage;

namespace x11 {

// The picture centred on each monitor of a black screen, as Windows places a wallpaper
// by default; one larger than a monitor shows its middle.
bool SetRootBackground(const QImage& picture);

}  // namespace x11
