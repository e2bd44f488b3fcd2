// The speech-dispatcher layer against a real daemon that each test starts itself: a private
// PulseAudio with a null sink as its audio output, a private configuration with the eSpeak NG
// module, and a private socket. Both are ended when the test ends.
#include "text/keytables.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "speech/sapi5.h"
#include "speech/service.h"
#include "speech/speechd.h"
#include "speech/ttsvar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

using clk = std::chrono::steady_clock;

long long msince(clk::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(clk::now() - t).count();
}

bool waitforfile(const QString& path, int ms)
{
    for (auto until = clk::now() + std::chrono::milliseconds(ms); clk::now() < until;) {
        if (QFile::exists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

struct SpeechdTest : ::testing::Test {
    QTemporaryDir root;
    QProcess pulse, daemon;
    std::unique_ptr<TSpVoice> voice;
    int starts = 0, ends = 0;

    void SetUp() override
    {
        for (const char* tool : {"pulseaudio", "speech-dispatcher"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_FAIL() << tool << " is not installed (scripts/deps.sh installs it)";
        const QString dir = root.path();
        QDir().mkpath(dir + "/home");
        QDir().mkpath(dir + "/run");
        QDir().mkpath(dir + "/conf/modules");
        QDir().mkpath(dir + "/log");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir + "/home");
        env.insert("XDG_RUNTIME_DIR", dir + "/run");
        env.insert("PULSE_RUNTIME_PATH", dir + "/run/pulse");
        env.insert("PULSE_SERVER", "unix:" + dir + "/run/pa.sock");
        pulse.setProcessEnvironment(env);
        pulse.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        pulse.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=true",
                                   "--use-pid-file=false", "--log-target=stderr", "--log-level=0",
                                   "-L", "module-null-sink sink_name=vandrelnull",
                                   "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + dir + "/run/pa.sock"});
        ASSERT_TRUE(waitforfile(dir + "/run/pa.sock", 10000)) << "PulseAudio did not start";

        std::ofstream(QString(dir + "/conf/speechd.conf").toStdString())
            << "LogLevel 1\n"
               "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
               "DefaultModule espeak-ng\n"
               "DefaultLanguage \"cs\"\n"
               "AudioOutputMethod \"pulse\"\n"
               "AudioPulseServer \"unix:"
            << (dir + "/run/pa.sock").toStdString() << "\"\n";
        std::ofstream(QString(dir + "/conf/modules/espeak-ng.conf").toStdString());
        daemon.setProcessEnvironment(env);
        daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        daemon.start("speech-dispatcher", {"-s", "-t", "0", "-C", dir + "/conf", "-c", "unix_socket", "-S",
                                           dir + "/run/sd.sock", "-L", dir + "/log", "-P", dir + "/run/sd.pid"});
        ASSERT_TRUE(waitforfile(dir + "/run/sd.sock", 10000)) << "speech-dispatcher did not start";
        setenv("SPEECHD_ADDRESS", ("unix_socket:" + dir + "/run/sd.sock").toUtf8().constData(), 1);
        messages::resetend();
    }

    // The program's SAPI 5 voice on this daemon.
    void usevoice()
    {
        voice = speechd::createvoice();
        voice5 = voice.get();
        voice->OnStartStream = [this] { ++starts, voice5StartStream(); };
        voice->OnEndStream = [this] { ++ends, voice5EndStream(); };
        voice->setEventInterests(SVEAllEvents);
        usesapi5 = voiceready = true;
    }

    void TearDown() override
    {
        voice5 = nullptr;
        voice.reset();
        releasesapi4();
        unsetenv("SPEECHD_ADDRESS");
        for (QProcess* p : {&daemon, &pulse})
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000)) {
                    p->kill();
                    p->waitForFinished(3000);
                }
            }
    }
};

TEST_F(SpeechdTest, Sapi5SpeaksToTheEndOfTheStream)
{
    usevoice();
    const auto t = clk::now();
    speakwait(codepage::fromutf8("Dobrý den, jak se máte?"));
    EXPECT_FALSE(sapi5speaking);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(ends, 1);
    // Played through the null sink in real time.
    EXPECT_GT(msince(t), 500);
}

TEST_F(SpeechdTest, Sapi5PurgeEndsTheWaitAtOnce)
{
    usevoice();
    std::string longtext;
    while (longtext.size() < 3000)
        longtext += "Toto je dlouhy text, ktery nikdo nedoposlechne. ";
    QTimer::singleShot(500, [] { stopspeech(); });
    const auto t = clk::now();
    speakwait(longtext);
    EXPECT_LT(msince(t), 2000);
    EXPECT_EQ(ends, 1);
    // The daemon's own report of the cancelled message is not taken as a second end.
    messages::waitwhile([until = clk::now() + std::chrono::milliseconds(500)] { return clk::now() < until; });
    EXPECT_EQ(ends, 1);
}

TEST_F(SpeechdTest, Sapi5KeyNamesGoAsMarkup)
{
    usevoice();
    echokeys = {};
    echokeys[0] = {'a', "<emphasis>a</emphasis>"};
    speakkey("a");
    messages::waitwhile([&, until = clk::now() + std::chrono::seconds(10)] { return ends < 1 && clk::now() < until; });
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(ends, 1);
}

TEST_F(SpeechdTest, DaemonVoicesStandInTheSapi4Slot)
{
    ttsenum = speechd::createenum();
    ASSERT_TRUE(ttsenum);
    audiodest = speechd::createaudiodest();
    TTSMODEINFO info;
    DWORD fetched = 0;
    ASSERT_EQ(ttsenum->Next(1, &info, &fetched), S_OK);
    EXPECT_EQ(std::string(info.szModeName).substr(0, 5), "Czech");
    ASSERT_EQ(ttsenum->Select(info.gModeID, &ttscentral, audiodest), S_OK);
    ttsnotifysink = std::make_shared<TTTSNotifySink>();
    DWORD key = 0;
    ASSERT_EQ(ttscentral->Register(ttsnotifysink, IID_ITTSNotifySinkA, &key), S_OK);
    usesapi5 = false;
    voiceallowed = voiceready = true;
    const auto t = clk::now();
    speakwait(codepage::fromutf8("Řeřicha"));
    EXPECT_FALSE(sapi4speaking);
    EXPECT_GT(msince(t), 200);
}

TEST(SpeechdUnreachable, IsAMissingSapi5Object)
{
    const auto dir = std::filesystem::temp_directory_path();
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + (dir / "vandrel-no-daemon.sock").string()).c_str(), 1);
    auto voice = speechd::createvoice();
    try {
        voice->setEventInterests(SVEAllEvents);
        ADD_FAILURE() << "connected to no daemon";
    } catch (const vdrerror& e) {
        EXPECT_NE(std::string(e.what()).find("cannot be reached"), std::string::npos) << e.what();
    }
    EXPECT_EQ(speechd::createenum(), nullptr);
    unsetenv("SPEECHD_ADDRESS");
}

}  // namespace
