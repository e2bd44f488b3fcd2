#include "input/braille.h"
#include "app/settings.h"

#include "platform/profile.h"
#include "text/resourcelocalizer.h"
#include "runtime/sound.h"
#include "speech/service.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct SettingsTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("vandrel-settings-" + std::to_string(getpid()));
    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        settingsfile = (dir / "game.ini").string();
        voiceallowed = false;
        vandrelsounds = true;
        sndvolume = 0;
        braillekeys = false;
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& text) { std::ofstream(settingsfile) << text; }
    std::string read()
    {
        std::ifstream in(settingsfile);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(SettingsTest, FirstStartWithoutEngineWritesOnlyVoiceAllowed)
{
    bool sapi5 = true, braille = true;
    loadsettings(sapi5, braille);
    EXPECT_FALSE(voiceallowed);
    EXPECT_EQ(read(), "[voice]\nvoiceallowed=0\n");
    EXPECT_TRUE(vandrelsounds);
    EXPECT_EQ(sndvolume, 0);
    EXPECT_FALSE(braillekeys);
}

TEST_F(SettingsTest, SectionAndKeySpellingsMeet)
{
    write("[VOICE]\nSapi5=1\n[Sounds]\nVANDRELSOUNDS=0\nsndvolume=0x10\n[keyboard]\nbraillekeys=$1\n");
    bool sapi5 = false, braille = false;
    loadsettings(sapi5, braille);
    EXPECT_TRUE(sapi5);
    EXPECT_TRUE(braille);
    EXPECT_TRUE(braillekeys);
    EXPECT_FALSE(vandrelsounds);
    EXPECT_EQ(sndvolume, 16);
    EXPECT_TRUE(voiceallowed);  // missing key: allowed
}

TEST_F(SettingsTest, GarbageGivesTheDefaults)
{
    write("garbage\n[sounds\nvandrelsounds=yes\nsndvolume=loud\n\x01\x02=\xff\n[keyboard]\nbraillekeys\n");
    bool sapi5 = true, braille = true;
    loadsettings(sapi5, braille);
    EXPECT_FALSE(sapi5);
    EXPECT_FALSE(braille);
    EXPECT_TRUE(vandrelsounds);
    EXPECT_EQ(sndvolume, 0);
    EXPECT_TRUE(voiceallowed);
}

TEST_F(SettingsTest, SaveAndLanguageRoundTrip)
{
    voiceallowed = true;
    vandrelsounds = false;
    sndvolume = -2000;
    braillekeys = true;
    savesettings();
    languagebase = 2000;
    savelanguage();
    EXPECT_EQ(read(), "[voice]\nvoiceallowed=1\n[sounds]\nvandrelsounds=0\nsndvolume=-2000\n"
                      "[keyboard]\nbraillekeys=1\n[environment]\nlanguage=2000\n");
    languagebase = 0;
    loadlanguage();
    EXPECT_EQ(languagebase, 2000);
    fs::remove(settingsfile);
    loadlanguage();
    EXPECT_EQ(languagebase, 1000);
}

TEST_F(SettingsTest, RefusedWriteNamesTheFile)
{
    settingsfile = (dir / "missing" / "game.ini").string();
    try {
        savesettings();
        ADD_FAILURE() << "the write succeeded";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + settingsfile);
    }
}

TEST_F(SettingsTest, FileLiesBesideTheExecutableOrInTheConfigFolder)
{
    EXPECT_EQ(defaultsettingsfile((dir / "game").string()), (dir / "game.ini").string());
    EXPECT_EQ(defaultsettingsfile((dir / "game.exe").string()), (dir / "game.ini").string());
    fs::create_directory(dir / "a.b");
    EXPECT_EQ(defaultsettingsfile((dir / "a.b" / "game").string()), (dir / "a.b" / "game.ini").string());

    const fs::path config = dir / "config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    // A folder that cannot be written (it does not even exist, which stops root too).
    EXPECT_EQ(defaultsettingsfile((dir / "gone" / "vandrel").string()), (config / "vandrel" / "vandrel.ini").string());
    EXPECT_TRUE(fs::is_directory(config / "vandrel"));
    // A folder in the settings file's place could never hold a setting.
    fs::create_directory(dir / "blocked.ini");
    EXPECT_EQ(defaultsettingsfile((dir / "blocked").string()), (config / "vandrel" / "vandrel.ini").string());
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
