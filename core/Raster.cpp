#include "Raster.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <tuple>

namespace core {

namespace {

// std::lround without the library call; exact, as v is within the drawable range.
int nearest(double v)
{
    const auto whole = static_cast<int>(v);
    const double rest = v - whole;
    return whole + (rest >= 0.5 ? 1 : 0) - (rest <= -0.5 ? 1 : 0);
}

PixelRect joined(const PixelRect& a, const PixelRect& b)
{
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(a.right(), b.right()) - left + 1, std::max(a.bottom(), b.bottom()) - top + 1};
}

long long area(const PixelRect& r)
{
    return static_cast<long long>(r.width) * r.height;
}

// Joins b into a when that costs no more pixels, as a dot erased and drawn
// again a little further on.
bool joinedInto(PixelRect& a, const PixelRect& b)
{
    const PixelRect both = joined(a, b);
    if (area(both) > area(a) + area(b)) {
        return false;
    }
    a = both;
    return true;
}

} // namespace

Raster::Raster(int width, int height, std::uint32_t fill)
    : width_(std::max(0, width))
    , height_(std::max(0, height))
    , pixels_(std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width_) * height_, fill))
{
}

void Raster::detach()
{
    pixels_ = std::make_shared<std::vector<std::uint32_t>>(*pixels_);
}

bool Raster::drawable(double x, double y)
{
    constexpr double limit = 1e7;
    return std::isfinite(x) && std::isfinite(y) && std::abs(x) < limit && std::abs(y) < limit;
}

const std::vector<Raster::Span>& Raster::dotSpans(int d)
{
    auto found = dotShapes_.find(d);
    if (found != dotShapes_.end()) {
        return found->second;
    }
    // Pixel (i, j) of the d x d box belongs to the dot when its centre lies
    // inside the circle of diameter d, so the dot is exactly d pixels across.
    std::vector<Span> rows;
    const double r = d / 2.0;
    for (int j = 0; j < d; ++j) {
        int first = -1;
        int last = -1;
        for (int i = 0; i < d; ++i) {
            const double dx = i + 0.5 - r;
            const double dy = j + 0.5 - r;
            if (dx * dx + dy * dy <= r * r) {
                if (first < 0) {
                    first = i;
                }
                last = i;
            }
        }
        rows.push_back(first < 0 ? Span{0, 0} : Span{first, last - first + 1});
    }
    return dotShapes_.emplace(d, std::move(rows)).first->second;
}

void Raster::dot(double centreX, double centreY, int diameter, std::uint32_t value)
{
    const int d = diameter;
    if (!drawable(centreX, centreY)) {
        return;
    }
    const PixelRect box{nearest(centreX - d / 2.0), nearest(centreY - d / 2.0), d, d};
    // A new dot over exactly the pixels of a held one that is not yet drawn
    // replaces it: a dot erased and redrawn in place costs one dot.
    const bool replaces = held_.state == HeldDot::waiting && held_.box.left == box.left && held_.box.top == box.top
        && held_.box.width == box.width && held_.box.height == box.height;
    if (!replaces) {
        settleHeldDot();
    }
    if (d != shapeDiameter_) {
        shape_ = &dotSpans(d);
        shapeDiameter_ = d;
    }
    held_.box = box;
    held_.shape = shape_;
    held_.value = value;
    held_.state = HeldDot::waiting;
    held_.replaces = replaces;
}

void Raster::drawHeldDot()
{
    if (held_.state != HeldDot::waiting) {
        return;
    }
    held_.state = HeldDot::drawn;
    const PixelRect& box = held_.box;
    const std::uint32_t value = held_.value;
    const std::vector<Span>& shape = *held_.shape;
    const int w = width_;
    const auto stride = static_cast<std::ptrdiff_t>(width_);
    const int rows = std::min(box.height, height_ - box.top);
    // Only a dot over the pixels of one it replaced has to look whether it
    // changes any; elsewhere a dot that moves is taken as a change unread.
    bool changed = !held_.replaces;
    const int firstRow = std::max(0, -box.top);
    std::uint32_t* line
        = firstRow < rows ? pixels_->data() + static_cast<std::ptrdiff_t>(box.top + firstRow) * stride : nullptr;
    for (int j = firstRow; j < rows; ++j, line += stride) {
        const Span span = shape[static_cast<std::size_t>(j)];
        const int from = std::max(0, box.left + span.dx);
        const int to = std::min(w, box.left + span.dx + span.length);
        if (from >= to) {
            continue;
        }
        changed = changed || std::any_of(line + from, line + to, [value](std::uint32_t old) {
            return old != value;
        });
        std::fill(line + from, line + to, value);
    }
    held_.changed = changed;
}

bool Raster::settleHeldDot()
{
    drawHeldDot();
    const bool counted = held_.state == HeldDot::drawn && held_.changed;
    if (counted) {
        changed(held_.box);
    }
    held_.state = HeldDot::none;
    return counted;
}

void Raster::line(double x1, double y1, double x2, double y2, int pen, std::uint32_t value)
{
    stroke(x1, y1, x2, y2, pen, value, false);
}

void Raster::box(double x1, double y1, double x2, double y2, int pen, std::uint32_t value)
{
    stroke(x1, y1, x2, y2, pen, value, true);
}

