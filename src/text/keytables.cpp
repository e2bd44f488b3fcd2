#include "keytables.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

#include "platform/codepage.h"
#include "platform/errors.h"

std::string brltablefile;
std::array<brlpreftype, brlprefixslots + 1> brlprefixes;
unsigned char brlprefixcount = 0;
std::array<brlchartype, brlcharslots + 1> brlchars;
unsigned char brlcharcount = 0;

std::string keynamefile;
std::array<echokeytype, 256> echokeys;

namespace {

std::vector<std::string> readlines(const std::string& name)
{
    const std::string shown = codepage::toutf8(name);
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR)
            throw vdrerror("File not found: " + shown);
        if (err == EACCES || err == EPERM)
            throw vdrerror("Access denied: " + shown);
        throw vdrerror("Cannot open " + shown + ": " + std::strerror(err));
    }
    std::string text;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        text.append(buf, n);
    const bool failed = std::ferror(f);
    const int err = errno;
    std::fclose(f);
    if (failed)
        throw vdrerror("Cannot read " + shown + ": " + std::strerror(err));

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool lf = end != std::string::npos;
        if (!lf)
            end = text.size();
        std::size_t len = end - start;
        // A CR belongs to the line end only when an LF follows it.
        if (lf && len > 0 && text[end - 1] == '\r')
            --len;
        lines.emplace_back(text, start, len);
        start = end + 1;
    }
    return lines;
}

std::pair<std::string, std::string> splitentry(const std::string& line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos)
        return {line, line};
    return {line.substr(0, eq), line.substr(eq + 1)};
}

bool isheader(const std::string& line)
{
    return !line.empty() && line[0] == '[';
}

std::string sectionname(const std::string& header)
{
    return header.size() < 2 ? std::string() : header.substr(1, header.size() - 2);
}

// A decimal integer with an optional sign that fits 32 bits, the whole text and nothing else.
bool parseint(const std::string& s, long long& value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    if (i == s.size())
        return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        v = v * 10 + (s[i] - '0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    v = negative ? -v : v;
    if (v > std::numeric_limits<int>::max())
        return false;
    value = v;
    return true;
}

void addprefix(const std::string& line)
{
    if (brlprefixcount >= brlprefixslots)
        return;
    auto [name, dots] = splitentry(line);
    ++brlprefixcount;
    brlprefixes[brlprefixcount] = {std::move(name), std::move(dots)};
}

void addchar(const std::string& section, const std::string& line)
{
    if (brlcharcount >= brlcharslots)
        return;
    auto [chars, dots] = splitentry(line);
    ++brlcharcount;
    const bool plain = section == "characters";
    brlchars[brlcharcount] = {plain ? std::string() : section, std::move(chars), std::move(dots)};
}

}  // namespace

void loadbrltable()
{
    brlcharcount = 0;
    brlprefixcount = 0;
    const std::vector<std::string> lines = readlines(brltablefile);

    std::size_t i = 0;
    while (i < lines.size() && !isheader(lines[i]))
        ++i;
    while (i < lines.size()) {
        const std::string name = sectionname(lines[i++]);
        const bool prefixes = name == "prefixes";
        const bool characters = name == "characters" || (!name.empty() && name[0] == '#');
        if (prefixes)
            brlprefixcount = 0;
        for (; i < lines.size() && !isheader(lines[i]); ++i) {
            const std::string& line = lines[i];
            if (prefixes && !line.empty() && line[0] == '#')
                addprefix(line);
            else if (characters && !line.empty())
                addchar(name, line);
        }
    }
}

void loadkeynames()
{
    echokeys = {};
    const std::vector<std::string> lines = readlines(keynamefile);

    unsigned char slot = 0;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        // Unlike a braille cell, a key name needs its "=": a bare "65" is refused too.
        auto [code, name] = splitentry(line);
        long long value;
        if (line.find('=') == std::string::npos || !parseint(code, value))
            throw vdrerror("'" + codepage::toutf8(code) + "' is not a valid integer value");
        echokeys[slot] = {static_cast<unsigned char>(value & 0xFF), std::move(name)};
        ++slot;
    }
}
