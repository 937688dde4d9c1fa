#include "LinePixels.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

// Every step below repeats Qt's own arithmetic in the same order, rounding
// included: a different but equally good formula would move pixels on the
// edge of a stroke, and a line erased by drawing it again would leave traces.
namespace surface {

namespace {

struct Vec {
    double x;
    double y;
};

bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1000000000000. <= std::min(std::abs(a), std::abs(b));
}

bool fuzzyNull(double d)
{
    return std::abs(d) <= 0.000000000001;
}

// Qt's comparison of points: relative, or absolute next to zero.
bool samePoint(Vec a, Vec b)
{
    const auto same = [](double p, double q) {
        return (p == 0.0 || q == 0.0) ? fuzzyNull(p - q) : fuzzyEqual(p, q);
    };
    return same(a.x, b.x) && same(a.y, b.y);
}

// Rounds half away from zero, as Qt does on x86-64.
int roundHalfAway(double d)
{
    return static_cast<int>(d + std::copysign(0.5, d));
}

struct Segment {
    Vec p1;
    Vec p2;

    double dx() const { return p2.x - p1.x; }
    double dy() const { return p2.y - p1.y; }
    double length() const { return std::hypot(dx(), dy()); }
    bool isNull() const { return fuzzyEqual(p1.x, p2.x) && fuzzyEqual(p1.y, p2.y); }

    void setLength(double len)
    {
        const double old = length();
        if (old > 0) {
            p2 = {p1.x + len * (dx() / old), p1.y + len * (dy() / old)};
        }
    }

    void translate(double x, double y)
    {
        p1 = {p1.x + x, p1.y + y};
        p2 = {p2.x + x, p2.y + y};
    }

    Segment normal() const { return {p1, {p1.x + dy(), p1.y + -dx()}}; }

    double angle() const
    {
        const double theta = std::atan2(-dy(), dx()) * (180 / M_PI);
        const double normalized = theta < 0 ? theta + 360 : theta;
        return fuzzyEqual(normalized, 360.0) ? 0.0 : normalized;
    }

    double angleTo(const Segment& l) const
    {
        if (isNull() || l.isNull()) {
            return 0;
        }
        const double delta = l.angle() - angle();
        return fuzzyEqual(delta, 360.0) ? 0.0 : (delta < 0 ? delta + 360 : delta);
    }

    enum Crossing { none, bounded, unbounded };

    Crossing intersects(const Segment& l, Vec& at) const
    {
        const Vec a{p2.x - p1.x, p2.y - p1.y};
        const Vec b{l.p1.x - l.p2.x, l.p1.y - l.p2.y};
        const Vec c{p1.x - l.p1.x, p1.y - l.p1.y};
        const double denominator = a.y * b.x - a.x * b.y;
        if (denominator == 0 || !std::isfinite(denominator)) {
            return none;
        }
        const double reciprocal = 1 / denominator;
        const double na = (b.y * c.x - b.x * c.y) * reciprocal;
        at = {p1.x + a.x * na, p1.y + a.y * na};
        if (na < 0 || na > 1) {
            return unbounded;
        }
        const double nb = (a.x * c.y - a.y * c.x) * reciprocal;
        return (nb < 0 || nb > 1) ? unbounded : bounded;
    }
};

// ---- Thin lines: a pen of one pixel steps along the major axis. ----

constexpr int capBegin = 1;
constexpr int capEnd = 2;

enum Direction { noDirection = 0, topToBottom = 1, bottomToTop = 2, leftToRight = 4, rightToLeft = 8 };
constexpr int verticalMask = 3;
constexpr int horizontalMask = 12;

struct Pixel {
    int x;
    int y;
};

// No pixel drawn yet that a next step would have to join.
constexpr int unknown = std::numeric_limits<int>::min();

int toF26Dot6(double v)
{
    return static_cast<int>(v * 64.);
}

int fixedDiv(int x, int y)
{
    if (std::abs(x) > 0x7fff) {
        return static_cast<int>((static_cast<std::int64_t>(x) << 16) / y);
    }
    return (x << 16) / y;
}

int swapCaps(int caps)
{
    return ((caps & capBegin) << 1) | ((caps & capEnd) >> 1);
}

void capAdjust(int caps, int& x1, int& x2, int& y, int yinc)
{
    if ((caps & capBegin) != 0) {
        x1 -= 32;
        y -= yinc >> 1;
    }
    if ((caps & capEnd) != 0) {
        x2 += 32;
    }
}

class ThinStroke {
public:
    ThinStroke(int width, int height, std::vector<PixelRun>& runs)
        : width_(width)
        , height_(height)
        , xmax_(width + 1)
        , ymax_(height + 1)
        , runs_(runs)
    {
    }

