#include "host/Streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace wb {

namespace {

std::string FileMessage(const char* What, const std::string& FileName, int ErrorCode) {
    return std::string(What) + " \"" + FileName + "\": " + std::strerror(ErrorCode);
}

int OpenFlags(uint16_t Mode) {
    switch (Mode) {
        case fmCreate: return O_RDWR | O_CREAT | O_TRUNC;
        case fmCreateNew: return O_RDWR | O_CREAT | O_EXCL;
        default: break;
    }
    switch (Mode & 3) {
        case fmOpenWrite: return O_WRONLY;
        case fmOpenReadWrite: return O_RDWR;
        default: return O_RDONLY;
    }
}

int64_t CheckedPosition(int64_t Position) {
    if (Position < 0) throw EStreamError("Stream seek before the start");
    return Position;
}

}  // namespace

EFCreateError::EFCreateError(const std::string& FileName, int ErrorCode)
    : EStreamError(FileMessage("Cannot create file", FileName, ErrorCode)), FErrorCode(ErrorCode) {}

EFOpenError::EFOpenError(const std::string& FileName, int ErrorCode)
    : EStreamError(FileMessage("Cannot open file", FileName, ErrorCode)) {}

void TStream::ReadBuffer(void* Buffer, int32_t Count) {
    if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError(ReadErrorMessage());
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count) {
    if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError(WriteErrorMessage());
}

int64_t TStream::Size() {
    const int64_t position = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode) : FFileName(FileName) {
    const bool creating = Mode == fmCreate || Mode == fmCreateNew;
    FHandle = ::open(FileName.c_str(), OpenFlags(Mode) | O_CLOEXEC, 0666);
    if (FHandle < 0) {
        if (creating) throw EFCreateError(FileName, errno);
        throw EFOpenError(FileName, errno);
    }
}

TFileStream::~TFileStream() { ::close(FHandle); }

int32_t TFileStream::Read(void* Buffer, int32_t Count) {
    auto* bytes = static_cast<char*>(Buffer);
    int32_t done = 0;
    while (done < Count) {
        const ssize_t n = ::read(FHandle, bytes + done, static_cast<size_t>(Count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) FLastError = errno;
        if (n <= 0) break;
        done += static_cast<int32_t>(n);
    }
    return done;
}

int32_t TFileStream::Write(const void* Buffer, int32_t Count) {
    const auto* bytes = static_cast<const char*>(Buffer);
    int32_t done = 0;
    while (done < Count) {
        const ssize_t n = ::write(FHandle, bytes + done, static_cast<size_t>(Count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) FLastError = errno;
        if (n <= 0) break;
        done += static_cast<int32_t>(n);
    }
    return done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    const int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(FHandle, Offset, whence);
    if (position < 0) throw EStreamError(FileMessage("Cannot seek in file", FFileName, errno));
    return position;
}

std::string TFileStream::ReadErrorMessage() const {
    if (FLastError == 0) return "Unexpected end of file \"" + FFileName + "\"";
    return FileMessage("Cannot read file", FFileName, FLastError);
}

std::string TFileStream::WriteErrorMessage() const {
    return FileMessage("Cannot write file", FFileName, FLastError != 0 ? FLastError : ENOSPC);
}

void TMemoryStream::SetSize(int64_t NewSize) {
    FData.resize(static_cast<size_t>(CheckedPosition(NewSize)));
    FPosition = std::min(FPosition, NewSize);
}

void TMemoryStream::Clear() {
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    const int64_t size = Stream.Size();
    if (size > INT32_MAX) throw EReadError("Stream too large to load into memory");
    SetSize(size);
    Stream.ReadBuffer(FData.data(), static_cast<int32_t>(size));
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& Stream) {
    Stream.WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TMemoryStream::SaveToFile(const std::string& FileName) {
    TFileStream file(FileName, fmCreate);
    SaveToStream(file);
}

int32_t TMemoryStream::Read(void* Buffer, int32_t Count) {
    const int64_t available = static_cast<int64_t>(FData.size()) - FPosition;
    const int32_t n = static_cast<int32_t>(std::clamp<int64_t>(Count, 0, std::max<int64_t>(available, 0)));
    if (n > 0) std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count) {
    if (Count <= 0) return 0;
    const auto end = static_cast<size_t>(FPosition + Count);
    if (end > FData.size()) FData.resize(end);
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition += Count;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    const int64_t base = Origin == soBeginning ? 0
                         : Origin == soCurrent ? FPosition
                                               : static_cast<int64_t>(FData.size());
    FPosition = CheckedPosition(base + Offset);
    return FPosition;
}

}  // namespace wb
