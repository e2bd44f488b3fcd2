// INPUT's splitting of an entry, against a model of its rules: the entry is trimmed of blanks and
// control characters; a leading comma gives an empty first value; then each value is either a
// quoted text (to the next quote, or to the end without one) or the text before the next comma,
// and what is left is trimmed again. The first INPUT asks the dialog; the following ones take
// the rest of the entry without asking, until it is used up.
#include "check.h"

#include "runtime/input.h"
#include "runtime/vdrcommands.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct onceentry : inputdialoghost {
    std::string entry;
    int showings = 0;
    void prepare() override {}
    bool showmodal() override { return ++showings == 1; }
    std::string text() const override { return entry; }
};

std::string trimmed(const std::string& s)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t b = 0, e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::vector<std::string> values(const std::string& entry)
{
    std::vector<std::string> out;
    std::string rest = trimmed(entry);
    if (rest.starts_with(',')) {
        out.emplace_back();
        rest.erase(0, 1);
    }
    while (!rest.empty()) {
        if (rest.starts_with(','))
            rest.erase(0, 1);
        rest = trimmed(rest);
        const bool quoted = rest.starts_with('"');
        const std::size_t from = quoted ? 1 : 0;
        const std::size_t stop = rest.find(quoted ? '"' : ',', from);
        out.push_back(rest.substr(from, stop == std::string::npos ? std::string::npos : stop - from));
        rest = stop == std::string::npos ? "" : trimmed(rest.substr(stop + 1));
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    onceentry dialog;
    dialog.entry.assign(reinterpret_cast<const char*>(data), size);
    setinputdialog(&dialog);
    pendinginput.clear();

    const std::vector<std::string> want = values(dialog.entry);
    std::vector<std::string> got;
    // No value holds both a quote and a comma.
    const std::string untouched = "\",";
    std::string dest = untouched;
    vdrcommands::input(dest, 0);
    if (dest != untouched)
        got.push_back(dest);
    while (!pendinginput.empty() && got.size() <= size) {
        vdrcommands::input(dest, 1);
        got.push_back(dest);
    }
    setinputdialog(nullptr);
    FUZZ_CHECK(dialog.showings == 1);
    FUZZ_CHECK(got == want);
    return 0;
}
