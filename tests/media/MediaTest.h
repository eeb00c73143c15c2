#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/media/FileFedAudioBackend.h"
#include "platform/media/MciTypes.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"

// Every device opened in a test records from the speech fixture and plays into a sink that keeps what it got.
class MediaTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a command that must succeed and returns its result text.
    std::string send(const std::string& command);
    // Runs a command and returns its error code (0 for success).
    win::MCIERROR error(const std::string& command);
    // The speech fixture's first bytes, the number of them a device of the fixture's format captures in ms.
    static testsupport::Bytes speechPrefix(std::size_t byteCount);
    // A WAV file of the given format and data in the test's folder, opened with the alias "rec".
    std::filesystem::path openFile(const std::string& name, std::uint16_t channels, std::uint32_t rate,
                                   std::uint16_t bits, const testsupport::Bytes& data);
    static void sleepMs(int milliseconds);
    // Waits until the device "rec" holds at least that many milliseconds of sound: a loaded machine may run the
    // capture late.
    void waitForLength(std::uint32_t milliseconds);

    std::shared_ptr<platform::media::FileFedAudioBackend> audio_;
    testsupport::ScratchFolder folder_;
};

// Quotes a path for a command string.
std::string Quoted(const std::filesystem::path& path);
