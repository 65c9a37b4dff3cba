#include "image/ImageHolder.h"

#include "framework/SystemServices.h"
#include "framework/WaitCursor.h"
#include "image/BmpFile.h"
#include "image/GifFile.h"
#include "image/ImageBuffer.h"
#include "image/JpegFile.h"

ImageHolder::~ImageHolder() {
    ReleaseImage();
}

void ImageHolder::ReleaseImage() {
    delete[] m_pImageBits;
    m_pImageBits = nullptr;
}

void ImageHolder::ToDisplayOrder() {
    SwapRedBlue(m_pImageBits, m_nImageWidth, m_nImageHeight);
    FlipRowsVertically(m_pImageBits, std::size_t{m_nImageWidth} * 3, m_nImageHeight);
}

void ImageHolder::LoadJpegImage(std::string path) {
    ReleaseImage();
    m_pImageBits = JpegFile::Load(path, m_nImageWidth, m_nImageHeight);  // reports its own failures
    ToDisplayOrder();
}

void ImageHolder::LoadGifImage(std::string path) {
    ReleaseImage();
    GifFile gif;
    m_pImageBits = gif.GIFRead(path, m_nImageWidth, m_nImageHeight);
    if (m_pImageBits != nullptr) {
        ToDisplayOrder();
        if (gif.m_strError != "No Error") {
            OnReaderNote(gif.m_strError);
        }
    } else {
        fw::AfxMessageBox(gif.m_strError.c_str(), MB_OK);
    }
}

void ImageHolder::LoadBmpImage(std::string path) {
    ReleaseImage();
    BmpFile bmp;
    m_pImageBits = bmp.Load(path, m_nImageWidth, m_nImageHeight);
    if (m_pImageBits != nullptr && bmp.m_strError == "OK") {
        ToDisplayOrder();
    } else {
        ReleaseImage();
        fw::AfxMessageBox(bmp.m_strError.c_str(), MB_OK);
    }
}

void ImageHolder::LoadAndConvert() {
    switch (ImageFileTypeOf(m_strImagePath)) {
    case ImageFileType::Jpeg:
        LoadJpegImage(m_strImagePath);
        ConvertToBmp();
        break;
    case ImageFileType::Gif:
        LoadGifImage(m_strImagePath);
        ConvertToBmp();
        break;
    case ImageFileType::Bmp:
        LoadBmpImage(m_strImagePath);
        break;
    case ImageFileType::None:
        break;
    }
}

void ImageHolder::ConvertToBmp() {
    if (HasBmpExtension(m_strImagePath)) {
        return;
    }
    CWaitCursor wait;
    m_strImagePath += ".bmp";
    SaveImageAsBmp(m_strImagePath);
}

void ImageHolder::SaveImageAsBmp(std::string path) {
    if (m_pImageBits == nullptr) {
        fw::AfxMessageBox("No Image!", MB_OK);
        return;
    }
    BmpFile bmp;
    bmp.Save(path, m_pImageBits, m_nImageWidth, m_nImageHeight);
    if (bmp.m_strError != "OK") {
        fw::AfxMessageBox(bmp.m_strError.c_str(), MB_OK | MB_ICONSTOP);
        return;
    }
    LoadBmpImage(path);
    OnImageReloaded();
}
