// What the reading keys read: the word at a caret, and the review's copy of the screen with its
// caret arithmetic. Texts are code page 1250; positions count characters from 0.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The characters from pos up to, not including, the first word separator (carriage return,
// space, comma) or the end of the text; empty at a separator or past the end.
std::string wordat(const std::string& text, std::size_t pos);

// The screen as the review window reads it: every line followed by a line break (CR LF). The
// caret can also stand after the last break, on an empty line that is not part of the screen.
class screencopy {
public:
    explicit screencopy(std::vector<std::string> lines = {});

    const std::string& text() const { return whole; }
    // The screen's lines, without their breaks.
    const std::vector<std::string>& lines() const { return rows; }
    // Where line n starts in the text; n may be the empty line after the last break.
    std::size_t linestart(std::size_t n) const;
    // The number of line breaks before pos.
    std::size_t lineof(std::size_t pos) const;
    // 1 + the characters between the start of pos's line and pos.
    std::size_t columnof(std::size_t pos) const;
    // Line n's text; empty for the line after the last break.
    std::string line(std::size_t n) const;

private:
    std::vector<std::string> rows;
    std::vector<std::size_t> starts;
    std::string whole;
};
