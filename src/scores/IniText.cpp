// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/IniText.h"

#include <vector>

namespace tilora::ini {
namespace {

struct Line {
    std::string_view body;  // without its line end
    std::string_view end;   // "\r\n", "\n", "\r" or empty for an unterminated last line
};

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        const std::size_t endLength = (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') ? 2 : 1;
        lines.push_back({text.substr(start, stop - start), text.substr(stop, endLength)});
        start = stop + endLength;
    }
    return lines;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The name of a section header line, none for any other line.
std::optional<std::string_view> SectionName(std::string_view body)
{
    body = Trim(body);
    if (body.empty() || body.front() != '[')
        return std::nullopt;
    const std::size_t close = body.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(body.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view body)
{
    const std::string_view trimmed = Trim(body);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Where a section lies: the index of its header line and one past its last line.
struct SectionSpan {
    std::size_t header;
    std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i].body);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end].body))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, SectionSpan span, std::string_view key)
{
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto parsed = ParseKeyLine(lines[i].body);
        if (parsed && SameName(parsed->key, Trim(key)))
            return i;
    }
    return std::nullopt;
}

std::string_view LineEndOf(const std::vector<Line>& lines)
{
    for (const Line& line : lines)
        if (!line.end.empty())
            return line.end;
    return "\n";
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key)
{
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(lines, Trim(section));
    if (!span)
        return std::nullopt;
    const auto index = FindKey(lines, *span, key);
    if (!index)
        return std::nullopt;
    return std::string(Unquote(ParseKeyLine(lines[*index].body)->value));
}

std::string SetValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view eol = LineEndOf(lines);
    const std::string entry = std::string(Trim(key)) + "=" + std::string(value);

    std::string out;
    out.reserve(text.size() + entry.size() + section.size() + 8);
    const auto append = [&](std::string_view body, std::string_view end) {
        out += body;
        out += end;
    };
    // A line that gets another after it needs a line end of its own.
    const auto appendTerminated = [&](const Line& line) { append(line.body, line.end.empty() ? eol : line.end); };

    const auto span = FindSection(lines, Trim(section));
    if (!span) {
        for (const Line& line : lines)
            appendTerminated(line);
        std::string header = "[";
        header += Trim(section);
        header += ']';
        append(header, eol);
        append(entry, eol);
        return out;
    }

    if (const auto index = FindKey(lines, *span, key)) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            append(i == *index ? std::string_view(entry) : lines[i].body, lines[i].end);
        return out;
    }

    // A new key goes after the section's last non-blank line, so that a blank line that
    // separates it from the next section stays where it is.
    std::size_t insertAfter = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i)
        if (!Trim(lines[i].body).empty())
            insertAfter = i;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == insertAfter) {
            appendTerminated(lines[i]);
            append(entry, i + 1 < lines.size() || !lines[i].end.empty() ? eol : std::string_view{});
        } else {
            append(lines[i].body, lines[i].end);
        }
    }
    return out;
}

}  // namespace tilora::ini
