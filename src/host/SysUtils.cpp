#include "host/SysUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "host/Exception.h"

namespace wb {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

[[noreturn]] void FileError(const std::string& fileName, const char* doing, int error) {
    throw EInOutError(fileName + ": cannot " + doing + ": " + std::strerror(error));
}

// The file a name stands for: the target of a symbolic link, the name itself otherwise (also
// when there is no such file yet).
std::string ResolveLink(const std::string& fileName) {
    struct stat link{};
    if (lstat(fileName.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return fileName;
    char target[PATH_MAX];
    if (realpath(fileName.c_str(), target) == nullptr) FileError(fileName, "follow the link", errno);
    return target;
}

std::string DirectoryOf(const std::string& fileName) {
    const size_t slash = fileName.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return fileName.substr(0, slash);
}

// The permissions of the file that is replaced, or what a newly created file would get.
mode_t PermissionsFor(const std::string& fileName) {
    struct stat old{};
    if (stat(fileName.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A new file beside the one it replaces; removed again unless Keep is called.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const std::string& beside) {
        const std::string directory = DirectoryOf(beside);
        const std::string base = beside.substr(beside.rfind('/') + 1);
        FName = directory + "/." + base + ".XXXXXX";
        FDescriptor = mkstemp(FName.data());
        if (FDescriptor < 0) FileError(beside, "create a file in its directory", errno);
    }
    ~TTemporaryFile() {
        if (FDescriptor >= 0) close(FDescriptor);
        if (!FKept) unlink(FName.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    int Descriptor() const { return FDescriptor; }
    const std::string& Name() const { return FName; }
    // Closes the file; false when the system reports that its contents were not stored.
    bool Close() {
        const int fd = FDescriptor;
        FDescriptor = -1;
        return close(fd) == 0;
    }
    void Keep() { FKept = true; }

private:
    std::string FName;
    int FDescriptor = -1;
    bool FKept = false;
};

void SyncDirectory(const std::string& fileName) {
    const int fd = open(DirectoryOf(fileName).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    close(fd);
    if (!synced) FileError(fileName, "store the directory entry", error);
}

}  // namespace

bool SameText(std::string_view A, std::string_view B) {
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

std::string LowerCase(std::string_view Text) {
    std::string lower(Text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

void ReplaceFile(const std::string& FileName, std::string_view Bytes) {
    const std::string target = ResolveLink(FileName);
    TTemporaryFile file(target);
    if (fchmod(file.Descriptor(), PermissionsFor(target)) != 0) FileError(FileName, "write", errno);
    if (!WriteAll(file.Descriptor(), Bytes) || fsync(file.Descriptor()) != 0 || !file.Close())
        FileError(FileName, "write", errno);
    if (rename(file.Name().c_str(), target.c_str()) != 0) FileError(FileName, "replace", errno);
    file.Keep();
    SyncDirectory(target);
}

std::string UpperCase(std::string_view Text) {
    std::string upper(Text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    return upper;
}

}  // namespace wb
