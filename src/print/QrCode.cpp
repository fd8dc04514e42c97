#include "print/QrCode.h"

#include <qrencode.h>

namespace print {

ModuleMatrix encodeQr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    ModuleMatrix matrix;
    if (bytes.isEmpty())
        return matrix;
    QRcode* code = QRcode_encodeData(int(bytes.size()),
                                     reinterpret_cast<const unsigned char*>(bytes.constData()), 0,
                                     QR_ECLEVEL_M);
    if (!code)
        return matrix;
    matrix.width = code->width;
    matrix.dark.resize(qsizetype(code->width) * code->width);
    // Bit 0 of each byte is the module's colour; the other bits describe its role.
    for (qsizetype i = 0; i < matrix.dark.size(); ++i)
        matrix.dark[i] = char(code->data[i] & 1);
    QRcode_free(code);
    return matrix;
}

} // namespace print
