#include "core/CurrentImage.h"

#include "codecs/BmpFile.h"

#include <iterator>
#include <utility>

CodecMessages CurrentImage::Load(const std::string& path, ImageFileType type) {
    Release();
    DecodedImage decoded = m_reader.Read(path, type);
    m_image = std::move(decoded.image);
    ToDisplayOrder(m_image);
    return std::move(decoded.messages);
}

ImageStep CurrentImage::LoadAndConvert() {
    const ImageFileType type = ImageFileTypeOf(m_strImagePath);
    if (type == ImageFileType::None) {
        return {};
    }
    CodecMessages loaded = Load(m_strImagePath, type);
    if (type == ImageFileType::Bmp) {
        return {std::move(loaded)};
    }
    ImageStep converted = ConvertToBmp();
    loaded.insert(loaded.end(), std::make_move_iterator(converted.messages.begin()),
                  std::make_move_iterator(converted.messages.end()));
    converted.messages = std::move(loaded);
    return converted;
}

ImageStep CurrentImage::ConvertToBmp() {
    if (HasBmpExtension(m_strImagePath)) {
        return {};
    }
    m_strImagePath += ".bmp";
    return SaveImageAsBmp(m_strImagePath);
}

ImageStep CurrentImage::SaveImageAsBmp(const std::string& path) {
    if (m_image.Empty()) {
        return {{{"No Image!", MessageStyle::Plain}}};
    }
    if (auto failure = BmpFile::Save(path, m_image)) {
        return {{std::move(*failure)}};
    }
    return {Load(path, ImageFileType::Bmp), true};
}
