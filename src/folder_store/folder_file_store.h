#pragma once
// The file store on a folder of the disk, through the POSIX calls: a file is replaced through a
// temporary that is flushed and renamed over it, and the folder is locked with flock. It keeps
// the contract of platform/file_store.h and needs nothing else, so it stands just above the
// platform's interfaces, below everything that takes a FileStore; the programs (the game's Qt
// platform and zelvano-sim) and the tests make one, the logic never does.
//
// The system calls can be replaced, so that a test can make a write, a flush, a close or the
// rename fail half-way and see that the old file survives.
//
//   auto files = makeFolderFileStore(".");
//   FileSystemCalls calls;
//   calls.rename = [](const char*, const char*) { errno = EACCES; return -1; };
//   auto failing = makeFolderFileStore(folder, calls);

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/file_store.h"

namespace zelvano {

// Each call behaves like its POSIX namesake (-1 and errno on failure). An empty one means the
// real call. fsync flushes files and the folder alike.
struct FileSystemCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
};

std::unique_ptr<FileStore> makeFolderFileStore(std::filesystem::path folder);
std::unique_ptr<FileStore> makeFolderFileStore(std::filesystem::path folder, FileSystemCalls calls);

}  // namespace zelvano