    void line(Vec a, Vec b)
    {
        if (samePoint(a, b)) {
            pixel(roundHalfAway(a.x), roundHalfAway(a.y));
            return;
        }
        lastPixel_ = {unknown, unknown};
        stroke(a.x, a.y, b.x, b.y, capBegin | capEnd);
    }

    // A closed polygon of four corners, as a rectangle's outline.
    void closedQuad(const Vec (&p)[4])
    {
        calculateLastPoint(p[3].x, p[3].y, p[0].x, p[0].y);
        Vec from = p[0];
        for (int i = 1; i < 4; ++i) {
            const bool drew = stroke(from.x, from.y, p[i].x, p[i].y, 0);
            // A step too short to draw keeps its start, so short sides leave no gap.
            if (drew || i == 1 || i == 3) {
                from = p[i];
            }
        }
        stroke(from.x, from.y, p[0].x, p[0].y, 0);
    }

private:
    void pixel(int x, int y)
    {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) {
            runs_.push_back({x, y, 1});
        }
    }

    // Clips in floating point to a pixel beyond the device; true when nothing is left.
    bool clipLine(double& x1, double& y1, double& x2, double& y2)
    {
        const bool gone = clipAxis(x1, y1, x2, y2, xmin_, xmax_) || clipAxis(y1, x1, y2, x2, ymin_, ymax_);
        if (gone) {
            lastPixel_.x = unknown;
        }
        return gone;
    }

    bool clipAxis(double& a1, double& b1, double& a2, double& b2, double low, double high)
    {
        if (a1 < low) {
            if (a2 <= low) {
                return true;
            }
            b1 += (b2 - b1) / (a2 - a1) * (low - a1);
            a1 = low;
        } else if (a1 > high) {
            if (a2 >= high) {
                return true;
            }
            b1 += (b2 - b1) / (a2 - a1) * (high - a1);
            a1 = high;
        }
        if (a2 < low) {
            lastPixel_.x = unknown;
            b2 += (b2 - b1) / (a2 - a1) * (low - a2);
            a2 = low;
        } else if (a2 > high) {
            lastPixel_.x = unknown;
            b2 += (b2 - b1) / (a2 - a1) * (high - a2);
            a2 = high;
        }
        return false;
    }

    void calculateLastPoint(double rx1, double ry1, double rx2, double ry2)
    {
        lastPixel_ = {unknown, unknown};
        if (clipLine(rx1, ry1, rx2, ry2)) {
            return;
        }
        int x1 = toF26Dot6(rx1);
        int y1 = toF26Dot6(ry1);
        int x2 = toF26Dot6(rx2);
        int y2 = toF26Dot6(ry2);
        const bool vertical = std::abs(x2 - x1) < std::abs(y2 - y1);
        if (!vertical && x1 == x2) {
            return;
        }
        // Along the major axis a, with the minor axis b.
        int& a1 = vertical ? y1 : x1;
        int& a2 = vertical ? y2 : x2;
        int& b1 = vertical ? x1 : y1;
        int& b2 = vertical ? x2 : y2;
        const bool swapped = a1 > a2;
        if (swapped) {
            std::swap(a1, a2);
            std::swap(b1, b2);
        }
        const int inc = fixedDiv(b2 - b1, a2 - a1);
        int b = b1 * 1024;
        const int a = (a1 + 32) >> 6;
        const int as = (a2 + 32) >> 6;
        const int round = inc > 0 ? 32 : 0;
        if (a == as) {
            return;
        }
        b += (((a * 64) + round - a1) * inc) >> 6;
        const Pixel onAxis = swapped ? Pixel{a, b >> 16} : Pixel{as - 1, (b + (as - a - 1) * inc) >> 16};
        lastPixel_ = vertical ? Pixel{onAxis.y, onAxis.x} : onAxis;
        lastDir_ = vertical ? (swapped ? bottomToTop : topToBottom) : (swapped ? rightToLeft : leftToRight);
        lastAxisAligned_ = std::abs(inc) < (1 << 14);
    }

