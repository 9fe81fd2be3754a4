#include "platform/graphics/win32/wic_codec.h"

#define WIN32_LEAN_AND_MEAN
#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/graphics/picture_error.h"

namespace dsp {
namespace {

// The component's interfaces, released when they go out of scope.
template <class T>
struct ComRef {
    T* p = nullptr;
    ~ComRef() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// COM on this thread for the length of one call; a thread that already has
// it (in any apartment) keeps it as it is.
struct ComScope {
    HRESULT started = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    ~ComScope() {
        if (SUCCEEDED(started)) CoUninitialize();
    }
};

[[noreturn]] void Fail(WicFormat format, const char* step, HRESULT hr) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
    const std::string reason = std::string(step) + " failed (" + code + ")";
    if (format == WicFormat::Png) throw InvalidPng(reason);
    throw InvalidJpeg(reason);
}

void Check(WicFormat format, const char* step, HRESULT hr) {
    if (FAILED(hr)) Fail(format, step, hr);
}

ComRef<IWICImagingFactory> Factory(WicFormat format) {
    ComRef<IWICImagingFactory> factory;
    Check(format, "starting the imaging component",
          CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(&factory)));
    return factory;
}

std::vector<std::uint8_t> StreamBytes(WicFormat format, IStream* stream) {
    HGLOBAL memory = nullptr;
    Check(format, "reading the encoded stream", GetHGlobalFromStream(stream, &memory));
    STATSTG info{};
    Check(format, "measuring the encoded stream", stream->Stat(&info, STATFLAG_NONAME));
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
    std::vector<std::uint8_t> out(bytes, bytes + info.cbSize.QuadPart);
    GlobalUnlock(memory);
    return out;
}

}  // namespace

std::vector<std::uint8_t> WicEncode(const Bitmap& picture, WicFormat format, bool alpha, int quality,
                                    bool fullChroma) {
    ComScope com;
    ComRef<IWICImagingFactory> factory = Factory(format);
    ComRef<IStream> stream;
    Check(format, "creating a memory stream", CreateStreamOnHGlobal(nullptr, TRUE, &stream));
    ComRef<IWICBitmapEncoder> encoder;
    const GUID& container = format == WicFormat::Png ? GUID_ContainerFormatPng : GUID_ContainerFormatJpeg;
    Check(format, "creating the encoder", factory->CreateEncoder(container, nullptr, &encoder));
    Check(format, "starting the encoder", encoder->Initialize(stream.p, WICBitmapEncoderNoCache));
    ComRef<IWICBitmapFrameEncode> frame;
    ComRef<IPropertyBag2> options;
    Check(format, "creating the frame", encoder->CreateNewFrame(&frame, &options));
    if (format == WicFormat::Jpeg) {
        PROPBAG2 option{};
        option.pstrName = const_cast<wchar_t*>(L"ImageQuality");
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_R4;
        value.fltVal = float(quality) / 100.0f;
        Check(format, "setting the quality", options->Write(1, &option, &value));
        if (fullChroma) {
            option.pstrName = const_cast<wchar_t*>(L"JpegYCrCbSubsampling");
            value.vt = VT_UI1;
            value.bVal = WICJpegYCrCbSubsampling444;
            Check(format, "setting the chroma resolution", options->Write(1, &option, &value));
        }
    }
    Check(format, "starting the frame", frame->Initialize(options.p));
    Check(format, "sizing the frame", frame->SetSize(UINT(picture.Width()), UINT(picture.Height())));
    // Our pixels are 0x00RRGGBB words: blue, green, red, then the spare
    // (or alpha) byte in memory.
    std::vector<std::uint8_t> rows;
    WICPixelFormatGUID pixels = alpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
    Check(format, "choosing the pixel format", frame->SetPixelFormat(&pixels));
    const UINT stride = UINT(picture.Width()) * (alpha ? 4 : 3);
    rows.resize(std::size_t(stride) * std::size_t(picture.Height()));
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* row = rows.data() + std::size_t(y) * stride;
        if (alpha)
            std::copy_n(reinterpret_cast<const std::uint8_t*>(picture.Row(y)), stride, row);
        else
            picture.ReadRow24(y, row);
    }
    Check(format, "writing the pixels",
          frame->WritePixels(UINT(picture.Height()), stride, UINT(rows.size()), rows.data()));
    Check(format, "finishing the frame", frame->Commit());
    Check(format, "finishing the picture", encoder->Commit());
    return StreamBytes(format, stream.p);
}

Bitmap WicDecode(std::span<const std::uint8_t> data, WicFormat format, bool alpha) {
    if (data.empty()) Fail(format, "reading an empty stream", E_INVALIDARG);
    ComScope com;
    ComRef<IWICImagingFactory> factory = Factory(format);
    ComRef<IWICStream> stream;
    Check(format, "creating a stream", factory->CreateStream(&stream));
    Check(format, "reading the data",
          stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), DWORD(data.size())));
    ComRef<IWICBitmapDecoder> decoder;
    Check(format, "recognising the data",
          factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder));
    GUID container{};
    Check(format, "reading the container", decoder->GetContainerFormat(&container));
    const GUID& wanted = format == WicFormat::Png ? GUID_ContainerFormatPng : GUID_ContainerFormatJpeg;
    if (!IsEqualGUID(container, wanted))
        Fail(format, "recognising the format", WINCODEC_ERR_UNKNOWNIMAGEFORMAT);
    ComRef<IWICBitmapFrameDecode> frame;
    Check(format, "reading the frame", decoder->GetFrame(0, &frame));
    UINT width = 0, height = 0;
    Check(format, "reading the size", frame->GetSize(&width, &height));
    const std::uint64_t pixels = std::uint64_t(width) * height;
    if (width == 0 || height == 0 || width > UINT(kMaxBitmapSide) || height > UINT(kMaxBitmapSide) ||
        pixels > kMaxDecodedPixels) {
        const std::string size = "size " + std::to_string(width) + " x " + std::to_string(height);
        if (format == WicFormat::Png) throw InvalidPng(size);
        throw InvalidJpeg(size);
    }
    ComRef<IWICFormatConverter> converter;
    Check(format, "creating the converter", factory->CreateFormatConverter(&converter));
    Check(format, "converting the pixels",
          converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom));
    Bitmap picture{int(width), int(height)};
    Check(
        format, "decoding the pixels",
        converter->CopyPixels(nullptr, width * 4, UINT(pixels * 4), reinterpret_cast<BYTE*>(picture.Data())));
    if (!alpha) {
        Pixel* p = picture.Data();
        for (std::size_t i = 0; i < pixels; ++i) p[i] &= 0x00FFFFFFu;
    }
    return picture;
}

}  // namespace dsp
