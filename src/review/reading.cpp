#include "reading.h"

#include "speech/service.h"

#include <algorithm>

std::string wordat(const std::string& text, std::size_t pos)
{
    std::string word;
    for (std::size_t i = pos; i < text.size() && !wordseparators.count(text[i]); ++i)
        word += text[i];
    return word;
}

screencopy::screencopy(std::vector<std::string> lines) : rows(std::move(lines))
{
    for (const std::string& l : rows) {
        starts.push_back(whole.size());
        whole += l;
        whole += "\r\n";
    }
    starts.push_back(whole.size());
}

std::size_t screencopy::linestart(std::size_t n) const
{
    return starts[std::min(n, starts.size() - 1)];
}

std::size_t screencopy::lineof(std::size_t pos) const
{
    // The last line start not after pos.
    return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) - 1;
}

std::size_t screencopy::columnof(std::size_t pos) const
{
    return pos - linestart(lineof(pos)) + 1;
}

std::string screencopy::line(std::size_t n) const
{
    return n < rows.size() ? rows[n] : std::string();
}
