#include "profile.h"

#include "errors.h"
#include "hexdigit.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

constexpr std::size_t none = static_cast<std::size_t>(-1);
constexpr std::string_view blanks = " \t\r";
constexpr std::string_view bom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool samename(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// One line of the file: its text and its own line end ("\n", "\r\n", or none on a last line).
struct line {
    std::string text;
    std::string end;
};

std::vector<line> splitlines(const std::string& data)
{
    std::vector<line> lines;
    std::size_t pos = 0;
    while (pos < data.size()) {
        const auto nl = data.find('\n', pos);
        if (nl == std::string::npos) {
            lines.push_back({data.substr(pos), ""});
            break;
        }
        const bool crlf = nl > pos && data[nl - 1] == '\r';
        const auto textend = crlf ? nl - 1 : nl;
        lines.push_back({data.substr(pos, textend - pos), crlf ? "\r\n" : "\n"});
        pos = nl + 1;
    }
    return lines;
}

enum class kind { other, header, entry };

struct parsed {
    kind what = kind::other;
    std::string_view name;   // the section of a header, the key of an entry
    std::string_view value;  // of an entry
    std::size_t equals = 0;  // position of an entry's '='
};

parsed parse(std::string_view text, bool firstline)
{
    parsed p;
    std::size_t start = 0;
    if (firstline && text.substr(0, bom.size()) == bom)
        start = bom.size();
    const auto lead = text.find_first_not_of(blanks, start);
    if (lead == std::string_view::npos || text[lead] == ';')
        return p;
    if (text[lead] == '[') {
        const auto close = text.find(']', lead + 1);
        if (close != std::string_view::npos) {
            p.what = kind::header;
            p.name = trim(text.substr(lead + 1, close - lead - 1));
        }
        return p;
    }
    const auto eq = text.find('=', lead);
    if (eq == std::string_view::npos)
        return p;
    p.what = kind::entry;
    p.name = trim(text.substr(lead, eq - lead));
    p.value = trim(text.substr(eq + 1));
    p.equals = eq;
    return p;
}

// Where a key stands in the file, or where a new line of it would go.
struct place {
    std::size_t keyline = none;   // the first line of the key in a section of the name
    std::size_t insertat = none;  // after the last key line of the first such section
};

place locate(const std::vector<line>& lines, std::string_view section, std::string_view key)
{
    place p;
    bool insection = false;  // in a section of this name
    bool infirst = false;    // in the first one of them
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const parsed q = parse(lines[i].text, i == 0);
        if (q.what == kind::header) {
            insection = samename(q.name, section);
            infirst = insection && p.insertat == none;
            if (infirst)
                p.insertat = i + 1;
        } else if (q.what == kind::entry && insection) {
            if (samename(q.name, key)) {
                p.keyline = i;
                return p;
            }
            if (infirst)
                p.insertat = i + 1;
        }
    }
    return p;
}

enum class readresult { ok, missing, failed };

readresult readfile(const std::string& path, std::string& data)
{
    data.clear();
    if (path.find('\0') != std::string::npos)
        return readresult::failed;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? readresult::missing : readresult::failed;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return readresult::failed;
        }
        if (got == 0)
            break;
        data.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return readresult::ok;
}

// The lines of the file last read, kept while the file stays as it was, so that a burst of
// reads (start-up reads a dozen keys) costs one read of the file however large it is. The
// file's identity, size and change times tell whether it changed since.
struct cachedfile {
    std::string path;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    timespec mtime{}, ctime{};
    std::vector<line> lines;

    bool matches(const std::string& p, const struct stat& st) const
    {
        return p == path && st.st_dev == dev && st.st_ino == ino && st.st_size == size &&
               st.st_mtim.tv_sec == mtime.tv_sec && st.st_mtim.tv_nsec == mtime.tv_nsec &&
               st.st_ctim.tv_sec == ctime.tv_sec && st.st_ctim.tv_nsec == ctime.tv_nsec;
    }
};

cachedfile cache;

// The file's lines, read afresh when it changed; null when it is missing or cannot be read.
const std::vector<line>* linesof(const std::string& file)
{
    struct stat st {};
    if (file.find('\0') != std::string::npos || ::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return nullptr;
    if (cache.matches(file, st))
        return &cache.lines;
    std::string data;
    if (readfile(file, data) != readresult::ok)
        return nullptr;
    // Stat again: what was read must be what the stamp describes, even if the file changed
    // while it was read.
    cache = {};
    if (::stat(file.c_str(), &st) != 0)
        return nullptr;
    cache.path = file;
    cache.dev = st.st_dev;
    cache.ino = st.st_ino;
    cache.size = st.st_size;
    cache.mtime = st.st_mtim;
    cache.ctime = st.st_ctim;
    cache.lines = splitlines(data);
    if (static_cast<off_t>(data.size()) != st.st_size)
        cache.path.clear();  // changed while it was read: good for this read only
    return &cache.lines;
}

// The value of the key; false when the file, section or key is missing.
bool lookup(const std::string& file, const std::string& section, const std::string& key,
            std::string& value)
{
    const auto sec = trim(section);
    const auto k = trim(key);
    if (sec.empty() || k.empty())
        return false;
    const std::vector<line>* read = linesof(file);
    if (!read)
        return false;
    const auto& lines = *read;
    const place p = locate(lines, sec, k);
    if (p.keyline == none)
        return false;
    value = parse(lines[p.keyline].text, p.keyline == 0).value;
    return true;
}

int digit(char c, int base)
{
    const int d = hexdigit(c);
    return d < base ? d : -1;
}

bool parseint(std::string_view s, int& out)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (s.substr(i, 2) == "0x" || s.substr(i, 2) == "0X") {
        base = 16;
        i += 2;
    } else if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == s.size())
        return false;
    std::int64_t v = 0;
    for (; i < s.size(); ++i) {
        const int d = digit(s[i], base);
        if (d < 0)
            return false;
        v = v * base + d;
        if (v > static_cast<std::int64_t>(INT_MAX) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > INT_MAX)
        return false;
    out = static_cast<int>(v);
    return true;
}

