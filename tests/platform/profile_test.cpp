#include "platform/profile.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = (fs::temp_directory_path() / "profile_test.XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        ini = (fs::path(dir) / "vandrel.ini").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    static void put(const std::string& path, const std::string& data)
    {
        std::ofstream(path, std::ios::binary) << data;
    }
    static std::string get(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Names of the files in the folder, so that a left-over temporary file shows.
    std::vector<std::string> folder() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        return names;
    }

    std::string dir;
    std::string ini;
};

TEST_F(Profile, ReadsByTheFileRules)
{
    put(ini,
        "\xEF\xBB\xBF[Voice]\n"
        "  SAPI5 = 1 \n"
        "person=Jakub Nov\xE1k\n"
        "hex=0x10\n"
        "dollar=$ff\n"
        "neghex=-0x10\n"
        "negdollar=-$a\n"
        "upper=0XaB\n"
        "sign=+7\n"
        "partial=12abc\n"
        "empty=\n"
        "spaced=1 2\n"
        "big=99999999999\n"
        "max=2147483647\n"
        "min=-2147483648\n"
        "over=2147483648\n"
        "lonehex=0x\n"
        "garbage line without equals\n"
        "; pitch=5\n"
        "\x01\xff junk\0with a nul\n"
        "pitch=42\n"
        "pitch=43\n"
        "[ sounds ]\r\n"
        "sndvolume=-2000\r\n"
        "[bad\n"
        "[VOICE]\n"
        "speed=150\n"
        "[keyboard]\n"
        "braillekeys=1"s);
    struct item {
        const char* section;
        const char* key;
        int number;        // readint with default -1
        const char* text;  // readstring with default "def"
    };
    const item items[] = {
        {"voice", "sapi5", 1, "1"},
        {"VOICE", "Sapi5", 1, "1"},
        {" voice ", "\tsapi5 ", 1, "1"},
        {"voice", "person", -1, "Jakub Nov\xE1k"},
        {"voice", "hex", 16, "0x10"},
        {"voice", "dollar", 255, "$ff"},
        {"voice", "neghex", -16, "-0x10"},
        {"voice", "negdollar", -10, "-$a"},
        {"voice", "upper", 171, "0XaB"},
        {"voice", "sign", 7, "+7"},
        {"voice", "partial", -1, "12abc"},
        {"voice", "empty", -1, ""},
        {"voice", "spaced", -1, "1 2"},
        {"voice", "big", -1, "99999999999"},
        {"voice", "max", 2147483647, "2147483647"},
        {"voice", "min", -2147483647 - 1, "-2147483648"},
        {"voice", "over", -1, "2147483648"},
        {"voice", "lonehex", -1, "0x"},
        {"voice", "pitch", 42, "42"},
        {"voice", "speed", 150, "150"},
        {"voice", "sndvolume", -1, "def"},
        {"sounds", "sndvolume", -2000, "-2000"},
        {"keyboard", "braillekeys", 1, "1"},
        {"voice", "garbage line without equals", -1, "def"},
        {"voice", "", -1, "def"},
        {"", "pitch", -1, "def"},
        {"nosuch", "pitch", -1, "def"},
        {"bad", "speed", -1, "def"},
    };
    for (const auto& c : items) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(profile::readint(ini, c.section, c.key, -1), c.number);
        EXPECT_EQ(profile::readstring(ini, c.section, c.key, "def"), c.text);
    }
}

TEST_F(Profile, MissingOrUnreadableFileGivesDefaults)
{
    EXPECT_EQ(profile::readint(ini, "voice", "volume", 255), 255);
    EXPECT_EQ(profile::readstring(ini, "voice", "person", "none"), "none");
    EXPECT_EQ(profile::readint(dir, "voice", "volume", 255), 255);
    put(ini, "");
    EXPECT_EQ(profile::readint(ini, "voice", "volume", 255), 255);
    put(ini, "volume=3\n[voice]\n");  // a key before any section belongs to none
    EXPECT_EQ(profile::readint(ini, "voice", "volume", 255), 255);
    EXPECT_EQ(folder(), std::vector<std::string>{"vandrel.ini"});
}

TEST_F(Profile, ReplacesTheKeysLineInPlace)
{
    put(ini,
        "; settings\n"
        "[voice]\n"
        "voiceallowed=1\n"
        "  Person = Jakub\n"
        "junk\n"
        "pitch=100\n"
        "\n"
        "[sounds]\r\n"
        "sndvolume=0");
    profile::writestring(ini, "Voice", "person", "Zuzana \x8A");
    profile::writeint(ini, "SOUNDS", "SndVolume", -10000);
    EXPECT_EQ(get(ini),
              "; settings\n"
              "[voice]\n"
              "voiceallowed=1\n"
              "  Person=Zuzana \x8A\n"
              "junk\n"
              "pitch=100\n"
              "\n"
              "[sounds]\r\n"
              "sndvolume=-10000");
    EXPECT_EQ(profile::readstring(ini, "voice", "PERSON", ""), "Zuzana \x8A");
    EXPECT_EQ(profile::readint(ini, "sounds", "sndvolume", 0), -10000);
}

