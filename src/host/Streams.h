#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/Exception.h"
#include "host/TObject.h"

namespace wb {

// Failures of streams. A file stream's messages name the file and the system's reason.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EFCreateError : public EStreamError {
public:
    EFCreateError(const std::string& FileName, int ErrorCode);
    // The system's error number (EEXIST when an exclusive create found the name taken).
    int ErrorCode() const { return FErrorCode; }

private:
    int FErrorCode;
};
class EFOpenError : public EStreamError {
public:
    EFOpenError(const std::string& FileName, int ErrorCode);
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum class TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };
inline constexpr auto soBeginning = TSeekOrigin::soBeginning;
inline constexpr auto soCurrent = TSeekOrigin::soCurrent;
inline constexpr auto soEnd = TSeekOrigin::soEnd;

// A sequence of bytes with a position. Read and Write move as many bytes as they can and say how
// many; ReadBuffer and WriteBuffer move all of them or raise.
class TStream : public TObject {
public:
    virtual int32_t Read(void* Buffer, int32_t Count) = 0;
    virtual int32_t Write(const void* Buffer, int32_t Count) = 0;
    // The new position; a position before the start raises EStreamError.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

    void ReadBuffer(void* Buffer, int32_t Count);
    void WriteBuffer(const void* Buffer, int32_t Count);

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t Value) { Seek(Value, soBeginning); }
    int64_t Size();

protected:
    // The messages of a short read or write; a file stream names its file.
    virtual std::string ReadErrorMessage() const { return "Stream read error"; }
    virtual std::string WriteErrorMessage() const { return "Stream write error"; }
};

// File modes: fmCreate replaces a file of that name or makes a new one; fmCreateNew (not a mode
// of the host) makes a new file and fails with EEXIST when the name is taken, so that two writers
// never share a file.
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
inline constexpr uint16_t fmCreateNew = 0xFFFE;
inline constexpr uint16_t fmCreate = 0xFFFF;

// A stream on a file, open from construction to destruction. A file that cannot be created or
// opened raises EFCreateError or EFOpenError naming it.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& FileName, uint16_t Mode);
    ~TFileStream() override;

    const std::string& FileName() const { return FFileName; }

    int32_t Read(void* Buffer, int32_t Count) override;
    int32_t Write(const void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

protected:
    std::string ReadErrorMessage() const override;
    std::string WriteErrorMessage() const override;

private:
    std::string FFileName;
    int FHandle = -1;
    int FLastError = 0;
};

// A stream held in memory; writing past the end makes it longer.
class TMemoryStream : public TStream {
public:
    const uint8_t* Memory() const { return FData.data(); }
    void SetSize(int64_t NewSize);
    void Clear();
    void LoadFromStream(TStream& Stream);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(TStream& Stream);
    void SaveToFile(const std::string& FileName);

    int32_t Read(void* Buffer, int32_t Count) override;
    int32_t Write(const void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

private:
    std::vector<uint8_t> FData;
    int64_t FPosition = 0;
};

}  // namespace wb
