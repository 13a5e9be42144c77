#include "wizard/LoadJpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "wizard/PictureRows.h"

namespace {

// The library's error manager with the place to return to when decoding
// fails: the library's own handler would end the process.
struct LoaderErrors {
  jpeg_error_mgr standard;
  std::jmp_buf resume;
};

void ReturnToLoader(j_common_ptr info) {
  std::longjmp(reinterpret_cast<LoaderErrors*>(info->err)->resume, 1);
}

// Warnings are passed over in silence, except the end of the data: the
// library would go on and make grey rows out of nothing, where the page
// should show the rows that were there and black below.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) ReturnToLoader(info);
}

void PrintNothing(j_common_ptr) {}

}  // namespace

int LoadJpegFile(const char* fileName, int& width, int& height, int& components,
                 unsigned char* destination, size_t destinationSize) {
  FILE* file = std::fopen(fileName, "rb");
  if (!file) return 0;
  width = 320;
  height = 240;
  components = 3;

  jpeg_decompress_struct info = {};
  LoaderErrors errors;
  info.err = jpeg_std_error(&errors.standard);
  errors.standard.error_exit = ReturnToLoader;
  errors.standard.emit_message = OnMessage;
  errors.standard.output_message = PrintNothing;
  if (setjmp(errors.resume)) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return 1;
  }

  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  width = static_cast<int>(info.image_width);
  height = static_cast<int>(info.image_height);
  components = info.num_components;
  if (destination && PictureBlockBytes(width, height, components) > destinationSize) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return 1;
  }

  jpeg_start_decompress(&info);
  const size_t rowBytes = static_cast<size_t>(info.output_width) * info.output_components;
  JSAMPARRAY row = info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                          static_cast<JDIMENSION>(rowBytes), 1);
  while (info.output_scanline < info.output_height) {
    const size_t index = info.output_scanline;
    if (jpeg_read_scanlines(&info, row, 1) != 1) break;
    // The output size follows the header; the bound is checked all the same.
    if (destination && (index + 1) * rowBytes <= destinationSize)
      std::memcpy(destination + index * rowBytes, row[0], rowBytes);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return 1;
}
