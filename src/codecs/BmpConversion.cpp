#include "codecs/BmpConversion.h"

#include "codecs/BmpFile.h"
#include "codecs/BmpReader.h"
#include "codecs/BmpWriter.h"
#include "files/RegularFile.h"

#include <memory>
#include <new>
#include <utility>

namespace {

// Each row handed on to the writer as soon as it is read.
class WrittenRows final : public BmpReader::RowTarget {
public:
    WrittenRows(BmpWriter& writer, std::uint32_t width)
        : m_writer(writer), m_row(std::make_unique_for_overwrite<unsigned char[]>(std::size_t{width} * 3)) {}
    unsigned char* Row(std::uint32_t) override { return m_row.get(); }
    void Filled(std::uint32_t) override { m_writer.Put(m_row.get(), 1); }
    void Black(std::uint32_t, std::uint32_t count) override { m_writer.PutBlack(count); }

private:
    BmpWriter& m_writer;
    std::unique_ptr<unsigned char[]> m_row;
};

CodecMessage Failure(const std::string& text) {
    return {text, MessageStyle::Plain};
}

// The input is closed before the output takes its place, which may be the input's own.
std::optional<CodecMessage> Convert(files::FilePtr input, const std::string& output, std::size_t windowBytes) {
    ByteReader bytes(input.get(), windowBytes);
    BmpReader reader(bytes);
    if (!reader.ReadToPixels()) {
        return Failure(reader.Error());
    }
    if (reader.TopDown()) {
        const ImageBuffer image = reader.ReadImage();
        input.reset();
        return image.Empty() ? Failure(reader.Error()) : BmpFile::Save(output, image);
    }
    // Refused as the image would be, though it is never held.
    if (ImageBytes(reader.Width(), reader.Height()) == 0) {
        return Failure("Memory alloc Failed");
    }
    BmpWriter writer(output, reader.Width(), reader.Height());
    WrittenRows rows(writer, reader.Width());
    const bool read = reader.ReadRows(rows);
    input.reset();
    return read ? writer.Finish() : Failure(reader.Error());
}

}  // namespace

std::optional<CodecMessage> ConvertBmpFile(const std::string& input, const std::string& output,
                                           std::size_t windowBytes) {
    const std::string cannotOpen = CannotOpenMessage(input, ImageFileType::Bmp);
    files::FilePtr file = files::OpenRegular(input, files::Access::Read);
    if (file == nullptr) {
        return Failure(cannotOpen);
    }
    try {
        return Convert(std::move(file), output, windowBytes);
    } catch (const std::bad_alloc&) {
        return Failure(cannotOpen);
    }
}