TEST_F(Profile, CreatesFileSectionsAndKeys)
{
    profile::writeint(ini, "voice", "voiceallowed", 0);
    EXPECT_EQ(get(ini), "[voice]\nvoiceallowed=0\n");

    put(ini,
        "[voice]\n"
        "a=1\n"
        "; about the sounds\n"
        "\n"
        "[empty]\n"
        "\n"
        "[sounds]\n"
        "b=2");
    profile::writeint(ini, "VOICE", "c", 3);
    profile::writeint(ini, "empty", "d", 4);
    profile::writeint(ini, "sounds", "e", 5);
    profile::writestring(ini, "keyboard", "f", "");
    EXPECT_EQ(get(ini),
              "[voice]\n"
              "a=1\n"
              "c=3\n"
              "; about the sounds\n"
              "\n"
              "[empty]\n"
              "d=4\n"
              "\n"
              "[sounds]\n"
              "b=2\n"
              "e=5\n"
              "[keyboard]\n"
              "f=\n");
}

TEST_F(Profile, NewLinesEndLikeTheFile)
{
    put(ini, "[voice]\r\na=1\r\n");
    profile::writeint(ini, "voice", "b", 2);
    profile::writeint(ini, "voice", "a", 9);
    profile::writeint(ini, "sounds", "c", 3);
    EXPECT_EQ(get(ini), "[voice]\r\na=9\r\nb=2\r\n[sounds]\r\nc=3\r\n");
}

TEST_F(Profile, SettingsFileRoundTrips)
{
    const std::string example =
        "[voice]\n"
        "voiceallowed=1\n"
        "person=Jakub\n"
        "pitch=100\n"
        "speed=150\n"
        "volume=255\n"
        "[sounds]\n"
        "vandrelsounds=1\n"
        "sndvolume=-2000\n"
        "[keyboard]\n"
        "braillekeys=0\n"
        "[environment]\n"
        "language=2000\n";

    // The writes of a first start, a run, the sounds dialog and a change of language, with the
    // spellings the program uses.
    profile::writeint(ini, "voice", "voiceallowed", 1);
    profile::writestring(ini, "Voice", "person", "Jakub");
    profile::writeint(ini, "Voice", "pitch", 100);
    profile::writeint(ini, "Voice", "speed", 150);
    profile::writeint(ini, "Voice", "volume", 255);
    profile::writeint(ini, "voice", "voiceallowed", 1);
    profile::writeint(ini, "sounds", "vandrelsounds", 1);
    profile::writeint(ini, "sounds", "sndvolume", -2000);
    profile::writeint(ini, "keyboard", "braillekeys", 0);
    profile::writeint(ini, "environment", "language", 2000);
    EXPECT_EQ(get(ini), example);

    EXPECT_EQ(profile::readint(ini, "voice", "voiceallowed", 0), 1);
    EXPECT_EQ(profile::readstring(ini, "Voice", "person", ""), "Jakub");
    EXPECT_EQ(profile::readint(ini, "Voice", "pitch", 0), 100);
    EXPECT_EQ(profile::readint(ini, "Voice", "speed", 0), 150);
    EXPECT_EQ(profile::readint(ini, "Voice", "volume", 0), 255);
    EXPECT_EQ(profile::readint(ini, "sounds", "vandrelsounds", 0), 1);
    EXPECT_EQ(profile::readint(ini, "sounds", "sndvolume", 0), -2000);
    EXPECT_EQ(profile::readint(ini, "keyboard", "braillekeys", 1), 0);
    EXPECT_EQ(profile::readint(ini, "environment", "language", 1000), 2000);

    // The SAPI 5 switch writes "SAPI5" and start-up reads "sapi5": one line.
    profile::writeint(ini, "Voice", "SAPI5", 1);
    EXPECT_EQ(profile::readint(ini, "Voice", "sapi5", 0), 1);
    profile::writeint(ini, "Voice", "SAPI5", 0);
    EXPECT_EQ(profile::readint(ini, "Voice", "sapi5", 1), 0);
    EXPECT_EQ(get(ini).find("SAPI5=1"), std::string::npos);
    EXPECT_NE(get(ini).find("volume=255\nSAPI5=0\n[sounds]"), std::string::npos);
}

