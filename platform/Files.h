#pragma once
// The file layer: the few file operations the system needs, on the platform's
// own paths.  Paths are single-byte texts in the system's code page, written
// the Windows way ("C:\Dir\name.ext").  On Windows they go to the ANSI calls
// unchanged; elsewhere they are mapped into the native tree (see NativePath.h).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace nuvex {

bool FileExists(const std::string& path);       // an existing file, not a folder
bool DirectoryExists(const std::string& path);  // an existing folder
// Creates the folder and every missing parent; true when the folder exists afterwards.
bool ForceDirectories(const std::string& path);
// Copies a file; an existing target is overwritten.  False on any failure,
// among them a read-only target and a target that is the source itself.  The
// copy keeps the source's read-only attribute, as CopyFileA does (natively:
// a source without its owner's write permission gives a copy without it).
// whileCopying, when set, is called on this thread every so often while the
// copy lasts (on Windows every quarter second, natively after each block), so
// that a caller that handles no messages meanwhile can still report in.
bool CopyFileOver(const std::string& from, const std::string& to, const std::function<void()>& whileCopying = {});
// Clears the read-only attribute of an existing file and changes nothing else
// (natively: gives its owner write permission).  False when it cannot.
bool ClearReadOnly(const std::string& path);
// Moves a file over another one (an existing target is replaced).
bool MoveFileOver(const std::string& from, const std::string& to);
bool DeleteFileAt(const std::string& path);
// The folder of the running program, with its trailing separator.
std::string ProgramFolder();
// The full path of the running program's file.
std::string ProgramPath();

// A file opened for reading or created for writing; closed by its destructor.
class FileStream {
 public:
  // Opens an existing file for reading; raises FileOpenError when it cannot.
  static FileStream OpenRead(const std::string& path);
  // Creates (or truncates) a file for writing; raises FileCreateError when it cannot.
  static FileStream Create(const std::string& path);

  FileStream(FileStream&& other) noexcept;
  FileStream& operator=(FileStream&& other) noexcept;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;
  ~FileStream();

  // Reads up to count bytes; returns how many arrived (0 at the end).
  size_t Read(void* buffer, size_t count);
  // Writes up to count bytes; returns how many were stored.
  size_t Write(const void* buffer, size_t count);
  // Writes all count bytes or raises StreamWriteError.
  void WriteBuffer(const void* buffer, size_t count);
  // Moves to an absolute position; returns the new position.
  int64_t Seek(int64_t position);
  int64_t Size() const;
  void Close();  // idempotent; the destructor calls it

  const std::string& Path() const { return path_; }

 private:
  FileStream(std::intptr_t handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  std::intptr_t handle_ = -1;  // a file descriptor or a HANDLE, by platform
  std::string path_;
};

// Gathers small writes to a stream into blocks, so that a file written in
// pieces of a few KiB costs one system call per block.  Memory: one block.
// Flush stores what is gathered; a block that cannot be stored in full raises
// StreamWriteError, from Write or from Flush.  What is not flushed when the
// writer ends is dropped (a destructor may not raise).
class BufferedFileWriter {
 public:
  static constexpr size_t kDefaultBlockSize = 65536;

  explicit BufferedFileWriter(FileStream& stream, size_t blockSize = kDefaultBlockSize);
  BufferedFileWriter(const BufferedFileWriter&) = delete;
  BufferedFileWriter& operator=(const BufferedFileWriter&) = delete;

  void Write(const void* buffer, size_t count);
  // Room for up to count bytes (at most the block size) behind the gathered
  // ones, so that a producer can put its data there without a copy; a full
  // enough block is flushed first.  Commit(n) then takes the first n of them.
  uint8_t* Room(size_t count);
  void Commit(size_t count) { used_ += count; }
  void Flush();

 private:
  FileStream& stream_;
  std::unique_ptr<uint8_t[]> block_;
  size_t blockSize_;
  size_t used_ = 0;
};

}  // namespace nuvex