    // One step of the polyline; true when it drew, or covered a pixel's length.
    bool stroke(double rx1, double ry1, double rx2, double ry2, int caps)
    {
        bool didDraw = std::abs(rx2 - rx1) + std::abs(ry2 - ry1) >= 1.0;
        if (clipLine(rx1, ry1, rx2, ry2)) {
            return true;
        }
        int x1 = toF26Dot6(rx1);
        int y1 = toF26Dot6(ry1);
        int x2 = toF26Dot6(rx2);
        int y2 = toF26Dot6(ry2);
        const bool vertical = std::abs(x2 - x1) < std::abs(y2 - y1);
        if (!vertical && x1 == x2) {
            return true;
        }
        // Stepping along the major axis a; b is the minor one, in 16.16.
        int& a1 = vertical ? y1 : x1;
        int& a2 = vertical ? y2 : x2;
        int& b1 = vertical ? x1 : y1;
        int& b2 = vertical ? x2 : y2;
        const auto toPixel = [vertical](int major, int minor) {
            return vertical ? Pixel{minor, major} : Pixel{major, minor};
        };
        const auto major = [vertical](Pixel p) {
            return vertical ? p.y : p.x;
        };
        Direction dir = vertical ? topToBottom : leftToRight;
        const bool swapped = a1 > a2;
        if (swapped) {
            std::swap(a1, a2);
            std::swap(b1, b2);
            caps = swapCaps(caps);
            dir = vertical ? bottomToTop : rightToLeft;
        }
        const int inc = fixedDiv(b2 - b1, a2 - a1);
        int b = b1 * 1024;
        if ((lastDir_ ^ (vertical ? verticalMask : horizontalMask)) == dir) {
            caps |= swapped ? capEnd : capBegin;
        }
        capAdjust(caps, a1, a2, b, inc);
        int a = (a1 + 32) >> 6;
        int as = (a2 + 32) >> 6;
        const int round = inc > 0 ? 32 : 0;
        // The cap's half pixel must not move the start off the corner's pixel.
        if ((caps & capBegin) != 0 && major(lastPixel_) == a + 1) {
            ++a;
        }
        Pixel last = lastPixel_;
        if (a != as) {
            b += (((a * 64) + round - a1) * inc) >> 6;
            Pixel first = toPixel(a, b >> 16);
            last = toPixel(as - 1, (b + (as - a - 1) * inc) >> 16);
            if (swapped) {
                std::swap(first, last);
            }
            const bool axisAligned = std::abs(inc) < (1 << 14);
            if (lastPixel_.x > unknown) {
                const int offX = std::abs(lastPixel_.x - first.x);
                const int offY = std::abs(lastPixel_.y - first.y);
                if (offX == 0 && offY == 0) {
                    // the corner pixel is drawn once
                    if (swapped) {
                        --as;
                    } else {
                        ++a;
                        b += inc;
                    }
                } else if (lastDir_ != dir
                    && ((axisAligned && lastAxisAligned_ && offX != 0 && offY != 0) || offX > 1 || offY > 1)) {
                    // a gap at the corner is filled
                    if (swapped) {
                        ++as;
                    } else {
                        --a;
                        b -= inc;
                    }
                } else if (lastDir_ == dir && offX <= 1 && offY > 1) {
                    b += inc >> 1;
                    last = toPixel(major(last), (swapped ? b : b + (as - a - 1) * inc) >> 16);
                }
            }
            lastDir_ = dir;
            lastAxisAligned_ = axisAligned;
            do {
                const Pixel p = toPixel(a, b >> 16);
                pixel(p.x, p.y);
                b += inc;
            } while (++a < as);
            didDraw = true;
        }
        lastPixel_ = last;
        return didDraw;
    }

