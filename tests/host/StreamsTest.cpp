#include "host/Streams.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "support/Pictures.h"

namespace wb {
namespace {

TEST(TMemoryStream, ReadsWritesAndSeeksLikeAFile) {
    TMemoryStream stream;
    stream.WriteBuffer("hello", 5);
    stream.Seek(-2, soEnd);
    stream.WriteBuffer("p!", 2);
    EXPECT_EQ(stream.Size(), 5);
    stream.SetPosition(7);  // past the end: a later write fills the gap with zeros
    stream.WriteBuffer("x", 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Memory()), 8), std::string("help!\0\0x", 8));

    char buffer[4] = {};
    stream.SetPosition(6);
    EXPECT_EQ(stream.Read(buffer, 4), 2);
    EXPECT_THROW(stream.ReadBuffer(buffer, 1), EReadError);
    EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);
    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
}

TEST(TFileStream, CreatesReplacesAndReadsFiles) {
    test::TempDir dir;
    const std::string file = dir.File("data.bin");
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer("0123456789", 10);
    }
    {
        TFileStream out(file, fmCreate);  // replaces the contents
        out.WriteBuffer("abc", 3);
    }
    TFileStream in(file, fmOpenRead);
    EXPECT_EQ(in.Size(), 3);
    char buffer[3];
    in.ReadBuffer(buffer, 3);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    try {
        in.ReadBuffer(buffer, 1);
        ADD_FAILURE() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Unexpected end of file \"" + file + "\"");
    }
}

TEST(TFileStream, ErrorsNameTheFileAndTheReason) {
    test::TempDir dir;
    const std::string taken = dir.File("taken");
    test::WriteFileBytes(taken, {'k'});
    const struct {
        const char* name;
        std::string file;
        uint16_t mode;
        std::string message;
        int code;
    } cases[] = {
        {"exclusive create of a taken name", taken, fmCreateNew,
         "Cannot create file \"" + taken + "\": File exists", EEXIST},
        {"create in a missing directory", dir.File("none/x"), fmCreate,
         "Cannot create file \"" + dir.File("none/x") + "\": No such file or directory", ENOENT},
        {"open of a missing file", dir.File("missing"), fmOpenRead,
         "Cannot open file \"" + dir.File("missing") + "\": No such file or directory", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            TFileStream stream(c.file, c.mode);
            ADD_FAILURE() << "no exception";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_EQ(e.ErrorCode(), c.code);
        } catch (const EFOpenError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_EQ(test::ReadFileBytes(taken), std::vector<uint8_t>{'k'});

    TFileStream full("/dev/full", fmOpenWrite);
    try {
        full.WriteBuffer("x", 1);
        ADD_FAILURE() << "no exception";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Cannot write file \"/dev/full\": No space left on device");
    }
}

}  // namespace
}  // namespace wb
