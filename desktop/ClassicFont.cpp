#include "ClassicFont.hpp"

#include "Zoom.hpp"

#include <QStringList>

namespace desktop {

QFont classicFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
        QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points * zoom::factor());
    font.setBold(bold);
    return font;
}

} // namespace desktop
