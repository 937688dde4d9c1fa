#pragma once

#include "core/UserScale.hpp"

#include <QMargins>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include <map>

namespace desktop {

// A main window as the forms runtime knew it: its outer size (frame and title
// bar included) and position are set in twips, and child controls are placed
// in a user scale over the client area. The window is not resizable; the
// client area is kept so that the outer size stays what was asked for once
// the window manager has added its frame.
class ScaledForm : public QWidget {
    Q_OBJECT

public:
    explicit ScaledForm(QWidget* parent = nullptr);

    void setOuterSize(double widthTwips, double heightTwips);
    QSizeF outerSize() const { return outerTwips_; }
    // Shows the window with its frame's top-left corner at a point in twips.
    void showAt(double xTwips, double yTwips);

    void setScale(const core::UserScale& scale);
    const core::UserScale& scale() const { return scale_; }

    // Places a child in window units; the place is remembered and can be read back.
    void place(QWidget* child, double left, double top, double width, double height);
    QRectF placeOf(const QWidget* child) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QMargins frameMargins() const;
    void applyOuterSize();
    // Back to the intended outer size, wholly on the screen, after the window
    // manager changed the frame or the window's state.
    void restoreOuterSize();
    void placeChildren();

    QSizeF outerTwips_;
    QMargins appliedFrame_;
    core::UserScale scale_;
    // A placed child that is deleted leaves a null pointer, dropped at the next placing.
    std::map<const QWidget*, std::pair<QPointer<QWidget>, QRectF>> places_;
};

} // namespace desktop
