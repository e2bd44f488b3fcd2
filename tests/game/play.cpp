#include "play.h"

#include <fstream>
#include <iterator>
#include <sstream>

std::string walk(std::initializer_list<std::string_view> steps)
{
    std::string out;
    for (std::string_view s : steps) {
        if (s.substr(0, 4) != "key ")
            out += "type ";
        out += s;
        out += '\n';
    }
    return out;
}

namespace way {

#define WAY(name, body)                    \
    const std::string& name()              \
    {                                      \
        static const std::string s = body; \
        return s;                          \
    }

WAY(start, "key n\n")
WAY(r4, start() + walk({"z", "z", "s"}))
WAY(flown, r4() + walk({"vezmi mřížku", "prozkoumej mřížku", "key a", "vezmi dopis"}))
WAY(r5, flown() + walk({"z", "z", "s", "s"}))
WAY(r6, r5() + walk({"p"}))
WAY(r7, r6() + walk({"vezmi masku", "d"}))
WAY(r9, r7() + walk({"z", "v"}))
WAY(r10, r9() + walk({"key n", "key n"}))
WAY(r14, r10() + walk({"vezmi pušku", "j", "s", "j"}))
WAY(r15, r14() + walk({"s"}))
WAY(r18, r15() + walk({"s", "d", "z"}))
WAY(a, r18() + walk({"s", "polož masku", "s", "z", "vezmi skafandr", "z", "z"}))
WAY(b, a() + walk({"s"}))
WAY(c, b() + walk({"vezmi masku", "z", "v", "vezmi lístek", "prozkoumej lístek", "v"}))
WAY(d, c() + walk({"vyber pušku"}))
WAY(e, d() + walk({"v", "prozkoumej jed", "pij jed", "v", "v"}))
WAY(f, e() + walk({"s", "j", "v", "v", "v", "v", "v", "v", "v"}))
WAY(g, f() + walk({"z", "v", "n", "n", "v"}))
WAY(h, g() + walk({"j", "vezmi filtr", "z", "z"}))
WAY(i, h() + walk({"v", "v", "v"}))
WAY(won, i() + walk({"key n", "key n", "key a"}))

#undef WAY

}  // namespace way

std::size_t entry(const headlessrun& r, int k)
{
    std::size_t at = r.trace.size();
    for (std::size_t j = r.trace.size(); j-- > 0 && k > 0;) {
        const std::string ev = r.trace[j].event();
        if (ev == "input" || ev == "inkey") {
            at = j;
            --k;
        }
    }
    return at;
}

std::vector<std::string> tail(const headlessrun& r, int k)
{
    std::vector<std::string> out;
    for (std::size_t j = entry(r, k); j < r.trace.size(); ++j)
        if (r.trace[j].event() == "print")
            out.push_back(r.trace[j]["text"]);
    return out;
}

namespace {

bool matches(const std::string& expected, const std::string& line)
{
    if (expected == "*")
        return true;
    if (!expected.empty() && expected[0] == '~')
        return line.find(expected.substr(1)) != std::string::npos;
    if (!expected.empty() && expected[0] == '^')
        return line.compare(0, expected.size() - 1, expected, 1) == 0;
    return line == expected;
}

std::string quoted(const std::vector<std::string>& v)
{
    std::ostringstream os;
    for (const auto& l : v)
        os << "\n  \"" << l << "\"";
    return os.str();
}

}  // namespace

::testing::AssertionResult lines(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    bool same = actual.size() == expected.size();
    for (std::size_t j = 0; same && j < actual.size(); ++j)
        same = matches(expected[j], actual[j]);
    if (same)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "printed:" << quoted(actual) << "\nexpected:" << quoted(expected);
}

std::size_t findprint(const headlessrun& r, const std::string& text, std::size_t from)
{
    for (std::size_t j = from; j < r.trace.size(); ++j)
        if (r.trace[j].event() == "print" && r.trace[j]["text"] == text)
            return j;
    return std::string::npos;
}