    int width_;
    int height_;
    double xmin_ = -1;
    double xmax_;
    double ymin_ = -1;
    double ymax_;
    Pixel lastPixel_{unknown, unknown};
    int lastDir_ = noDirection;
    bool lastAxisAligned_ = false;
    std::vector<PixelRun>& runs_;
};

// ---- Wide pens: the outline of the stroke, flattened and filled. ----

// The outline as closed polygons, in the order the stroker emits it.
class Outline {
public:
    void moveTo(Vec p)
    {
        closeContour();
        start_ = points_.size();
        contours_.push_back(points_.size());
        add(p);
        back2_ = back1_;
        back1_ = p;
    }

    void lineTo(Vec p)
    {
        add(p);
        back2_ = back1_;
        back1_ = p;
    }

    void cubicTo(Vec c1, Vec c2, Vec e)
    {
        flatten(points_.back(), c1, c2, e);
        const bool c2AtEnd = c2.x == e.x && c2.y == e.y;
        const bool c1AtEnd = c1.x == e.x && c1.y == e.y;
        back2_ = c2AtEnd ? (c1AtEnd ? back1_ : c1) : c2;
        back1_ = e;
    }

    void closeContour()
    {
        if (!points_.empty() && !samePoint(points_.back(), points_[start_])) {
            add(points_[start_]);
        }
    }

    Vec back1() const { return back1_; }
    Vec back2() const { return back2_; }
    const std::vector<Vec>& points() const { return points_; }
    const std::vector<std::size_t>& contours() const { return contours_; }

private:
    void add(Vec p) { points_.push_back(p); }

    struct Bezier {
        double x1, y1, x2, y2, x3, y3, x4, y4;
    };

    // Halves b into first and second, which may be b itself.
    static void split(const Bezier& b, Bezier& first, Bezier& second)
    {
        const Bezier o = b;
        double c = (o.x2 + o.x3) * .5;
        first.x2 = (o.x1 + o.x2) * .5;
        second.x3 = (o.x3 + o.x4) * .5;
        first.x1 = o.x1;
        second.x4 = o.x4;
        first.x3 = (first.x2 + c) * .5;
        second.x2 = (second.x3 + c) * .5;
        first.x4 = second.x1 = (first.x3 + second.x2) * .5;
        c = (o.y2 + o.y3) / 2;
        first.y2 = (o.y1 + o.y2) * .5;
        second.y3 = (o.y3 + o.y4) * .5;
        first.y1 = o.y1;
        second.y4 = o.y4;
        first.y3 = (first.y2 + c) * .5;
        second.y2 = (second.y3 + c) * .5;
        first.y4 = second.y1 = (first.y3 + second.y2) * .5;
    }

    // Splits until both control points lie within a quarter pixel of the chord.
    void flatten(Vec p1, Vec p2, Vec p3, Vec p4)
    {
        constexpr double threshold = 0.25;
        Bezier stack[10];
        int levels[10];
        stack[0] = {p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y};
        levels[0] = 9;
        int top = 0;
        while (top >= 0) {
            Bezier& b = stack[top];
            const double y4y1 = b.y4 - b.y1;
            const double x4x1 = b.x4 - b.x1;
            double l = std::abs(x4x1) + std::abs(y4y1);
            double d = 0;
            if (l > 1.) {
                d = std::abs((x4x1) * (b.y1 - b.y2) - (y4y1) * (b.x1 - b.x2))
                    + std::abs((x4x1) * (b.y1 - b.y3) - (y4y1) * (b.x1 - b.x3));
            } else {
                d = std::abs(b.x1 - b.x2) + std::abs(b.y1 - b.y2) + std::abs(b.x1 - b.x3) + std::abs(b.y1 - b.y3);
                l = 1.;
            }
            if (d < threshold * l || levels[top] == 0) {
                add({b.x4, b.y4});
                --top;
            } else {
                split(b, stack[top + 1], b);
                levels[top + 1] = --levels[top];
                ++top;
            }
        }
    }

