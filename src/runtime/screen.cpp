#include "screen.h"

tscrcursor scrcursor;

namespace screen {
namespace {
std::vector<std::string> screenlines(rows);
std::function<void()> listener;
}  // namespace

std::vector<std::string>& lines() { return screenlines; }

void clear()
{
    screenlines.assign(rows, std::string());
    changed();
}

void onchange(std::function<void()> f) { listener = std::move(f); }

void changed()
{
    if (listener)
        listener();
}

}  // namespace screen

namespace vdrcommands {

std::uint8_t printmode = 0;

namespace {

void padline(int r)
{
    auto& line = screen::lines()[r];
    if (line.size() < screen::columns)
        line.resize(screen::columns, ' ');
}

// Drops the top line for good and opens an empty one at the bottom.
void scroll(int& r)
{
    auto& l = screen::lines();
    l.erase(l.begin());
    l.emplace_back();
    r = screen::rows - 1;
}

void newline(int& c, int& r)
{
    ++r;
    c = 0;
    if (r > screen::rows - 1)
        scroll(r);
}

void overwrite(int r, int c, const std::string& piece)
{
    padline(r);
    // A cursor just past the margin (column 80) has no room left on its line.
    auto& line = screen::lines()[r];
    if (c < screen::columns)
        line.replace(c, std::min<std::size_t>(piece.size(), screen::columns - c), piece, 0,
                     std::min<std::size_t>(piece.size(), screen::columns - c));
}

}  // namespace

void scrwrite(const std::string& input)
{
    std::string text = input;
    int c = scrcursor.getcolumn();
    int r = scrcursor.getrow();
    if (static_cast<int>(text.size()) + c > screen::columns) {
        do {
            const std::size_t take = screen::columns - c;
            overwrite(r, c, text.substr(0, take));
            text.erase(0, take);
            newline(c, r);
        } while (text.size() > static_cast<std::size_t>(screen::columns));
    }
    overwrite(r, c, text);
    c += static_cast<int>(text.size());
    switch (printmode) {
    case 0:
        newline(c, r);
        break;
    case 2:
        if (c >= 73) {
            newline(c, r);
        } else {
            const int k = c % 8;
            if (k == 1)
                c += 1;
            else if (k >= 2)
                c += 8 - k;
        }
        break;
    default:
        break;
    }
    scrcursor.setcolumn(static_cast<std::uint8_t>(c));
    scrcursor.setrow(static_cast<std::uint8_t>(r));
    screen::changed();
}

}  // namespace vdrcommands
