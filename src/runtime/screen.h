// The 24-line, 80-column text screen of the emulated device and its output cursor.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class tscrcursor {
public:
    void setcolumn(std::uint8_t c) { column = c; }
    void setrow(std::uint8_t r) { row = r; }
    std::uint8_t getcolumn() const { return column; }
    std::uint8_t getrow() const { return row; }

private:
    std::uint8_t column = 0;  // 80 means just past the right margin
    std::uint8_t row = 0;
};

extern tscrcursor scrcursor;

namespace screen {

constexpr int rows = 24;
constexpr int columns = 80;

// The screen lines, code page 1250; a line never written to is empty, else 80 long.
std::vector<std::string>& lines();
// Empties the 24 lines (start-up); the cursor is left alone.
void clear();
// Called after every change, so the main window can redraw its memo.
void onchange(std::function<void()> f);
void changed();

}  // namespace screen

namespace vdrcommands {
// Writes text at the cursor, wrapping and scrolling, then applies the current print mode.
void scrwrite(const std::string& text);
extern std::uint8_t printmode;
}  // namespace vdrcommands
