#pragma once

#include <QString>

namespace surface {

// The notice that ends the main windows' titles, after the blanks each title sets.
inline QString makerNotice()
{
    return QStringLiteral("© 2026 Wellenlabor");
}

} // namespace surface