std::size_t rfindprint(const headlessrun& r, const std::string& text)
{
    for (std::size_t j = r.trace.size(); j-- > 0;)
        if (r.trace[j].event() == "print" && r.trace[j]["text"] == text)
            return j;
    return std::string::npos;
}

std::size_t findevent(const headlessrun& r, const std::string& type, std::size_t from)
{
    for (std::size_t j = from; j < r.trace.size(); ++j)
        if (r.trace[j].event() == type)
            return j;
    return std::string::npos;
}

std::vector<std::string> events(
    const headlessrun& r, std::size_t from, std::size_t to, std::initializer_list<std::string_view> types)
{
    std::vector<std::string> out;
    to = std::min(to, r.trace.size());
    for (std::size_t j = from; j < to; ++j) {
        const traceevent& e = r.trace[j];
        const std::string ev = e.event();
        bool wanted = false;
        for (std::string_view t : types)
            wanted = wanted || ev == t;
        if (!wanted)
            continue;
        if (ev == "pitch" || ev == "click")
            out.push_back(ev + " " + e["n"]);
        else if (ev == "sleep")
            out.push_back(ev + " " + e["ms"]);
        else if (ev == "play")
            out.push_back(ev + " " + e["notes"] + " " + e["duration"] + " " + e["octave"]);
        else if (ev == "poke")
            out.push_back(ev + " " + e["address"] + " " + e["value"]);
        else if (ev == "print")
            out.push_back(ev + " " + e["text"]);
        else
            out.push_back(ev);
    }
    return out;
}

std::string turns(const headlessrun& r, std::size_t from, std::size_t to)
{
    std::string out;
    std::string pitch;
    int count = 0;
    to = std::min(to, r.trace.size());
    for (std::size_t j = from; j < to; ++j) {
        const std::string ev = r.trace[j].event();
        if (ev == "pitch") {
            if (!pitch.empty())
                out += pitch + ":" + std::to_string(count) + " ";
            pitch = r.trace[j]["n"];
            count = 0;
        } else if (ev == "print" && !pitch.empty()) {
            ++count;
        }
    }
    if (!pitch.empty())
        out += pitch + ":" + std::to_string(count);
    return out;
}

std::vector<std::string> voiced(const headlessrun& r, std::size_t from, std::size_t to)
{
    std::string pitch = "0";
    for (std::size_t j = 0; j < from && j < r.trace.size(); ++j)
        if (r.trace[j].event() == "pitch")
            pitch = r.trace[j]["n"];
    std::vector<std::string> out;
    to = std::min(to, r.trace.size());
    for (std::size_t j = from; j < to; ++j) {
        if (r.trace[j].event() == "pitch")
            pitch = r.trace[j]["n"];
        else if (r.trace[j].event() == "print")
            out.push_back(pitch + " " + r.trace[j]["text"]);
    }
    return out;
}

namespace {
std::string ram(const headlessrun& r)
{
    std::ifstream in(r.folder + "/ram.dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

int ramcell(const headlessrun& r, std::size_t address)
{
    const std::string m = ram(r);
    return address < m.size() ? static_cast<unsigned char>(m[address]) : -1;
}

std::size_t ramsize(const headlessrun& r)
{
    return ram(r).size();
}

std::vector<std::string> funeralmarch()
{
    return {
        "play [261,311,391,524] 1000 3",
        "play [261,348,414,524] 750 10",
        "play [261,348,414,524] 250 10",
        "play [261,311,391,524] 1000 10",
        "play [261,311,391,621] 750 10",
        "play [261,311,391,587] 250 10",
        "play [292,391,495,587] 750 10",
        "play [292,391,495,524] 250 10",
        "play [292,348,391,524] 750 3",
        "play [292,348,391,495] 250 10",
        "play [261,311,391,524] 750 10",
    };
}
