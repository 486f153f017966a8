// Temporary-file-and-rename output for the authoring tools.
#include "authoring/common/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace zuno::authoring {
namespace {

std::runtime_error SystemError(const std::string& what, const std::filesystem::path& path) {
    return std::runtime_error(what + " " + path.string() + ": " + std::strerror(errno));
}

// The mode a newly created file would get, honouring the umask (mkstemp uses 0600).
mode_t DefaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

OutputFile::OutputFile(std::filesystem::path target) : target_(std::move(target)) {
    std::filesystem::path folder = target_.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) throw std::runtime_error("cannot create folder " + folder.string() + ": " + ec.message());

    std::string tempName = ".";
    tempName += target_.filename().string();
    tempName += ".tmp-XXXXXX";
    std::string pattern = (folder / tempName).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) throw SystemError("cannot create a temporary file in", folder);
    temp_ = name.data();
    fchmod(fd, DefaultFileMode());
    close(fd);
}

OutputFile::~OutputFile() {
    if (committed_) return;
    std::error_code ec;
    std::filesystem::remove(temp_, ec);
    // SQLite may leave its journal beside the file when a write failed midway.
    std::filesystem::remove(temp_.string() + "-journal", ec);
}

void OutputFile::Commit() {
    const int fd = open(temp_.c_str(), O_RDONLY);
    if (fd < 0) throw SystemError("cannot reopen", temp_);
    const bool synced = fsync(fd) == 0;
    close(fd);
    if (!synced) throw SystemError("cannot flush", temp_);
    if (rename(temp_.c_str(), target_.c_str()) != 0) throw SystemError("cannot replace", target_);
    committed_ = true;
}

}  // namespace zuno::authoring
