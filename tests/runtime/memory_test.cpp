#include "platform/errors.h"
#include "runtime/memory.h"
#include "runtime/vdrcommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vdrcommands;

namespace {

// Runs each test in a fresh folder, since the image lives in the current directory.
struct MemoryTest : ::testing::Test {
    fs::path old, dir;
    void SetUp() override
    {
        old = fs::current_path();
        dir = fs::temp_directory_path() / ("vandrel-mem-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        ram.fill(0);
    }
    void TearDown() override
    {
        fs::current_path(old);
        fs::remove_all(dir);
    }
    void writeimage(const std::string& bytes)
    {
        std::ofstream(ramfile, std::ios::binary) << bytes;
    }
};

TEST_F(MemoryTest, PokeStoresTheLowByte)
{
    const std::pair<double, int> cases[] = {{6, 6}, {300, 44}, {-1, 255}, {256, 0}, {65.9, 65}};
    for (auto [value, stored] : cases) {
        poke(50790, value);
        EXPECT_EQ(peek(50790), stored) << value;
    }
}

TEST_F(MemoryTest, AddressesOutsideTheMemoryWrapAround)
{
    poke(65536 + 5, 9);
    EXPECT_EQ(peek(5), 9);
    poke(-1, 7);
    EXPECT_EQ(peek(65535), 7);
    poke(1e300, 3);
    EXPECT_EQ(peek(1e300), 3);
}

TEST_F(MemoryTest, ImageRoundTrip)
{
    poke(0, 7);
    poke(65535, 9);
    saveram();
    EXPECT_EQ(fs::file_size(ramfile), 65536u);
    ram.fill(0);
    loadram();
    EXPECT_EQ(peek(0), 7);
    EXPECT_EQ(peek(65535), 9);
    EXPECT_FALSE(fs::exists(std::string(ramfile) + ".tmp"));
}

TEST_F(MemoryTest, ImagesOfAnyLength)
{
    writeimage(std::string(100, '\x05'));
    loadram();
    EXPECT_EQ(peek(99), 5);
    EXPECT_EQ(peek(100), 0);

    ram.fill(0);
    writeimage("");
    loadram();
    EXPECT_EQ(peek(0), 0);

    writeimage(std::string(70000, '\x01'));
    loadram();
    EXPECT_EQ(peek(65535), 1);

    ram.fill(3);
    fs::remove(ramfile);
    loadram();
    EXPECT_EQ(peek(0), 3);
}

TEST_F(MemoryTest, AFailedWriteKeepsThePreviousImage)
{
    writeimage(std::string(65536, '\x02'));
    // A folder standing where the temporary file must go makes the write fail, even as root.
    fs::create_directory(std::string(ramfile) + ".tmp");
    poke(0, 9);
    try {
        saveram();
        ADD_FAILURE() << "the write succeeded";
    } catch (const vdrerror& e) {
        EXPECT_NE(std::string(e.what()).find("ram.dat"), std::string::npos) << e.what();
    }
    std::ifstream in(ramfile, std::ios::binary);
    EXPECT_EQ(in.get(), 2);
}

TEST_F(MemoryTest, AnImageThatCannotBeReadIsReportedAndNeverOverwritten)
{
    // Each stands where the image should be, and each must still be there after the ending.
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a folder", [] { fs::create_directory(ramfile); }},
        {"a FIFO", [] { ASSERT_EQ(mkfifo(ramfile, 0600), 0); }},
        // A regular file whose read fails, even as root.
        {"a read error", [] { fs::create_symlink("/proc/self/mem", ramfile); }},
    };
    for (const auto& [what, make] : cases) {
        fs::remove_all(ramfile);
        make();
        const auto before = fs::symlink_status(ramfile).type();
        try {
            loadram();
            ADD_FAILURE() << what << " was read";
        } catch (const vdrerror& e) {
            EXPECT_NE(std::string(e.what()).find("will not write"), std::string::npos) << what << ": " << e.what();
        }
        poke(0, 7);
        EXPECT_NO_THROW(saveram()) << what;
        EXPECT_EQ(fs::symlink_status(ramfile).type(), before) << what;
        EXPECT_FALSE(fs::exists(std::string(ramfile) + ".tmp")) << what;
    }
    // Readable again, the next start reads the image and its ending writes it.
    fs::remove_all(ramfile);
    writeimage("\x05");
    loadram();
    poke(1, 6);
    saveram();
    EXPECT_EQ(fs::file_size(ramfile), 65536u);
}

}  // namespace
