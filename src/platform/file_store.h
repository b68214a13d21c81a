#pragma once
// The files of the league folder. Names are matched without regard to case: an existing file
// under any spelling is the one used; a new file is created under the spelling given.
//
//   auto files = makeFolderFileStore(".");
//   auto read = files->readFile("Jbball.jdt");
//   std::string problem = files->replaceFile("Jbball.Jdt", bytes);   // empty on success

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zelvano {

struct FileRead {
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Missing;
    std::string bytes;
    std::string problem;  // why it failed, in Japanese, for Status::Failed
};

class FileStore {
public:
    virtual ~FileStore() = default;
    virtual FileRead readFile(std::string_view name) = 0;
    // Replaces the whole file so that a failure at any point leaves the old file as it was:
    // a temporary file in the same folder, flushed to disk, then renamed over the old one.
    // Returns the empty text on success, otherwise why it failed, in Japanese.
    virtual std::string replaceFile(std::string_view name, std::string_view bytes) = 0;
    // The same, through a temporary file of the given name beside it (the scouting list is
    // rewritten through "Z02mem.$$$"): on failure the file is as it was and the temporary gone.
    virtual std::string replaceFileThrough(std::string_view name, std::string_view temporaryName,
                                           std::string_view bytes) = 0;
    // Appends to a file, creating it when missing. Same result convention as replaceFile.
    virtual std::string appendFile(std::string_view name, std::string_view bytes) = 0;
    virtual bool exists(std::string_view name) = 0;
    virtual std::string removeFile(std::string_view name) = 0;
    // The path of the file under its existing spelling, or under the given one when missing.
    virtual std::filesystem::path resolve(std::string_view name) = 0;
};

std::unique_ptr<FileStore> makeFolderFileStore(std::filesystem::path folder);

}  // namespace zelvano