    std::vector<Vec> points_;
    std::vector<std::size_t> contours_;
    std::size_t start_ = 0;
    Vec back1_{0, 0};
    Vec back2_{0, 0};
};

constexpr double kappa = 0.5522847498;

// The stroker's side of a polyline of straight pieces at half the pen's
// width, with round caps and miter joins.
class WideStroke {
public:
    explicit WideStroke(double pen)
        : width_(pen)
        , offset_(pen / 2)
    {
    }

    // The outline of the path through `points`; a closed path ends where it starts.
    void stroke(const std::vector<Vec>& points)
    {
        std::vector<Vec> reversed(points.rbegin(), points.rend());
        Segment forwardTangent{};
        Segment backwardTangent{};
        const bool forwardClosed = side(points, false, forwardTangent);
        const bool backwardClosed = side(reversed, !forwardClosed, backwardTangent);
        if (!backwardClosed && !forwardTangent.isNull()) {
            join(points.front(), forwardTangent, true);
        }
        outline_.closeContour();
    }

    const Outline& outline() const { return outline_; }

private:
    bool side(const std::vector<Vec>& points, bool capFirst, Segment& startTangent)
    {
        const Vec start = points.front();
        Vec prev = start;
        bool first = true;
        for (std::size_t i = 1; i < points.size(); ++i) {
            Segment line{prev, points[i]};
            if (samePoint(line.p1, line.p2)) {
                continue;
            }
            Segment normal = line.normal();
            normal.setLength(offset_);
            line.translate(normal.dx(), normal.dy());
            if (first) {
                if (capFirst) {
                    join(prev, line, true);
                } else {
                    outline_.moveTo(line.p1);
                }
                startTangent = line;
                first = false;
            } else {
                join(prev, line, false);
            }
            outline_.lineTo(line.p2);
            prev = points[i];
        }
        const bool closed = fuzzyEqual(start.x, prev.x) && fuzzyEqual(start.y, prev.y);
        if (closed && !first) {
            join(prev, startTangent, false);
        }
        return closed;
    }

    void join(Vec focal, const Segment& next, bool cap)
    {
        const Vec back1 = outline_.back1();
        if (fuzzyEqual(back1.x, next.p1.x) && fuzzyEqual(back1.y, next.p1.y)) {
            return;
        }
        const Segment prevLine{outline_.back2(), back1};
        if (cap) {
            roundCap(focal, prevLine, next);
        } else {
            miter(focal, prevLine, next);
        }
    }

    void roundCap(Vec focal, const Segment& prevLine, const Segment& next)
    {
        Segment l1 = prevLine;
        const double dp = prevLine.dx() * next.dx() + prevLine.dy() * next.dy();
        if (dp > 0) {
            l1 = {prevLine.p2, prevLine.p1};
        } else {
            l1.translate(l1.dx(), l1.dy());
        }
        l1.setLength(kappa * offset_);
        Segment l2{focal, prevLine.p2};
        l2.translate(-l2.dy(), l2.dx());
        l2.setLength(kappa * offset_);
        outline_.cubicTo(l1.p2, l2.p2, l2.p1);
        l2 = {l2.p1, {l2.p1.x - l2.dx(), l2.p1.y - l2.dy()}};
        l1.translate(next.p1.x - l1.p1.x, next.p1.y - l1.p1.y);
        outline_.cubicTo(l2.p2, l1.p2, l1.p1);
    }

