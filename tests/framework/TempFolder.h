#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <string>

class TempFolder {
public:
    // Created under base ("/tmp" unless given).
    explicit TempFolder(const std::string& base = "/tmp");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "/" + name.
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

// The whole content of a file, or "<missing>" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);
