#include "codecs/BmpFile.h"

#include "codecs/BmpReader.h"
#include "codecs/BmpWriter.h"

#include <utility>

DecodedImage BmpFile::Load(ByteReader& file) {
    BmpReader reader(file);
    ImageBuffer image = reader.Read();
    m_nBytesRead = static_cast<std::int32_t>(reader.BytesRead());
    return image.Empty() ? ReadFailure(reader.Error()) : DecodedImage{std::move(image), {}};
}

std::optional<CodecMessage> BmpFile::Save(const std::string& path, const ImageBuffer& image) {
    BmpWriter writer(path, image.Width(), image.Height());
    writer.Put(image.Bits(), image.Height());
    return writer.Finish();
}
