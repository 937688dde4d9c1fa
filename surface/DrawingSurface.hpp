#pragma once

#include "core/Canvas.hpp"
#include "core/UserScale.hpp"

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <map>
#include <tuple>
#include <vector>

namespace surface {

class TouchAsMouse;

// A picture box: a widget that owns a retained backing image at device
// resolution, paints into it in user coordinates (the last dot held back
// until the next drawing or look at the image) and only blits it when Qt
// asks for a repaint. Pen widths are design pixels, scaled by the zoom. What
// a turn of the event loop changed is collected and repainted once, and only
// where pixels really changed: a dot erased and drawn again in place is
// drawn once and repaints nothing. Mouse events are reported in user
// coordinates with the forms runtime's button numbers (1 left, 2 right,
// 4 middle; in a move the sum of the buttons held); a finger acts as the
// mouse (TouchAsMouse).
class DrawingSurface : public QWidget, public Canvas {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    void setScale(const UserScale& scale);
    const UserScale& scale() const { return scale_; }

    void setBackColor(Rgb colour);
    Rgb BackColor() const override { return back_; }
    Rgb ForeColor() const override;

    void setDrawWidth(int pixels) override;
    int DrawWidth() const override { return drawWidth_; }

    void PSet(float x, float y, Rgb colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void LineBox(float x1, float y1, float x2, float y2, Rgb colour) override;
    void Cls() override;

    // Logical pixel position of a point given in user units, and back.
    QPointF toPixel(double x, double y) const;
    QPointF toUser(QPointF pixel) const;

    // Whether a finger held still before it moves acts as the right button.
    void setTouchHoldGivesRightButton(bool gives);

    // Keeps a child control's top-left corner at a point in user units.
    void placeChild(QWidget* child, double left, double top);

    // The backing image; its devicePixelRatio is the widget's.
    const QImage& image() const
    {
        drawHeldDot();
        pixels_ = nullptr; // a copy may share them now
        return image_;
    }

    // Asks for the repaint of what changed since the last call; runs by
    // itself once per turn of the event loop after a change.
    void flushChanges();

signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    // The backing image was made anew (its size changed) and is blank.
    void backingReset();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

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
        bool operator<(const RowSpan& other) const
        {
            return std::tie(row, left, right) < std::tie(other.row, other.left, other.right);
        }
    };

    // The last dot, held back from the image until the next drawing: a dot
    // drawn next over exactly its pixels replaces it unseen. Once drawn, it
    // knows whether it changed any pixel; only one that replaced another
    // reads the pixels to find out (the chain at rest), any other counts
    // as a change.
    struct HeldDot {
        enum State { none, waiting, drawn };
        QRect box;
        const std::vector<Span>* shape = nullptr;
        QRgb value = 0;
        State state = none;
        bool replaces = false;
        bool changed = false;
    };

    // Makes the image anew when the size or pixel ratio changed; true when a
    // picture was thrown away.
    bool ensureImage();
    void refreshImage();
    void prepareImage();
    void strokeLine(QPointF from, QPointF to, Rgb colour, bool box);
    const std::vector<Span>& dotSpans(int deviceDiameter);
    void updateDevicePen();
    void placeChildren();
    void changed(const QRect& deviceRect);
    // Draws the held dot into the image; the picture looked at is then complete.
    void drawHeldDot() const;
    // Draws the held dot and adds its pixels to the changed area if it changed any.
    void settleHeldDot();

    UserScale scale_;
    Rgb back_{255, 255, 255};
    int drawWidth_ = 1;
    int devicePen_ = 1; // the pen width in device pixels, zoom included
    mutable QImage image_;
    double imageRatio_ = 1; // the image's devicePixelRatio, read per dot
    QSize imageSize_;
    std::ptrdiff_t stride_ = 0; // in pixels
    // The image's pixels while no copy of it can share them: taken with
    // bits() (which detaches) once, not per dot.
    mutable QRgb* pixels_ = nullptr;
    bool flushPosted_ = false;
    TouchAsMouse* touch_;
    std::vector<QRect> changedRects_;
    std::vector<RowSpan> rowSpans_; // reused by each flush
    mutable HeldDot held_;
    std::map<int, std::vector<Span>> dotShapes_;
    int shapeDiameter_ = 0;
    const std::vector<Span>* shape_ = nullptr;
    // A placed child that is deleted leaves a null pointer, dropped at the next placing.
    std::map<QWidget*, std::pair<QPointer<QWidget>, QPointF>> childPlaces_;
};

} // namespace surface
