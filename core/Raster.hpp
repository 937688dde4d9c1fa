#pragma once

#include "LinePixels.hpp"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace core {

// A rectangle of whole pixels; right and bottom are the last pixels inside.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width - 1; }
    int bottom() const { return top + height - 1; }
};

// What a frame changed is repainted in rows of `rowHeight` logical pixels
// on a fixed grid, and within a row changed spans closer than `rowGap` are
// joined. Rectangles of one row share their top and bottom, so the window
// system does not split them into bands, and each dot costs a small
// rectangle however far its neighbours are. Measured under Xvfb: at
// 3840 x 2160, a moving chain as one joined rectangle cost 12.6 % of a core
// and the X server 6.8 %; in rows, 5.7 % and 2.7 %.
struct RepaintGrid {
    int rowHeight = 32;
    int rowGap = 64;
};

// The retained picture of a drawing surface at device resolution: RGB32
// pixels (0xffRRGGBB), round dots, straight lines and rectangle outlines, the
// last dot held back until the next drawing or look at the pixels, and what
// changed since the last repaint.
// Every row holds `width` pixels, so the rows are 4 * width bytes apart.
class Raster {
public:
    Raster() = default;
    Raster(int width, int height, std::uint32_t fill);
    // The held dot points into this raster's own table of dot shapes.
    Raster(const Raster&) = delete;
    Raster& operator=(const Raster&) = delete;
    Raster(Raster&&) = default;
    Raster& operator=(Raster&&) = default;
    ~Raster() = default;

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t* pixels() { return pixels_->data(); }
    const std::uint32_t* pixels() const { return pixels_->data(); }
    // Keeps the present pixels alive for whoever still shows them, after
    // the raster has moved on to a copy of its own (detach).
    std::shared_ptr<std::vector<std::uint32_t>> storage() const { return pixels_; }
    void detach();

    // Whether a point in device pixels is near enough to draw at all: points
    // far off the surface are dropped, so pixel arithmetic never overflows.
    static bool drawable(double x, double y);

    // A round dot of `diameter` device pixels centred on a device point; it
    // is held back until the next drawing, and replaces a held one unseen
    // when it covers exactly its pixels.
    void dot(double centreX, double centreY, int diameter, std::uint32_t value);
    bool dotWaiting() const { return held_.state == HeldDot::waiting; }
    // Draws the held dot into the pixels; the picture is then complete.
    void drawHeldDot();
    // Draws the held dot and counts its pixels as changed if it changed any;
    // true when it did.
    bool settleHeldDot();
    // A straight line between two device points, or the outline of the
    // rectangle with these corners, with a pen of `pen` device pixels
    // (see linePixels); points far off the surface draw nothing.
    void line(double x1, double y1, double x2, double y2, int pen, std::uint32_t value);
    void box(double x1, double y1, double x2, double y2, int pen, std::uint32_t value);
    // Everything in one value, the held dot dropped.
    void fill(std::uint32_t value);
    // A filled rectangle of device pixels, clipped to the raster.
    void fillRect(const PixelRect& rect, std::uint32_t value);

    // Counts a rectangle of device pixels as changed.
    void changed(const PixelRect& deviceRect);
    bool hasChanges() const { return !changedRects_.empty(); }
    // The changed area as rectangles to repaint in logical pixels (device
    // pixels over `ratio`) within a surface of the given logical size, sorted
    // by row and left and apart from each other; forgets the changes.
    const std::vector<PixelRect>& takeRepaintRows(
        double ratio, int logicalWidth, int logicalHeight, RepaintGrid grid = {});
    // The changed area as rectangles of device pixels within the raster, each
    // dot's erasing and drawing of all passes since the last repaint in one;
    // forgets the changes.
    const std::vector<PixelRect>& takeChangedRects();

private:
    struct Span {
        int dx;
        int length;
    };

    // A changed span of one row of the repaint grid, in logical pixels.
    struct RowSpan {
        int row;
        int left;
        int right;
    };

    // The last dot, held back from the pixels until the next drawing. Once
    // drawn, it knows whether it changed any pixel; only one that replaced
    // another reads the pixels to find out (the chain at rest), any other
    // counts as a change.
    struct HeldDot {
        enum State { none, waiting, drawn };
        PixelRect box;
        const std::vector<Span>* shape = nullptr;
        std::uint32_t value = 0;
        State state = none;
        bool replaces = false;
        bool changed = false;
    };

    const std::vector<Span>& dotSpans(int diameter);
    void stroke(double x1, double y1, double x2, double y2, int pen, std::uint32_t value, bool box);

    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<std::vector<std::uint32_t>> pixels_ = std::make_shared<std::vector<std::uint32_t>>();
    HeldDot held_;
    std::map<int, std::vector<Span>> dotShapes_;
    int shapeDiameter_ = 0;
    const std::vector<Span>* shape_ = nullptr;
    std::vector<PixelRect> changedRects_;
    std::vector<RowSpan> rowSpans_; // reused by each repaint
    std::vector<PixelRect> rows_;
    std::vector<PixelRun> runs_; // reused by each line
};

} // namespace core
