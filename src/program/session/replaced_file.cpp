#include "program/session/replaced_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace hx {

namespace {

std::string reasonOf(int error) { return error == 0 ? "write failed" : std::strerror(error); }

// The permission bits a new file gets under the process's umask, read
// from /proc so that the mask is never changed while other threads may be
// creating files; umask() itself only where /proc does not tell.
unsigned newFileMode() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) != 0) continue;
        return 0666u & ~static_cast<unsigned>(std::stoul(line.substr(6), nullptr, 8));
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

}  // namespace

std::string replaceableProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return "";  // nothing there yet (or a dangling link)
    if (S_ISDIR(st.st_mode)) return "a folder, not a file";
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    return "";
}

ReplacedFile::ReplacedFile(std::string path) : path_(std::move(path)) {
    // A link is followed: the file it names is replaced, the link kept.
    std::error_code linkError;
    if (std::filesystem::is_symlink(path_, linkError)) {
        const std::filesystem::path target = std::filesystem::weakly_canonical(path_, linkError);
        if (!linkError) path_ = target.string();
    }
    if (const std::string problem = replaceableProblem(path_); !problem.empty())
        throw OutputFileError(path_, problem);
    struct stat st {};
    mode_ = ::stat(path_.c_str(), &st) == 0 ? (st.st_mode & 07777u) : newFileMode();
    const std::filesystem::path target(path_);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) throw OutputFileError(path_, reasonOf(errno));
    ::close(fd);
    temporary_ = name.data();
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_) fail(reasonOf(errno));
}

ReplacedFile::~ReplacedFile() {
    if (!committed_ && !temporary_.empty()) std::remove(temporary_.c_str());
}

void ReplacedFile::fail(const std::string& reason) {
    if (out_.is_open()) out_.close();
    std::remove(temporary_.c_str());
    temporary_.clear();
    throw OutputFileError(path_, reason);
}

void ReplacedFile::commit() {
    // errno still holds the reason of a write that failed before (a full
    // buffer is written as the text is added).
    out_.flush();
    if (!out_) fail(reasonOf(errno));
    out_.close();
    if (out_.fail()) fail(reasonOf(errno));
    // The data on disk before the name points at it, so a crash right
    // after the rename cannot leave an empty file under the old name.
    const int fd = ::open(temporary_.c_str(), O_RDONLY);
    if (fd < 0) fail(reasonOf(errno));
    const bool synced = ::fchmod(fd, static_cast<mode_t>(mode_)) == 0 && ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (!synced) fail(reasonOf(syncError));
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) fail(reasonOf(errno));
    committed_ = true;
}

}  // namespace hx
