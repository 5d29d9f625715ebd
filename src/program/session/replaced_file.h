// An output file written whole or not at all. The text goes into a
// temporary file beside the target; only when every write, the flush to
// disk and the close succeeded is it renamed over the target, so a full
// disk or a file-size limit leaves the earlier file as it was. A target
// that exists but is not a regular file (a device, a pipe, a folder) is
// refused: renaming over it would replace the device node itself.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>

namespace hx {

// The file could not be written; the message names it and the reason.
class OutputFileError : public std::runtime_error {
public:
    OutputFileError(const std::string& path, const std::string& reason)
        : std::runtime_error(path + ": cannot be written (" + reason + ")"), reason_(reason) {}
    // Why, without the file: "No space left on device".
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// "" when `path` names nothing yet or a regular file; otherwise why it may
// not be replaced ("not a regular file").
std::string replaceableProblem(const std::string& path);

class ReplacedFile {
public:
    // Refuses a target that is not a regular file and creates the
    // temporary file. Throws OutputFileError.
    explicit ReplacedFile(std::string path);
    ~ReplacedFile();  // an uncommitted temporary file is removed
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    std::ostream& stream() { return out_; }

    // Flushes, syncs and closes the temporary file and renames it over the
    // target. Throws OutputFileError; the target is then untouched.
    void commit();

private:
    [[noreturn]] void fail(const std::string& reason);

    std::string path_;
    std::string temporary_;
    std::ofstream out_;
    unsigned mode_ = 0;  // permission bits the finished file gets
    bool committed_ = false;
};

}  // namespace hx
