#pragma once
// The folder file store with its system calls replaceable, so that a test can make a write, a
// flush, a close or the rename fail half-way and see that the old file survives. The program
// uses makeFolderFileStore(folder) from file_store.h, which takes the real calls.
//
//   FileSystemCalls calls;
//   calls.rename = [](const char*, const char*) { errno = EACCES; return -1; };
//   auto files = makeFolderFileStore(folder, calls);

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/file_store.h"

namespace zelvano {

// Where the folder itself cannot be locked (network file systems), this empty file is locked
// instead. It stays in the folder; the lock on it is what counts.
inline constexpr const char* kFolderLockName = ".zelvano-lock";

// Each call behaves like its POSIX namesake (-1 and errno on failure). An empty one means the
// real call.
struct FileSystemCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
};

std::unique_ptr<FileStore> makeFolderFileStore(std::filesystem::path folder, FileSystemCalls calls);

}  // namespace zelvano
