#include "core/CurrentImage.h"

#include "codecs/BmpFile.h"

#include <iterator>
#include <utility>

CodecMessages CurrentImage::Load(const std::string& path, ImageFileType type) {
    Release();
    DecodedImage decoded = m_reader.Read(path, type);
    m_image = std::move(decoded.image);
    return std::move(decoded.messages);
}

CodecMessages CurrentImage::LoadAndConvert() {
    const ImageFileType type = ImageFileTypeOf(m_strImagePath);
    if (type == ImageFileType::None) {
        return {};
    }
    CodecMessages messages = Load(m_strImagePath, type);
    if (type != ImageFileType::Bmp) {
        CodecMessages converted = ConvertToBmp();
        messages.insert(messages.end(), std::make_move_iterator(converted.begin()),
                        std::make_move_iterator(converted.end()));
    }
    return messages;
}

CodecMessages CurrentImage::ConvertToBmp() {
    if (HasBmpExtension(m_strImagePath)) {
        return {};
    }
    m_strImagePath += ".bmp";
    return SaveImageAsBmp(m_strImagePath);
}

CodecMessages CurrentImage::SaveImageAsBmp(const std::string& path) {
    if (m_image.Empty()) {
        return {{"No Image!", MessageStyle::Plain}};
    }
    if (auto failure = BmpFile::Save(path, m_image)) {
        return {std::move(*failure)};
    }
    return Load(path, ImageFileType::Bmp);
}
