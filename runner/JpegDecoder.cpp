// JPEG decoding with libjpeg-turbo. libjpeg reports fatal errors through
// error_exit, which by default ends the process; ours jumps back and throws.
#include "runner/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>

namespace zuno::runner {
namespace {

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so libjpeg's pointer converts back
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
    // A picture cut short decodes as grey below the cut; we refuse it instead.
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnError(cinfo);
}

// Everything that must survive a longjmp lives on the heap behind an unchanged pointer.
struct Decode {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    DecodedPicture out;
    bool created = false;
    ~Decode() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

}  // namespace

DecodedPicture DecodeJpeg(std::span<const std::uint8_t> data) {
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8)
        throw JpegError("图片不是JPEG格式");
    auto const d = std::make_unique<Decode>();
    d->cinfo.err = jpeg_std_error(&d->err.pub);
    d->err.pub.error_exit = OnError;
    d->err.pub.emit_message = OnMessage;
    if (setjmp(d->err.jump)) throw JpegError(std::string("图片已损坏：") + d->err.message);

    jpeg_create_decompress(&d->cinfo);
    d->created = true;
    jpeg_mem_src(&d->cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d->cinfo, TRUE);
    if (d->cinfo.image_width == 0 || d->cinfo.image_height == 0 ||
        d->cinfo.image_width > kMaxPictureSide || d->cinfo.image_height > kMaxPictureSide)
        throw JpegError("图片尺寸超出范围");
    if (d->cinfo.jpeg_color_space == JCS_CMYK || d->cinfo.jpeg_color_space == JCS_YCCK)
        throw JpegError("不支持CMYK格式的图片");
    d->cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&d->cinfo);

    d->out.width = static_cast<int>(d->cinfo.output_width);
    d->out.height = static_cast<int>(d->cinfo.output_height);
    d->out.pixels.assign(static_cast<std::size_t>(d->out.width) * d->out.height, 0);
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        auto* row = reinterpret_cast<JSAMPROW>(
            d->out.pixels.data() + static_cast<std::size_t>(d->cinfo.output_scanline) * d->out.width);
        jpeg_read_scanlines(&d->cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d->cinfo);
    // libjpeg leaves the X byte as 0xFF; keep the documented 0x00RRGGBB.
    for (auto& p : d->out.pixels) p &= 0x00FFFFFFu;
    return std::move(d->out);
}

}  // namespace zuno::runner
