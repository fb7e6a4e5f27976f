#pragma once

// The zoom commands of the form views: one tenth of real size per step,
// between real size (10) and two and a half times (25).
namespace FormZoom {

inline constexpr int Smallest = 10;
inline constexpr int Largest = 25;

inline bool canLarger(int zoom) { return zoom < Largest; }
inline bool canSmaller(int zoom) { return zoom > Smallest; }
inline int larger(int zoom) { return zoom > Largest - 1 ? zoom : zoom + 1; }
inline int smaller(int zoom) { return zoom < Smallest + 1 ? zoom : zoom - 1; }

// The "ZoomFactor" to store for a zoom, so that the next view, which
// multiplies the stored factor by the screen scale in percent, opens at the
// same zoom. At a scale of 100 it is the zoom itself.
int storedFactor(int zoom, int scalePercent);

} // namespace FormZoom
