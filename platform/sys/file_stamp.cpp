#include "platform/sys/file_stamp.h"

#include <sys/stat.h>

namespace dsp {

std::string FileStamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "-";
    return std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) + ":" +
           std::to_string(info.st_size);
}

}  // namespace dsp
