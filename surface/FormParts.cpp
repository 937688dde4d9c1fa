#include "FormParts.hpp"

#include "ClassicLook.hpp"
#include "DrawingSurface.hpp"
#include "Twips.hpp"

#include <QGroupBox>
#include <QLabel>

namespace surface {

void placeAt(QWidget* control, TwipsRect place)
{
    control->setGeometry(twips::toPixelRect(place.left, place.top, place.width, place.height));
}

DrawingSurface* makeSurface(QWidget* parent, const char* name, TwipsRect place, Rgb back)
{
    auto* picture = named(new DrawingSurface(parent), name);
    placeAt(picture, place);
    picture->setBackColor(back);
    return picture;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& caption, TwipsRect place, const QFont& font)
{
    QGroupBox* box = named(makeFramedBox(parent, caption, font), name);
    setBackColor(box, grey);
    placeAt(box, place);
    return box;
}

QLabel* makeLamp(QWidget* parent, const char* name, TwipsRect place)
{
    return named(makeLabel(parent, QString(), place, windowFont(), red), name);
}

} // namespace surface
