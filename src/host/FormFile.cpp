#include "host/FormFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "host/SysUtils.h"

namespace wb {

namespace {

using TFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

[[noreturn]] void FileError(const std::string& fileName, const char* doing) {
    throw EInOutError(fileName + ": cannot " + doing + ": " + std::strerror(errno));
}

std::string ReadFile(const std::string& fileName) {
    TFile file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
    if (!file) FileError(fileName, "open");
    std::string bytes;
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get())) FileError(fileName, "read");
    return bytes;
}

}  // namespace

TFormFile::TFormFile(std::string FileName, std::unique_ptr<TForm> Form)
    : FFileName(std::move(FileName)), FForm(std::move(Form)) {}

TFormFile TFormFile::Load(const std::string& FileName, const TFormReadOptions& Options) {
    return Parse(ReadFile(FileName), FileName, Options);
}

TFormFile TFormFile::Parse(std::string_view Text, std::string FileName,
                           const TFormReadOptions& Options) {
    std::unique_ptr<TForm> form = ReadForm(Text, FileName, Options);
    return TFormFile(std::move(FileName), std::move(form));
}

TComponent& TFormFile::FindComponent(const std::string& Name) const {
    if (TComponent* component = FForm->FindComponent(Name)) return *component;
    if (SameText(FForm->Name(), Name)) return *FForm;
    throw Exception(FFileName + ": no component named '" + Name + "'");
}

// A save that fails half-way must not cost the user the file as it was.
void TFormFile::Save(const std::string& FileName) const { ReplaceFile(FileName, Write()); }

}  // namespace wb
