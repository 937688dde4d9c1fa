#include "DecimalText.hpp"

#include <QLocale>

namespace surface {

QString decimalText(double value)
{
    static const QLocale german = [] {
        QLocale locale(QLocale::German, QLocale::Germany);
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale;
    }();
    constexpr int significantDigits = 15;
    // Adding 0.0 turns a negative zero into 0, so it never shows as "-0".
    return german.toString(value + 0.0, 'g', significantDigits);
}

} // namespace surface
