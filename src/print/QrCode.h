#pragma once

#include <QByteArray>
#include <QString>

namespace print {

// A QR code as a square of modules, row by row, without its quiet zone.
struct ModuleMatrix
{
    int width = 0;   // modules per side
    QByteArray dark; // width * width bytes, 1 for a dark module
    bool isDark(int row, int col) const { return dark.at(row * width + col) != 0; }
    bool isEmpty() const { return width == 0; }
};

// The QR code of `text` (its UTF-8 bytes), made by libqrencode at error
// correction level M, the smallest version that holds it. Empty when the text
// cannot be encoded.
ModuleMatrix encodeQr(const QString& text);

// The light margin a reader needs around a QR code, in modules.
inline constexpr int kQrQuietModules = 4;

} // namespace print