[[noreturn]] void refuse(const std::string& file, const std::string& why = {})
{
    throw vdrerror("Unable to write to " + file + (why.empty() ? "" : ": " + why));
}

std::string basename(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool hasbreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

std::string folderof(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeall(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t put = ::write(fd, data.data() + done, data.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// Temporary files are named after the target and the writing process. A process killed while
// it wrote leaves its own behind: they are removed here, those of live processes left alone.
void removestale(const std::string& target)
{
    const std::string folder = folderof(target);
    const std::string prefix = basename(target) + ".tmp";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string rest = name.substr(prefix.size());
        const auto dot = rest.find('.');
        if (dot == 0 || dot == std::string::npos ||
            rest.find_first_not_of("0123456789.") != std::string::npos)
            continue;
        const long pid = std::strtol(rest.substr(0, dot).c_str(), nullptr, 10);
        if (pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

// Replaces target with data through a temporary file in the same folder. False when refused.
bool replacefile(const std::string& target, const std::string& data, const struct stat* old)
{
    removestale(target);
    static unsigned counter = 0;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    if (old) {
        // Best effort: an owner we cannot give back is no reason to refuse the setting.
        [[maybe_unused]] const int owned = ::fchown(fd, old->st_uid, old->st_gid);
        ::fchmod(fd, old->st_mode & 07777);
    }
    bool ok = writeall(fd, data) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    const int dir = ::open(folderof(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void write(const std::string& file, const std::string& section, const std::string& key,
           const std::string& value)
{
    const auto sec = trim(section);
    const auto k = trim(key);
    if (sec.empty() || k.empty() || hasbreak(sec) || hasbreak(k) || hasbreak(value)
        || sec.find(']') != std::string_view::npos || k.find('=') != std::string_view::npos
        || k.front() == ';' || k.front() == '[' || file.empty()
        || file.find('\0') != std::string::npos)
        refuse(file);

    // Through a symbolic link to the file itself, so that the link survives the rename.
    std::string target = file;
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(file.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }

    std::string data;
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        refuse(file, "it is a folder");
    const readresult r = readfile(target, data);
    if (r == readresult::failed)
        refuse(file, std::string("the file cannot be read (") + std::strerror(errno) + ")");
    const bool existed = r == readresult::ok;
    if (existed && ::stat(target.c_str(), &st) != 0)
        refuse(file);

    auto lines = splitlines(data);
    const std::string end = lines.empty() || lines.front().end.empty() ? "\n" : lines.front().end;
    const std::string newentry = std::string(k) + "=" + value;
    const place p = locate(lines, sec, k);
    if (p.keyline != none) {
        auto& text = lines[p.keyline].text;
        const auto q = parse(text, p.keyline == 0);
        const auto keepto = text.find_last_not_of(blanks, q.equals - 1) + 1;
        text = text.substr(0, keepto) + "=" + value;
    } else {
        const bool atend = p.insertat == none || p.insertat == lines.size();
        if (atend && !lines.empty() && lines.back().end.empty())
            lines.back().end = end;
        if (p.insertat != none) {
            const auto at = lines.begin() + static_cast<std::ptrdiff_t>(p.insertat);
            lines.insert(at, line{newentry, end});
        } else {
            lines.push_back(line{"[" + std::string(sec) + "]", end});
            lines.push_back(line{newentry, end});
        }
    }

    std::string out;
    out.reserve(data.size() + newentry.size() + sec.size() + 8);
    for (const auto& l : lines)
        out += l.text + l.end;
    if (!replacefile(target, out, existed ? &st : nullptr))
        refuse(file);
}

}  // namespace

int readint(const std::string& file, const std::string& section, const std::string& key, int def)
{
    std::string value;
    int n = 0;
    if (lookup(file, section, key, value) && parseint(value, n))
        return n;
    return def;
}

std::string readstring(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& def)
{
    std::string value;
    return lookup(file, section, key, value) ? value : def;
}

void writeint(const std::string& file, const std::string& section, const std::string& key,
              int value)
{
    write(file, section, key, std::to_string(value));
}

void writestring(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value)
{
    write(file, section, key, value);
}

}  // namespace profile
