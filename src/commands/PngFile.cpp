#include "commands/PngFile.h"

#include <objbase.h>
#include <wincodec.h>

#include <vector>

#include "commands/DibFile.h"
#include "commands/SafeFile.h"
#include "common/Handles.h"

namespace {

bool EncodeFrame(IWICBitmapEncoder* encoder, const BITMAPINFOHEADER& header, const BYTE* packed) {
    ComRef<IWICBitmapFrameEncode> frame;
    ComRef<IPropertyBag2> options;
    if (FAILED(encoder->CreateNewFrame(frame.put(), options.put())) || FAILED(frame->Initialize(options.get())) ||
        FAILED(frame->SetSize(static_cast<UINT>(header.biWidth), static_cast<UINT>(header.biHeight)))) {
        return false;
    }
    // The encoder may answer with another format; only this one keeps every
    // colour exactly and carries no alpha.
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return false;

    const RGBQUAD* colourTable = reinterpret_cast<const RGBQUAD*>(packed + kInfoHeaderSize);
    const BYTE* rows = packed + kInfoHeaderSize + DibColourTableSize(header);
    const DWORD rowSize = DibRowSize(header.biWidth, header.biBitCount);
    const UINT stride = DibRowSize(header.biWidth, 24);
    std::vector<BYTE> line(stride);
    // The packed rows lie bottom-up; the picture is written from the top.
    for (LONG y = header.biHeight - 1; y >= 0; --y) {
        DibRowToBgr(header, colourTable, rows + static_cast<size_t>(y) * rowSize, line.data());
        if (FAILED(frame->WritePixels(1, stride, stride, line.data()))) return false;
    }
    return SUCCEEDED(frame->Commit());
}

// The PNG bytes in a stream on global memory.
bool EncodePng(const BITMAPINFOHEADER& header, const BYTE* packed, IStream* stream) {
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICBitmapEncoder> encoder;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.put()))) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put())) &&
           SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
           EncodeFrame(encoder.get(), header, packed) && SUCCEEDED(encoder->Commit());
}

}  // namespace

bool HasPngExtension(const char* path) {
    const int length = lstrlenA(path);
    const int extensionLength = sizeof(kPngExtension) - 1;
    return length >= extensionLength && lstrcmpiA(path + length - extensionLength, kPngExtension) == 0;
}

bool WritePngFile(const char* path, HGLOBAL packedImage) {
    GlobalLockGuard image(packedImage);
    if (!image.bytes() || GlobalSize(packedImage) < kInfoHeaderSize) return false;
    const BITMAPINFOHEADER header = *reinterpret_cast<const BITMAPINFOHEADER*>(image.bytes());
    if (!IsWritableDib(header) ||
        GlobalSize(packedImage) < kInfoHeaderSize + DibColourTableSize(header) + DibImageSize(header)) {
        return false;
    }

    ComApartment apartment;
    ComRef<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) || !EncodePng(header, image.bytes(), stream.get())) {
        return false;
    }
    STATSTG status = {};
    HGLOBAL encoded = nullptr;
    if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) || FAILED(GetHGlobalFromStream(stream.get(), &encoded))) {
        return false;
    }
    GlobalLockGuard bytes(encoded);
    if (!bytes.bytes() || status.cbSize.QuadPart > GlobalSize(encoded)) return false;
    const FilePart part = {bytes.bytes(), static_cast<DWORD>(status.cbSize.QuadPart)};
    return WriteFileReplacing(path, &part, 1);
}