void Raster::stroke(double x1, double y1, double x2, double y2, int pen, std::uint32_t value, bool box)
{
    settleHeldDot();
    if (!drawable(x1, y1) || !drawable(x2, y2)) {
        return;
    }
    runs_.clear();
    (box ? boxPixels : linePixels)(x1, y1, x2, y2, pen, width_, height_, runs_);
    const auto stride = static_cast<std::ptrdiff_t>(width_);
    for (const PixelRun& run : runs_) {
        const int from = std::max(0, run.x);
        const int to = std::min(width_, run.x + run.length);
        if (run.y >= 0 && run.y < height_ && from < to) {
            std::uint32_t* row = pixels_->data() + (run.y * stride);
            std::fill(row + from, row + to, value);
        }
    }
    // The pen's width around the corners' pixels covers every pixel drawn.
    const auto left = static_cast<int>(std::floor(std::min(x1, x2))) - pen;
    const auto top = static_cast<int>(std::floor(std::min(y1, y2))) - pen;
    const auto right = static_cast<int>(std::ceil(std::max(x1, x2))) + pen;
    const auto bottom = static_cast<int>(std::ceil(std::max(y1, y2))) + pen;
    changed({left, top, right - left, bottom - top});
}

void Raster::fillRect(const PixelRect& rect, std::uint32_t value)
{
    settleHeldDot();
    const int left = std::max(0, rect.left);
    const int top = std::max(0, rect.top);
    const int right = std::min(width_, rect.left + rect.width);
    const int bottom = std::min(height_, rect.top + rect.height);
    if (left >= right || top >= bottom) {
        return;
    }
    const auto stride = static_cast<std::ptrdiff_t>(width_);
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = pixels_->data() + (y * stride);
        std::fill(row + left, row + right, value);
    }
    changed({left, top, right - left, bottom - top});
}

void Raster::fill(std::uint32_t value)
{
    held_.state = HeldDot::none;
    std::fill(pixels_->begin(), pixels_->end(), value);
    changed({0, 0, width_, height_});
}

void Raster::changed(const PixelRect& deviceRect)
{
    if (!changedRects_.empty() && joinedInto(changedRects_.back(), deviceRect)) {
        return;
    }
    // A long run without a repaint (a benchmark) keeps only the bounds.
    constexpr std::size_t mostRects = 1024;
    if (changedRects_.size() >= mostRects) {
        changedRects_.assign(
            1, std::accumulate(changedRects_.begin() + 1, changedRects_.end(), changedRects_.front(), joined));
    }
    changedRects_.push_back(deviceRect);
}

const std::vector<PixelRect>& Raster::takeRepaintRows(
    double ratio, int logicalWidth, int logicalHeight, RepaintGrid grid)
{
    const int rowHeight = grid.rowHeight;
    const int rowGap = grid.rowGap;
    rowSpans_.clear();
    for (const PixelRect& r : changedRects_) {
        // The logical pixels the device rectangle touches, within the surface.
        const double x = r.left / ratio;
        const double y = r.top / ratio;
        const int left = std::max(0, static_cast<int>(std::floor(x)));
        const int top = std::max(0, static_cast<int>(std::floor(y)));
        const int right = std::min(logicalWidth, static_cast<int>(std::ceil(x + r.width / ratio))) - 1;
        const int bottom = std::min(logicalHeight, static_cast<int>(std::ceil(y + r.height / ratio))) - 1;
        if (left > right || top > bottom) {
            continue;
        }
        for (int row = top / rowHeight; row <= bottom / rowHeight; ++row) {
            rowSpans_.push_back({row, left, right});
        }
    }
    changedRects_.clear();
    std::sort(rowSpans_.begin(), rowSpans_.end(), [](const RowSpan& a, const RowSpan& b) {
        return std::tie(a.row, a.left, a.right) < std::tie(b.row, b.left, b.right);
    });
    rows_.clear();
    for (const RowSpan& s : rowSpans_) {
        if (!rows_.empty() && rows_.back().top == s.row * rowHeight && s.left <= rows_.back().right() + rowGap) {
            rows_.back().width = std::max(rows_.back().right(), s.right) - rows_.back().left + 1;
        } else {
            rows_.push_back({s.left, s.row * rowHeight, s.right - s.left + 1, rowHeight});
        }
    }
    return rows_;
}

const std::vector<PixelRect>& Raster::takeChangedRects()
{
    rows_.clear();
    for (const PixelRect& r : changedRects_) {
        const int left = std::max(0, r.left);
        const int top = std::max(0, r.top);
        const int right = std::min(width_ - 1, r.right());
        const int bottom = std::min(height_ - 1, r.bottom());
        if (left > right || top > bottom) {
            continue;
        }
        const PixelRect inside{left, top, right - left + 1, bottom - top + 1};
        // A later pass draws the dots in the same order, so a dot's earlier
        // rectangle is found a chain's length back, not just the last one.
        const auto earlier = std::find_if(rows_.rbegin(), rows_.rend(), [&inside](PixelRect& a) {
            return joinedInto(a, inside);
        });
        if (earlier == rows_.rend()) {
            rows_.push_back(inside);
        }
    }
    changedRects_.clear();
    return rows_;
}

} // namespace core