    void miter(Vec focal, const Segment& prevLine, const Segment& next)
    {
        Vec isect{0, 0};
        const Segment::Crossing type = prevLine.intersects(next, isect);
        const double limit = width_ * 2.0;
        const Segment shortCut{prevLine.p2, next.p1};
        const double angle = shortCut.angleTo(prevLine);
        if (type == Segment::bounded || (angle > 90 && !fuzzyEqual(angle, 90.0))) {
            // the inside of a corner
            outline_.lineTo(focal);
            outline_.lineTo(next.p1);
            return;
        }
        const Segment miterLine{prevLine.p2, isect};
        if (type == Segment::none || miterLine.length() > limit) {
            Segment l1 = prevLine;
            l1.setLength(limit);
            l1.translate(prevLine.dx(), prevLine.dy());
            Segment l2 = next;
            l2.setLength(limit);
            l2.translate(-l2.dx(), -l2.dy());
            outline_.lineTo(l1.p2);
            outline_.lineTo(l2.p1);
        } else {
            outline_.lineTo(isect);
        }
        outline_.lineTo(next.p1);
    }

    double width_;
    double offset_;
    Outline outline_;
};

// Fills an outline as Qt's aliased scan converter does: a pixel is inside
// when its centre is, decided in 26.6 and 16.16 fixed point.
class ScanConverter {
public:
    ScanConverter(int width, int height)
        : bottom_(height - 1)
        , leftFP_(0)
        , rightFP_(static_cast<std::int64_t>(width) * 65536)
    {
    }

    void fill(const Outline& outline, std::vector<PixelRun>& runs)
    {
        const std::vector<Vec>& points = outline.points();
        if (points.size() < 3) {
            return;
        }
        std::vector<Fixed> fixed(points.size());
        std::transform(points.begin(), points.end(), fixed.begin(), [](Vec p) {
            return Fixed{roundHalfAway(p.x * 64), roundHalfAway(p.y * 64)};
        });
        const auto [low, high] = std::minmax_element(fixed.begin(), fixed.end(), [](Fixed a, Fixed b) {
            return a.y < b.y;
        });
        top_ = std::max(0, static_cast<int>((low->y + 32) >> 6));
        bottom_ = std::min(bottom_, static_cast<int>((high->y - 32) >> 6));
        if (top_ > bottom_) {
            return;
        }
        const std::vector<std::size_t>& contours = outline.contours();
        for (std::size_t c = 0; c < contours.size(); ++c) {
            const std::size_t end = c + 1 < contours.size() ? contours[c + 1] : fixed.size();
            for (std::size_t j = contours[c]; j + 1 < end; ++j) {
                mergeLine(fixed[j], fixed[j + 1]);
            }
        }
        emit(runs);
    }

private:
    struct Fixed {
        std::int64_t x;
        std::int64_t y;
    };

    struct Edge {
        std::int64_t x;
        std::int64_t delta;
        int top;
        int bottom;
        int winding;
    };

    void mergeLine(Fixed a, Fixed b)
    {
        int winding = 1;
        if (a.y > b.y) {
            std::swap(a, b);
            winding = -1;
        }
        int iTop = std::max(top_, static_cast<int>((a.y + 32) >> 6));
        int iBottom = std::min(bottom_, static_cast<int>((b.y - 32) >> 6));
        if (iTop > iBottom) {
            return;
        }
        const std::int64_t aFP = 32768 + a.x * 1024;
        if (b.x == a.x) {
            edges_.push_back({std::clamp(aFP, leftFP_, rightFP_), 0, iTop, iBottom, winding});
            return;
        }
        const double slope = static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
        const auto slopeFP = static_cast<std::int64_t>(slope * 65536.);
        std::int64_t xFP = aFP + ((slopeFP * (std::int64_t{iTop} * 65536 + 32768 - a.y * 1024)) >> 16);
        if (clip(xFP, iTop, iBottom, slopeFP, leftFP_, winding)
            || clip(xFP, iTop, iBottom, slopeFP, rightFP_, winding)) {
            return;
        }
        edges_.push_back({xFP, slopeFP, iTop, iBottom, winding});
    }

