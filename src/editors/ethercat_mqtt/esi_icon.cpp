#include "editors/ethercat_mqtt/esi_icon.h"

#include <QByteArray>

namespace ethercat_mqtt {
namespace {

// The picture, top row first: '#' orange frame, 'o' white ring, '.' grey.
constexpr const char* kIconRows[14] = {
    "################",
    "#..............#",
    "#.....oooo.....#",
    "#....oo..oo....#",
    "#...oo....oo...#",
    "#...o......o...#",
    "#...o......o...#",
    "#...o......o...#",
    "#...o......o...#",
    "#...oo....oo...#",
    "#....oo..oo....#",
    "#.....oooo.....#",
    "#..............#",
    "################",
};

void putLittleEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

QString esiIconHex()
{
    constexpr int width = 16;
    constexpr int height = 14;
    constexpr int rowBytes = width * 3;  // already a multiple of 4
    constexpr int pixelBytes = rowBytes * height;
    QByteArray bmp;
    bmp.append("BM");
    putLittleEndian(bmp, 54 + pixelBytes, 4);  // file size
    putLittleEndian(bmp, 0, 4);                // reserved
    putLittleEndian(bmp, 54, 4);               // offset of the pixels
    putLittleEndian(bmp, 40, 4);               // info header size
    putLittleEndian(bmp, width, 4);
    putLittleEndian(bmp, height, 4);
    putLittleEndian(bmp, 1, 2);   // planes
    putLittleEndian(bmp, 24, 2);  // bits per pixel
    putLittleEndian(bmp, 0, 4);   // no compression
    putLittleEndian(bmp, pixelBytes, 4);
    putLittleEndian(bmp, 2835, 4);  // 72 dpi
    putLittleEndian(bmp, 2835, 4);
    putLittleEndian(bmp, 0, 4);
    putLittleEndian(bmp, 0, 4);
    for (int y = height - 1; y >= 0; --y) {  // bottom row first
        for (int x = 0; x < width; ++x) {
            switch (kIconRows[y][x]) {
            case '#': bmp.append("\x00\x80\xFF", 3); break;  // blue, green, red
            case 'o': bmp.append("\xFF\xFF\xFF", 3); break;
            default: bmp.append("\x60\x60\x60", 3); break;
            }
        }
    }
    return QString::fromLatin1(bmp.toHex().toUpper());
}

}  // namespace ethercat_mqtt
