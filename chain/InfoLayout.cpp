#include "InfoLayout.hpp"

#include "surface/ClassicFont.hpp"
#include "surface/Twips.hpp"

#include <QLabel>
#include <QWidget>

namespace chain {

void buildInfoWindow(
    QWidget* window, const QString& title, surface::TwipsRect client, std::span<const InfoLabel> labels)
{
    constexpr surface::Rgb introduction = surface::RGB(255, 192, 192);
    constexpr surface::Rgb body = surface::RGB(255, 255, 224);
    const QFont font = surface::classicFont(8.25);

    // An info window left open does not keep the program alive.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setWindowTitle(title);
    window->setFont(font);
    const QRect area = surface::twips::toPixelRect(client.left, client.top, client.width, client.height);
    window->setFixedSize(area.size());
    window->move(area.topLeft());
    bool first = true;
    for (const InfoLabel& info : labels) {
        QLabel* label = surface::makeLabel(window, info.text, info.place, font, first ? introduction : body);
        label->setObjectName(QString::fromLatin1(info.name));
        first = false;
    }
}

} // namespace chain
