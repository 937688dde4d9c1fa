#pragma once

#include <vector>

namespace surface {

// A run of pixels along one row.
struct PixelRun {
    int x;
    int y;
    int length;
};

// The pixels of a straight line and of a rectangle's outline drawn with an
// aliased pen of `pen` whole device pixels (round caps, miter joins) on a
// device of width x height pixels: exactly those Qt 6's raster engine paints,
// so pictures look as they did when Qt drew them and a line drawn again in
// the background colour covers exactly its pixels. A pen of 1 is Qt's thin
// line, a wider one its outline of the stroke filled by pixel centres. Runs
// lie within the device and may overlap.
void linePixels(
    double x1, double y1, double x2, double y2, int pen, int width, int height, std::vector<PixelRun>& runs);
void boxPixels(double x1, double y1, double x2, double y2, int pen, int width, int height, std::vector<PixelRun>& runs);

} // namespace surface
