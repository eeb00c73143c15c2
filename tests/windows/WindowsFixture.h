#pragma once
// A fresh application on the headless screen for each test, with the program file in a scratch folder (so
// options.ini and the outputs land there), CD image drives and scripted message boxes.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "BoxScript.h"
#include "CueImage.h"
#include "ImageDrives.h"
#include "platform/framework/forms/Application.h"

class TMainForm;

class WindowsTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::string File(const std::string& name) const { return (folder / name).string(); }
    std::string Slashed() const { return folder.string() + "/"; }

    // Writes the image into the scratch folder and names the given images as the drives.
    cdrom_test::CueImage MakeImage(const std::string& name, const cdrom_test::ImageLayout& layout);
    void UseDrives(const std::vector<cdrom_test::CueImage>& images);
    // Creates and shows the main window, as the program does at start.
    TMainForm* StartMainForm();
    // Puts a script of that name first on PATH.
    void FakeProgram(const std::string& name, const std::string& script);
    void FakeEncoder(const std::string& script) { FakeProgram("lame.exe", script); }
    // Puts a program of that name first on PATH that writes its arguments, one a line, to the file returned.
    std::string ArgumentRecorder(const std::string& name);
    // Waits a while for the file a program writes; empty when none came.
    std::vector<std::uint8_t> AwaitFile(const std::string& path);

    std::filesystem::path folder;
    std::unique_ptr<framework::TApplication> app;
    std::unique_ptr<cdrom_test::ImageDrives> drives;
    BoxScript boxes;

  private:
    std::optional<std::string> savedPath_;
};

// Four audio tracks of 375, 750, 60 and 100 sectors from sector 0.
cdrom_test::ImageLayout FourTrackDisc();

std::vector<std::uint8_t> ReadBytes(const std::string& path);

// A 44.1 kHz stereo WAV of a tone, seconds long.
void WriteToneWav(const std::string& path, int seconds);
