#pragma once

#include "core/Picture.hpp"

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <map>

namespace surface {

class TouchAsMouse;

// A picture box: a widget over a core Picture, whose retained raster at
// device resolution it shows as a QImage without a copy. It sizes the
// picture to itself and only blits it when Qt asks for a repaint. What a turn
// of the event loop changed is collected and repainted once, and only where
// pixels really changed: a dot erased and drawn again in place is drawn once
// and repaints nothing. Mouse events are reported in user coordinates with
// the forms runtime's button numbers (1 left, 2 right, 4 middle; in a move
// the sum of the buttons held); a finger acts as the mouse (TouchAsMouse).
class DrawingSurface : public QWidget, public Picture {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    void setScale(const UserScale& scale);
    void setBackColor(Rgb colour);

    // Logical pixel position of a point given in user units, and back.
    QPointF toPixel(double x, double y) const;
    QPointF toUser(QPointF pixel) const;

    // Whether a finger held still before it moves acts as the right button.
    void setTouchHoldGivesRightButton(bool gives);

    // Keeps a child control's top-left corner at a point in user units.
    void placeChild(QWidget* child, double left, double top);

    // The backing image; its devicePixelRatio is the widget's.
    const QImage& image() const;

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
    void aboutToDraw() override;
    void drew() override;

private:
    // Sizes the picture to the widget; true when a picture was thrown away.
    bool ensureImage();
    void refreshImage();
    // Wraps the raster's pixels as the image, with the widget's pixel ratio.
    void wrapRaster();
    // Before a write: gives the raster pixels of its own if a copy of the
    // image may still share them.
    void ownPixels();
    void placeChildren();
    void postFlush();

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
