#include <windows.h>

#include <algorithm>

#include "base/Error.h"
#include "base/ScopeGuard.h"
#include "platform/Files.h"

namespace nuvex {
namespace {

HANDLE H(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

DWORD Attributes(const std::string& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

// One copy by the system, on a thread of its own.
struct CopyJob {
  std::string from, to;
  BOOL ok = FALSE;
  DWORD error = 0;
};

DWORD WINAPI RunCopy(LPVOID parameter) {
  auto* job = static_cast<CopyJob*>(parameter);
  job->ok = CopyFileA(job->from.c_str(), job->to.c_str(), FALSE);
  job->error = GetLastError();
  return 0;
}

constexpr DWORD kCopyReportInterval = 250;

}  // namespace

bool FileExists(const std::string& path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& path) {
  std::string dir = path;
  while (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  if (dir.empty()) return false;
  if (DirectoryExists(dir)) return true;
  size_t cut = dir.find_last_of("\\/");
  if (cut != std::string::npos && cut > 0) {
    std::string parent = dir.substr(0, cut);
    if (!(parent.size() == 2 && parent[1] == ':') && !ForceDirectories(parent)) return false;
  }
  return CreateDirectoryA(dir.c_str(), nullptr) || DirectoryExists(dir);
}

bool CopyFileOver(const std::string& from, const std::string& to, const std::function<void()>& whileCopying) {
  if (!whileCopying) return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
  // The system's copy keeps its own rules (attributes, times, a read-only
  // target refused) but reports nothing on every system, so it runs on a
  // thread of its own while this one waits and reports in.  The job is the
  // only thing the two share, and the wait ends before it goes.
  CopyJob job{from, to};
  HANDLE thread = CreateThread(nullptr, 0, RunCopy, &job, 0, nullptr);
  if (!thread) return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
  const ScopeExit join([thread] {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  });
  while (WaitForSingleObject(thread, kCopyReportInterval) == WAIT_TIMEOUT) whileCopying();
  WaitForSingleObject(thread, INFINITE);  // also when the wait above failed
  SetLastError(job.error);
  return job.ok != FALSE;
}

bool ClearReadOnly(const std::string& path) {
  DWORD a = Attributes(path);
  if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return false;
  if (!(a & FILE_ATTRIBUTE_READONLY)) return true;
  // FILE_ATTRIBUTE_NORMAL is only valid alone; no other attribute left means normal.
  DWORD rest = a & ~DWORD{FILE_ATTRIBUTE_READONLY};
  return SetFileAttributesA(path.c_str(), rest ? rest : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::string ProgramFolder() {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string exe(buffer, n);
  return exe.substr(0, exe.find_last_of("\\/") + 1);
}

std::string ProgramPath() {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return std::string(buffer, n);
}

FileStream FileStream::OpenRead(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw FileOpenError(path);
  return FileStream(reinterpret_cast<std::intptr_t>(h), path);
}

FileStream FileStream::Create(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw FileCreateError(path);
  return FileStream(reinterpret_cast<std::intptr_t>(h), path);
}

void FileStream::Close() {
  if (handle_ != -1) CloseHandle(H(handle_));
  handle_ = -1;
}

size_t FileStream::Read(void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(H(handle_), static_cast<char*>(buffer) + done, chunk, &got, nullptr) || got == 0) break;
    done += got;
  }
  return done;
}

size_t FileStream::Write(const void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 30));
    DWORD put = 0;
    if (!WriteFile(H(handle_), static_cast<const char*>(buffer) + done, chunk, &put, nullptr) || put == 0)
      break;
    done += put;
  }
  return done;
}

void FileStream::WriteBuffer(const void* buffer, size_t count) {
  if (Write(buffer, count) != count) throw StreamWriteError();
}

int64_t FileStream::Seek(int64_t position) {
  LARGE_INTEGER to{}, at{};
  to.QuadPart = position;
  return SetFilePointerEx(H(handle_), to, &at, FILE_BEGIN) ? at.QuadPart : -1;
}

int64_t FileStream::Size() const {
  LARGE_INTEGER size{};
  return GetFileSizeEx(H(handle_), &size) ? size.QuadPart : -1;
}

}  // namespace nuvex
