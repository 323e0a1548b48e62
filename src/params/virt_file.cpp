#include "params/virt_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace slyders {

namespace {

StdioFileSystem g_stdioFileSystem;

// A renamed file is only safe once its folder's entry is on the disk as well.
void syncFolderOf(const char* name) {
    const std::filesystem::path folder = std::filesystem::path(name).parent_path();
    const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
}

}  // namespace

int VirtFILE::print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = printFormatted(format, args);
    va_end(args);
    return written;
}

// ------------------------------------------------------------------ StdioFILE

StdioFILE::~StdioFILE() {
    if (m_handle) std::fclose(m_handle);
}

std::size_t StdioFILE::read(void* buffer, std::size_t itemSize, std::size_t count) {
    return std::fread(buffer, itemSize, count, m_handle);
}

std::size_t StdioFILE::write(const void* buffer, std::size_t itemSize, std::size_t count) {
    return std::fwrite(buffer, itemSize, count, m_handle);
}

int StdioFILE::eof() {
    return std::feof(m_handle);
}
int StdioFILE::putChar(int c) {
    return std::fputc(c, m_handle);
}
int StdioFILE::putString(const char* text) {
    return std::fputs(text, m_handle);
}
int StdioFILE::getChar() {
    return std::fgetc(m_handle);
}
int StdioFILE::seek(long offset, int origin) {
    return std::fseek(m_handle, offset, origin);
}
long StdioFILE::tell() {
    return std::ftell(m_handle);
}
void StdioFILE::rewind() {
    std::rewind(m_handle);
}
int StdioFILE::flush() {
    return std::fflush(m_handle);
}

char* StdioFILE::getLine(char* buffer, int size) {
    return std::fgets(buffer, size, m_handle);
}

int StdioFILE::printFormatted(const char* format, va_list args) {
    return std::vfprintf(m_handle, format, args);
}

int StdioFILE::sync() {
    if (std::fflush(m_handle) != 0) return -1;
    return ::fsync(::fileno(m_handle));
}

// ------------------------------------------------------------------ StdioFileSystem

StdioFileSystem& StdioFileSystem::instance() {
    return g_stdioFileSystem;
}

VirtFILE* StdioFileSystem::open(const char* name, const char* mode) {
    std::FILE* handle = std::fopen(name, mode);
    return handle ? new StdioFILE(handle) : nullptr;
}

bool StdioFileSystem::exists(const char* name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
}

bool StdioFileSystem::rename(const char* from, const char* to) {
    // Renaming over a file asks only the folder's leave; the file's own mode, read-only
    // included, must not be lost with it.
    struct stat old {};
    if (::stat(to, &old) == 0 && ::chmod(from, old.st_mode & 07777) != 0) return false;
    if (std::rename(from, to) != 0) return false;
    syncFolderOf(to);
    return true;
}

bool StdioFileSystem::remove(const char* name) {
    return std::remove(name) == 0;
}

// ------------------------------------------------------------------ free operations

void closeVirtFile(VirtFILE* file) {
    delete file;
}

}  // namespace slyders
