#include "commands/DibFile.h"

namespace {

BYTE FiveBitsToEight(unsigned value) {
    return static_cast<BYTE>((value << 3) | (value >> 2));
}

}  // namespace

BITMAPINFOHEADER DibHeaderFor(const BITMAP& bitmap) {
    BITMAPINFOHEADER header = {};
    header.biSize = kInfoHeaderSize;
    header.biWidth = bitmap.bmWidth;
    header.biHeight = bitmap.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitmap.bmPlanes * bitmap.bmBitsPixel);
    header.biCompression = BI_RGB;
    return header;
}

WORD DibColourCount(const BITMAPINFOHEADER& header) {
    if (header.biClrUsed != 0) return static_cast<WORD>(header.biClrUsed);
    switch (header.biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

WORD DibColourTableSize(const BITMAPINFOHEADER& header) {
    return static_cast<WORD>(DibColourCount(header) * sizeof(RGBQUAD));
}

DWORD DibRowSize(LONG width, WORD bitCount) {
    const unsigned long long bits = static_cast<unsigned long long>(width > 0 ? width : 0) * bitCount;
    return static_cast<DWORD>((bits + 31) / 32 * 4);
}

DWORD DibImageSize(const BITMAPINFOHEADER& header) {
    return DibRowSize(header.biWidth, header.biBitCount) * static_cast<DWORD>(header.biHeight > 0 ? header.biHeight : 0);
}

bool IsWritableDib(const BITMAPINFOHEADER& header) {
    switch (header.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    // A count beyond the table's 16-bit size would wrap and misplace the rows.
    return header.biSize == kInfoHeaderSize && header.biCompression == BI_RGB && header.biWidth > 0 &&
           header.biHeight > 0 && header.biClrUsed <= kMaxColourTableEntries;
}

BITMAPFILEHEADER DibFileHeader(const BITMAPINFOHEADER& header) {
    BITMAPFILEHEADER file = {};
    file.bfType = kBitmapFileType;
    file.bfOffBits = kFileHeaderSize + kInfoHeaderSize + DibColourTableSize(header);
    file.bfSize = file.bfOffBits + DibImageSize(header);
    return file;
}

void DibRowToBgr(const BITMAPINFOHEADER& header, const RGBQUAD* colourTable, const BYTE* row, BYTE* bgr) {
    const WORD colours = DibColourCount(header);
    for (LONG x = 0; x < header.biWidth; ++x, bgr += 3) {
        switch (header.biBitCount) {
        case 32:
        case 24: {
            const BYTE* pixel = row + x * (header.biBitCount / 8);
            bgr[0] = pixel[0];
            bgr[1] = pixel[1];
            bgr[2] = pixel[2];
            break;
        }
        case 16: {
            const unsigned value = row[2 * x] | (row[2 * x + 1] << 8);
            bgr[0] = FiveBitsToEight(value & 0x1F);
            bgr[1] = FiveBitsToEight((value >> 5) & 0x1F);
            bgr[2] = FiveBitsToEight((value >> 10) & 0x1F);
            break;
        }
        default: {
            // Indexed pixels, the leftmost in the highest bits of each byte.
            const int bits = header.biBitCount;
            const int perByte = 8 / bits;
            const unsigned index = (row[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1u << bits) - 1);
            const RGBQUAD entry = index < colours ? colourTable[index] : RGBQUAD{0, 0, 0, 0};
            bgr[0] = entry.rgbBlue;
            bgr[1] = entry.rgbGreen;
            bgr[2] = entry.rgbRed;
            break;
        }
        }
    }
}
