#include "link/serial_line.h"

Parity Parity_From_Text(const QString& text) {
    if (text == QLatin1String("Odd"))
        return Parity::Odd;
    if (text == QLatin1String("Even"))
        return Parity::Even;
    if (text == QLatin1String("Mark"))
        return Parity::Mark;
    if (text == QLatin1String("Space"))
        return Parity::Space;
    return Parity::None;
}