TEST_F(Profile, RefusedWritesRaiseAndKeepTheOldFile)
{
    const std::string original = "[voice]\nperson=Jakub\n";
    put(ini, original);
    const std::string nofolder = dir + "/missing/vandrel.ini";
    const struct {
        std::string file, section, key, value;
    } refused[] = {
        {nofolder, "voice", "person", "x"},
        {dir, "voice", "person", "x"},
        {ini, "voice", "person", "two\nlines"},
        {ini, "voice", "person", "cr\r"},
        {ini, "voice", "a=b", "x"},
        {ini, "voice", ";person", "x"},
        {ini, "voice", "[x]", "x"},
        {ini, "voice", " ", "x"},
        {ini, "vo]ice", "person", "x"},
        {ini, "", "person", "x"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.file + " [" + r.section + "] " + r.key + "=" + r.value);
        try {
            profile::writestring(r.file, r.section, r.key, r.value);
            ADD_FAILURE() << "the write was not refused";
        } catch (const vdrerror& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + r.file + (r.file == dir ? ": it is a folder" : ""));
        }
    }
    EXPECT_EQ(get(ini), original);
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_FALSE(fs::exists(dir + "/missing"));
    EXPECT_EQ(folder(), std::vector<std::string>{"vandrel.ini"});
}

TEST_F(Profile, ReadsSeeEveryChangeOfTheFile)
{
    put(ini, "[voice]\nperson=Jakub\n");
    EXPECT_EQ(profile::readstring(ini, "voice", "person", ""), "Jakub");
    // Rewritten in place to the same size, by another program.
    {
        std::fstream f(ini, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(15);
        f << "Pavel";
    }
    EXPECT_EQ(profile::readstring(ini, "voice", "person", ""), "Pavel");
    // Replaced by another file, and by a write of our own.
    put(dir + "/other.ini", "[voice]\nperson=Eva\n");
    fs::rename(dir + "/other.ini", ini);
    EXPECT_EQ(profile::readstring(ini, "voice", "person", ""), "Eva");
    profile::writestring(ini, "voice", "person", "Ivan");
    EXPECT_EQ(profile::readstring(ini, "voice", "person", ""), "Ivan");
    // Another file gives its own values; gone, the defaults.
    put(dir + "/second.ini", "[voice]\nperson=Jana\n");
    EXPECT_EQ(profile::readstring(dir + "/second.ini", "voice", "person", ""), "Jana");
    fs::remove(ini);
    EXPECT_EQ(profile::readstring(ini, "voice", "person", "none"), "none");
}

TEST_F(Profile, TemporaryFilesOfKilledWritersAreRemovedByTheNextWrite)
{
    // A process id above any the system hands out stands for a writer that is gone.
    const std::string stale = "vandrel.ini.tmp999999999.3";
    const std::string live = "vandrel.ini.tmp" + std::to_string(getpid()) + ".900";
    for (const std::string& name : {stale, live, std::string("vandrel.ini.tmpnotes")})
        put(dir + "/" + name, "half");
    profile::writeint(ini, "sounds", "sndvolume", -100);
    auto names = folder();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"vandrel.ini", live, "vandrel.ini.tmpnotes"}));
}

TEST_F(Profile, FailingHalfWayKeepsTheOldFile)
{
    // A file size limit makes the write fail part of the way through, even for root.
    const std::string original = "[voice]\nperson=Jakub\n";
    put(ini, original);
    const auto child = [this] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            profile::writestring(ini, "voice", "person", std::string(1000, 'x'));
        } catch (const vdrerror& e) {
            std::fputs(e.what(), stderr);
            std::_Exit(7);
        }
        std::_Exit(0);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(7), "Unable to write to .*vandrel\\.ini");
    EXPECT_EQ(get(ini), original);
    EXPECT_EQ(folder(), std::vector<std::string>{"vandrel.ini"});
}

TEST_F(Profile, KeepsPermissionsAndSymbolicLinks)
{
    put(ini, "[voice]\npitch=1\n");
    fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = dir + "/link.ini";
    fs::create_symlink(ini, link);
    profile::writeint(link, "voice", "pitch", 2);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(get(ini), "[voice]\npitch=2\n");
    EXPECT_EQ(fs::status(ini).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Profile, SurvivesGarbage)
{
    // Random bytes rich in the characters the format gives a meaning to, and one huge line.
    std::mt19937 rng(1250);
    const std::string alphabet = "[]=;\r\n \tkKvV\xEF\xBB\xBF\xff\0"s;
    std::vector<std::string> files;
    for (int n = 0; n < 200; ++n) {
        std::string data(rng() % 300, ' ');
        for (auto& c : data)
            c = rng() % 2 ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
        files.push_back(data);
    }
    files.push_back("[k]\nk=" + std::string(1 << 20, '7'));
    for (const auto& data : files) {
        put(ini, data);
        profile::readint(ini, "k", "k", 0);
        profile::writestring(ini, "k", "k", "v");
        ASSERT_EQ(profile::readstring(ini, "K", "K", ""), "v");
        const std::string once = get(ini);
        profile::writestring(ini, "k", "k", "v");
        ASSERT_EQ(get(ini), once);
    }
}

}  // namespace