    // Keeps an edge within the device's columns: the part beyond the left or
    // right border runs along it instead. True when nothing else is left.
    bool clip(std::int64_t& xFP, int& iTop, int& iBottom, std::int64_t slopeFP, std::int64_t edgeFP, int winding)
    {
        const bool right = edgeFP == rightFP_;
        if (xFP == edgeFP) {
            if ((slopeFP > 0) ^ right) {
                return false;
            }
            edges_.push_back({edgeFP, 0, iTop, iBottom, winding});
            return true;
        }
        const std::int64_t lastFP = xFP + slopeFP * (iBottom - iTop);
        if (lastFP == edgeFP) {
            if ((slopeFP < 0) ^ right) {
                return false;
            }
            edges_.push_back({edgeFP, 0, iTop, iBottom, winding});
            return true;
        }
        if ((lastFP < edgeFP) ^ (xFP < edgeFP)) {
            const auto deltaY = static_cast<std::int64_t>(
                static_cast<double>(edgeFP - xFP) / (static_cast<double>(slopeFP) * (1. / 65536.)));
            if ((xFP < edgeFP) ^ right) {
                const auto height = static_cast<int>((deltaY + 1) >> 16);
                const int middle = iTop + height;
                edges_.push_back({edgeFP, 0, iTop, middle, winding});
                if (middle == iBottom) {
                    return true;
                }
                xFP += slopeFP * (height + 1);
                iTop = middle + 1;
            } else {
                const auto height = static_cast<int>(deltaY >> 16);
                const int middle = iTop + height;
                if (middle != iBottom) {
                    edges_.push_back({edgeFP, 0, middle + 1, iBottom, winding});
                    iBottom = middle;
                }
            }
            return false;
        }
        if ((xFP < edgeFP) ^ right) {
            edges_.push_back({edgeFP, 0, iTop, iBottom, winding});
            return true;
        }
        return false;
    }

    // Row by row, the spans where the winding number is not zero.
    void emit(std::vector<PixelRun>& runs) const
    {
        std::vector<std::pair<int, int>> crossings;
        for (int y = top_; y <= bottom_; ++y) {
            crossings.clear();
            for (const Edge& e : edges_) {
                if (e.top <= y && y <= e.bottom) {
                    crossings.emplace_back(static_cast<int>((e.x + e.delta * (y - e.top)) >> 16), e.winding);
                }
            }
            std::sort(crossings.begin(), crossings.end());
            int x = 0;
            int winding = 0;
            for (const auto& [at, w] : crossings) {
                if (winding != 0 && at > x) {
                    runs.push_back({x, y, at - x});
                }
                x = at;
                winding += w;
            }
        }
    }

    int top_ = 0;
    int bottom_;
    std::int64_t leftFP_;
    std::int64_t rightFP_;
    std::vector<Edge> edges_;
};

void fillStroke(const std::vector<Vec>& path, int pen, int width, int height, std::vector<PixelRun>& runs)
{
    WideStroke stroke(pen);
    stroke.stroke(path);
    ScanConverter(width, height).fill(stroke.outline(), runs);
}

} // namespace

void linePixels(double x1, double y1, double x2, double y2, int pen, int width, int height, std::vector<PixelRun>& runs)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    if (pen <= 1) {
        ThinStroke(width, height, runs).line({x1, y1}, {x2, y2});
        return;
    }
    fillStroke({{x1, y1}, {x2, y2}}, pen, width, height, runs);
}

void boxPixels(double x1, double y1, double x2, double y2, int pen, int width, int height, std::vector<PixelRun>& runs)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    // Normalised as a rectangle from corner to corner is.
    double left = x1;
    double w = x2 - x1;
    double top = y1;
    double h = y2 - y1;
    if (w < 0) {
        left += w;
        w = -w;
    }
    if (h < 0) {
        top += h;
        h = -h;
    }
    const double right = left + w;
    const double bottom = top + h;
    if (pen <= 1) {
        const Vec corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        ThinStroke(width, height, runs).closedQuad(corners);
        return;
    }
    fillStroke({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}}, pen, width, height, runs);
}

} // namespace surface
