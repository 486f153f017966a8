// libjpeg with an error manager that jumps back instead of exiting. The functions
// that call setjmp keep only plain locals, so the jump skips no destructor.
#include "authoring/common/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace zuno::authoring {
namespace {

// Pictures larger than this are certainly not meant for a 520-pixel page, and a
// forged header must not make the check decode gigapixels.
constexpr JDIMENSION kMaxSide = 4096;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
    auto* mgr = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, mgr->message);
    std::longjmp(mgr->jump, 1);
}

// Keeps the first warning (libjpeg counts them in num_warnings) instead of printing it.
void OnMessage(j_common_ptr cinfo) {
    auto* mgr = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (mgr->message[0] == '\0') (*cinfo->err->format_message)(cinfo, mgr->message);
}

void InitErrors(ErrorManager& mgr) {
    jpeg_std_error(&mgr.pub);
    mgr.pub.error_exit = OnError;
    mgr.pub.output_message = OnMessage;
    mgr.message[0] = '\0';
}

// Returns an empty string on success, else the reason.
const char* DecodeAll(jpeg_decompress_struct& cinfo, ErrorManager& mgr, const uint8_t* data, size_t size,
                      int& width, int& height) {
    if (setjmp(mgr.jump)) return mgr.message;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
        return "CMYK pictures cannot be shown; save it as RGB";
    }
    if (cinfo.image_width > kMaxSide || cinfo.image_height > kMaxSide) return "the picture is too large";
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * cinfo.output_components, 1);
    while (cinfo.output_scanline < cinfo.output_height) jpeg_read_scanlines(&cinfo, row, 1);
    jpeg_finish_decompress(&cinfo);
    if (mgr.pub.num_warnings > 0) return mgr.message[0] ? mgr.message : "damaged JPEG data";
    width = static_cast<int>(cinfo.image_width);
    height = static_cast<int>(cinfo.image_height);
    return "";
}

bool CompressAll(jpeg_compress_struct& cinfo, ErrorManager& mgr, const uint8_t* rgb, int width, int height,
                 int quality, unsigned char** out, unsigned long* outSize) {
    if (setjmp(mgr.jump)) return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<size_t>(cinfo.next_scanline) * width * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

}  // namespace

JpegCheck CheckJpeg(const uint8_t* data, size_t size) {
    JpegCheck result;
    if (size == 0) {
        result.error = "the file is empty";
        return result;
    }
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager mgr;
    InitErrors(mgr);
    cinfo.err = &mgr.pub;
    const char* problem = DecodeAll(cinfo, mgr, data, size, result.width, result.height);
    jpeg_destroy_decompress(&cinfo);
    result.ok = problem[0] == '\0';
    if (!result.ok) {
        result.error = problem;
        result.width = result.height = 0;
    }
    return result;
}

std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality) {
    jpeg_compress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager mgr;
    InitErrors(mgr);
    cinfo.err = &mgr.pub;
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    const bool ok = CompressAll(cinfo, mgr, rgb, width, height, quality, &out, &outSize);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> bytes;
    if (ok && out) bytes.assign(out, out + outSize);
    std::free(out);
    return bytes;
}

}  // namespace zuno::authoring
