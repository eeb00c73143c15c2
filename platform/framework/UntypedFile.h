#pragma once
// Untyped files of 1-byte records, used as: AssignFile, Reset (read) or Rewrite (create), BlockRead or
// BlockWrite, FileSize, CloseFile. Every failure raises EInOutError with the OS cause.
#include <cstdint>
#include <string>

namespace framework {

class UntypedFile {
  public:
    UntypedFile() = default;
    // Closes a file still open: an early exit by exception leaves no descriptor behind.
    ~UntypedFile();
    UntypedFile(const UntypedFile&) = delete;
    UntypedFile& operator=(const UntypedFile&) = delete;

    friend void AssignFile(UntypedFile& file, const std::string& fileName);
    friend void Reset(UntypedFile& file);
    friend void Rewrite(UntypedFile& file);
    friend void BlockRead(UntypedFile& file, void* buffer, std::int64_t count, std::int64_t& got);
    friend void BlockWrite(UntypedFile& file, const void* buffer, std::int64_t count, std::int64_t& written);
    friend std::int64_t FileSize(UntypedFile& file);
    friend void CloseFile(UntypedFile& file);

  private:
    void Open(int flags, const char* verb);
    void CheckOpen() const;

    std::string fileName_;
    int fd_ = -1;
};

void AssignFile(UntypedFile& file, const std::string& fileName);
// Opens the assigned file for reading at its start.
void Reset(UntypedFile& file);
// Creates the assigned file, or empties it, for writing.
void Rewrite(UntypedFile& file);
// got: the bytes read, fewer than count only at the end of the file.
void BlockRead(UntypedFile& file, void* buffer, std::int64_t count, std::int64_t& got);
// written: the bytes written, fewer than count only when the disk is full.
void BlockWrite(UntypedFile& file, const void* buffer, std::int64_t count, std::int64_t& written);
std::int64_t FileSize(UntypedFile& file);
void CloseFile(UntypedFile& file);

}  // namespace framework
