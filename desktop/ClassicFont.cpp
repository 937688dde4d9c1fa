#include "ClassicFont.hpp"

#include "Zoom.hpp"

#include "core/ClassicLook.hpp"

#include <QStringList>

namespace desktop {

QFont classicFont(double points, bool bold)
{
    QFont font;
    QStringList families;
    for (const char* family : core::classic::fontFamilies) {
        families << QString::fromLatin1(family);
    }
    font.setFamilies(families);
    font.setPointSizeF(points * zoom::factor());
    font.setBold(bold);
    return font;
}

} // namespace desktop
