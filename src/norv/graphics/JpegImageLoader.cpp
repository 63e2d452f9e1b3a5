// Reads JPEG files through libjpeg, row by row, as blue, green, red.
#include "norv/graphics/JpegImageLoader.h"

#include "norv/graphics/Surface.h"

namespace Norv {

namespace {

// Start of image followed by the JFIF marker.
unsigned char const kJfifStart[4] = {0xFF, 0xD8, 0xFF, 0xE0};

} // namespace

JpegImageLoader::~JpegImageLoader()
{
    if (created)
        jpeg_destroy_decompress(&decompress);
}

bool JpegImageLoader::Compatible(SeekableStream* stream)
{
    return StartsWith(stream, reinterpret_cast<char const*>(kJfifStart), 4);
}

void JpegImageLoader::ExitWithJump(j_common_ptr info)
{
    (*info->err->output_message)(info);
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

bool JpegImageLoader::Initialize()
{
    if (created || !stream)
        return false;
    int const length = stream->GetLength();
    if (length <= 0)
        return false;
    buffer.reset(new unsigned char[static_cast<std::size_t>(length)]);
    if (!ReadExactly(buffer.get(), static_cast<std::size_t>(length)))
        return false;
    decompress.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = &JpegImageLoader::ExitWithJump;
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&decompress);
    created = true;
    jpeg_mem_src(&decompress, buffer.get(), static_cast<unsigned long>(length));
    jpeg_read_header(&decompress, TRUE);
    // Grey and colour files fit the store; four components do not.
    if (decompress.num_components != 1 && decompress.num_components != 3)
        return false;
    decompress.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&decompress);
    if (decompress.output_components != 3 || !IsSideAccepted(decompress.output_width, decompress.output_height))
        return false;
    width = decompress.output_width;
    height = decompress.output_height;
    return true;
}

bool JpegImageLoader::FillLine(unsigned char* row)
{
    if (!created || setjmp(errors.jump))
        return false;
    JSAMPROW rows[1] = {row};
    return decompress.output_scanline < decompress.output_height && jpeg_read_scanlines(&decompress, rows, 1) == 1;
}

Surface* JpegImageLoader::Read()
{
    return Initialize() ? ReadRows(1) : nullptr;
}

} // namespace Norv
