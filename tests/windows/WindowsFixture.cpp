#include "WindowsFixture.h"

#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/framework/forms/MessageBox.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Settings.h"
#include "platform/user/Input.h"
#include "platform/user/Presenter.h"
#include "platform/user/SystemMetrics.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/MainForm.h"

void WindowsTest::SetUp() {
    folder = std::filesystem::temp_directory_path() / ("trackmill-windows-" + std::to_string(getpid()) + "-" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    Options = TOptionsSetting{};
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    user::SetScreenSize(800, 600);
    testdriver::ResetSettings();
    user::ResetInputState();
    app = std::make_unique<framework::TApplication>(nullptr);
    app->SetExeName(File("trackmill"));
    drives = std::make_unique<cdrom_test::ImageDrives>(std::vector<std::filesystem::path>{});
}

void WindowsTest::TearDown() {
    app.reset();
    MainForm = nullptr;
    testdriver::PumpUntilIdle();
    drives.reset();
    user::ResetInputState();
    testdriver::ResetSettings();
    if (savedPath_) setenv("PATH", savedPath_->c_str(), 1);
    std::filesystem::remove_all(folder);
}

cdrom_test::CueImage WindowsTest::MakeImage(const std::string& name, const cdrom_test::ImageLayout& layout) {
    return cdrom_test::CueImage::Write(folder, name, layout);
}

void WindowsTest::UseDrives(const std::vector<cdrom_test::CueImage>& images) {
    std::vector<std::filesystem::path> cues;
    for (const auto& image : images) cues.push_back(image.cuePath());
    drives.reset();
    drives = std::make_unique<cdrom_test::ImageDrives>(cues);
}

TMainForm* WindowsTest::StartMainForm() {
    app->CreateForm(MainForm);
    MainForm->Show();
    testdriver::PumpUntilIdle();
    return MainForm;
}

void WindowsTest::FakeProgram(const std::string& name, const std::string& script) {
    const std::filesystem::path bin = folder / "fakebin";
    std::filesystem::create_directories(bin);
    const std::string program = (bin / name).string();
    std::ofstream(program) << "#!/bin/sh\n" << script << "\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    if (savedPath_) return;
    savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (bin.string() + ":" + *savedPath_).c_str(), 1);
}

std::string WindowsTest::ArgumentRecorder(const std::string& name) {
    const std::string record = (folder / (name + ".args")).string();
    // Written aside and then renamed, so that a reader never sees half of it.
    FakeProgram(name, "printf '%s\\n' \"$@\" > '" + record + ".part' && mv '" + record + ".part' '" + record + "'");
    return record;
}

std::vector<std::uint8_t> WindowsTest::AwaitFile(const std::string& path) {
    testdriver::PumpUntil([&] { return std::filesystem::exists(path); }, std::chrono::seconds(5));
    return ReadBytes(path);
}

cdrom_test::ImageLayout FourTrackDisc() { return {0, {{0, 375, true}, {0, 750, true}, {0, 60, true}, {0, 100, true}}}; }

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteToneWav(const std::string& path, int seconds) {
    const std::uint32_t bytes = static_cast<std::uint32_t>(seconds) * 176400;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
    };
    auto u16 = [&](std::uint16_t v) {
        out.put(static_cast<char>(v));
        out.put(static_cast<char>(v >> 8));
    };
    out << "RIFF";
    u32(bytes + 36);
    out << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(2);
    u32(44100);
    u32(176400);
    u16(4);
    u16(16);
    out << "data";
    u32(bytes);
    for (std::uint32_t i = 0; i < bytes / 4; ++i) {
        const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>((i % 100) * 300 - 15000));
        u16(v);
        u16(v);
    }
}
