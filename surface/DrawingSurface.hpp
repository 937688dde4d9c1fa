#pragma once

#include "core/Canvas.hpp"
#include "core/Raster.hpp"
#include "core/UserScale.hpp"

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <map>

namespace surface {

class TouchAsMouse;

// A picture box: a widget that owns a retained backing image at device
// resolution (a Raster, shown as a QImage over its pixels), paints into it in user coordinates (the last dot held back
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
        mayBeShared_ = true;
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
    // Makes the raster anew when the size or pixel ratio changed; true when a
    // picture was thrown away.
    bool ensureImage();
    void refreshImage();
    void prepareImage();
    // Wraps the raster's pixels as the image, with the widget's pixel ratio.
    void wrapRaster() const;
    qsizetype bytesPerLine() const { return static_cast<qsizetype>(raster_.width()) * 4; }
    // Before a write: gives the raster pixels of its own if a copy of the
    // image may still share them.
    void ownPixels() const;
    void strokeLine(QPointF from, QPointF to, Rgb colour, bool box);
    void updateDevicePen();
    void placeChildren();
    void postFlush();
    // Draws the held dot into the image; the picture looked at is then complete.
    void drawHeldDot() const;

    UserScale scale_;
    Rgb back_{255, 255, 255};
    int drawWidth_ = 1;
    int devicePen_ = 1; // the pen width in device pixels, zoom included
    mutable Raster raster_;
    bool hasRaster_ = false;
    double imageRatio_ = 1; // the image's devicePixelRatio, read per dot
    // The raster's pixels as an image, without a copy.
    mutable QImage image_;
    // Set once image() has handed the image out: a copy of it shares the
    // raster's pixels, so the next write gives the raster its own first.
    mutable bool mayBeShared_ = false;
    bool flushPosted_ = false;
    TouchAsMouse* touch_;
    // A placed child that is deleted leaves a null pointer, dropped at the next placing.
    std::map<QWidget*, std::pair<QPointer<QWidget>, QPointF>> childPlaces_;
};

} // namespace surface
