#include "Soak.hpp"

#include "chain/ChainDisplay.hpp"
#include "chain/ChainModel.hpp"
#include "surface/DrawingSurface.hpp"

namespace {

// The switches of the control panel, as their handlers act on model and picture.
void switchOption(int which, chain::ChainModel& m, surface::DrawingSurface& picture)
{
    using chain::Marker;
    switch (which % 11) {
    case 0:
        m.harmonic = static_cast<std::int16_t>(1 - m.harmonic);
        break;
    case 1:
        m.switchDamping();
        if (m.damping == 2) {
            drawMarker(picture, Marker::damping);
        } else {
            eraseMarker(picture, Marker::damping);
        }
        break;
    case 2:
        m.switchRefraction();
        if (m.refraction == 1) {
            drawMarker(picture, Marker::refraction);
        } else {
            picture.Cls();
            RedrawMarkers(m, picture);
        }
        break;
    case 3:
        m.obstacle = static_cast<std::int16_t>(1 - m.obstacle);
        if (m.obstacle == 1) {
            drawMarker(picture, Marker::obstacle);
        } else {
            eraseMarker(picture, Marker::obstacle);
        }
        break;
    case 4:
        m.restoring = m.restoring == chain::ballSpringRestoring ? chain::pendulumRestoring : chain::ballSpringRestoring;
        break;
    case 5:
        m.changePeriod(10 + (which * 37) % 591);
        break;
    case 6:
        m.amplitude = ((which * 7) % 21) / 10.0;
        break;
    case 7:
        m.dt = (1 + (which * 3) % 10) / 20.0;
        break;
    case 8:
        m.clearVelocities();
        break;
    case 9:
        picture.Cls();
        m.clearDisplacements();
        RedrawMarkers(m, picture);
        break;
    default:
        picture.Cls();
        m.clearAll();
        RedrawMarkers(m, picture);
        break;
    }
}

} // namespace

SoakResult soakChain(std::int64_t passes)
{
    chain::ChainModel m;
    surface::DrawingSurface picture;
    picture.resize(993, 497);
    picture.setScale({0, -3, 100, 6});
    picture.setBackColor(chain::surfaceBackground);
    picture.setDrawWidth(chain::dotWidth);
    drawMarker(picture, chain::Marker::damping);

    return runSoak(
        "KETTLAB", passes, m,
        [&] {
            m.advance();
            chain::drawChain(m, picture);
            m.t = m.t + m.dt;
            picture.setDrawWidth(chain::dotWidth);
        },
        [&](int which) {
            switchOption(which, m, picture);
        });
}
