#pragma once
// A byte stream on a file. Sharing rules are kept with advisory whole-file locks, which every stream and any
// other code of the program that asks (flock) respects: fmCreate holds the file exclusively, fmOpenRead lets
// other readers in but no exclusive holder.
#include <cstdint>
#include <string>

#include "platform/framework/TObject.h"

namespace framework {

enum TFileMode {
    fmCreate,    // created new or truncated, read/write, exclusive
    fmOpenRead,  // an existing file, read-only, shared with other readers
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TFileStream : public TObject {
  public:
    // Raises EInOutError when the file cannot be opened or is held by another stream against the mode. A file
    // that is held stays untouched (fmCreate truncates only once it holds the file).
    TFileStream(const std::string& fileName, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    // Bytes actually transferred; raise EInOutError on an OS failure.
    std::int64_t Read(void* buffer, std::int64_t count);
    std::int64_t Write(const void* buffer, std::int64_t count);
    // Raise EInOutError unless all count bytes are transferred.
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);

    // The new position from the beginning.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin);
    std::int64_t Position();
    void SetPosition(std::int64_t position) { Seek(position, soBeginning); }
    std::int64_t Size();

    const std::string& FileName() const { return fileName_; }

  private:
    std::string fileName_;
    int fd_ = -1;
};

}  // namespace framework
