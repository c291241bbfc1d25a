// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFileText.h"

#include <array>
#include <cstdint>

#include "common/ReadOnlyFile.h"

namespace tilora {
namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves undefined are
// mapped to the control characters of the same number, as Windows itself does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0 if there is
// none: no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;  // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

// The text without a character that a cut split: a lead byte near the end whose sequence
// runs past it is dropped with the continuation bytes after it.
std::string_view WithoutSplitCharacter(std::string_view text)
{
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<std::uint8_t>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;  // a continuation byte: look further back for its lead
        if (byte >= 0xC0 && SequenceLength(text.substr(text.size() - back)) == 0)
            text.remove_suffix(back);
        break;
    }
    return text;
}

bool IsUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

void AppendUtf8(std::string& out, char16_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string AsUtf8(std::string_view text)
{
    if (IsUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t{byte});
    }
    return out;
}

ScoreFileState ReadScoreFile(const std::filesystem::path& file, std::string& text)
{
    text.clear();
    const OpenedFile opened = OpenRegularFile(file);
    switch (opened.status) {
    case OpenStatus::Opened:
        break;
    case OpenStatus::Missing:
        return ScoreFileState::Missing;
    case OpenStatus::NotAFile:
        return ScoreFileState::Refused;
    case OpenStatus::CannotOpen:
        return ScoreFileState::Failed;
    }
    // One byte past the limit tells a file of exactly the limit from a longer one.
    std::string bytes;
    if (!ReadAtMost(opened.fd.Get(), kScoreFileLimit + 1, bytes))
        return ScoreFileState::Failed;
    const bool cut = bytes.size() > kScoreFileLimit;
    if (cut) {
        bytes.resize(kScoreFileLimit);
        bytes.resize(WithoutSplitCharacter(bytes).size());  // so that UTF-8 stays UTF-8
    }
    text = AsUtf8(bytes);
    return cut ? ScoreFileState::Cut : ScoreFileState::Read;
}

}  // namespace tilora
