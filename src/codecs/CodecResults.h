// What the readers and the writer hand back: the image, and the messages that go with it
// in the order the program shows them, each saying how it is shown.
#pragma once

#include "codecs/ImageBuffer.h"

#include <string>
#include <utility>
#include <vector>

enum class MessageStyle {
    Plain,           // the program's own box: its caption, an OK button
    Stop,            // the program's own box with the stop icon
    LibraryFatal,    // the JPEG library's fatal error: its caption, no owner, the stop icon
    LibraryWarning,  // the JPEG library's warning: its caption, owned by the active window
    Remark,          // a note on a read that went well, which the program keeps to itself
};

struct CodecMessage {
    std::string text;
    MessageStyle style = MessageStyle::Plain;
    bool operator==(const CodecMessage&) const = default;
};

using CodecMessages = std::vector<CodecMessage>;

// The caption of the library's boxes; null for the program's own, which carry its name.
constexpr const char* LibraryCaption(MessageStyle style) {
    switch (style) {
    case MessageStyle::LibraryFatal:
        return "JPEG Fatal Error";
    case MessageStyle::LibraryWarning:
        return "JPEG Error";
    default:
        return nullptr;
    }
}

struct DecodedImage {
    ImageBuffer image;  // empty when the read failed
    CodecMessages messages;
};

// A read that failed with a message of the program's own.
inline DecodedImage ReadFailure(std::string text) {
    DecodedImage failed;
    failed.messages.push_back({std::move(text), MessageStyle::Plain});
    return failed;
}
