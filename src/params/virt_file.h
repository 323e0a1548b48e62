#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>

namespace slyders {

// An open file, as the parameter file form reads and writes it. Deleting it closes it.
// Every operation answers like its standard stream counterpart.
class VirtFILE {
public:
    virtual std::size_t read(void* buffer, std::size_t itemSize, std::size_t count) = 0;
    virtual std::size_t write(const void* buffer, std::size_t itemSize, std::size_t count) = 0;
    virtual int eof() = 0;
    virtual int putChar(int c) = 0;               // c, or -1 on error
    virtual int putString(const char* text) = 0;  // -1 on error
    virtual int getChar() = 0;                    // 0 .. 255, or -1 at the end
    virtual int seek(long offset, int origin) = 0;
    virtual long tell() = 0;
    virtual void rewind() = 0;
    virtual int flush() = 0;
    // At most size - 1 characters, up to and including a line feed; null at the end.
    virtual char* getLine(char* buffer, int size) = 0;
    virtual int printFormatted(const char* format, va_list args) = 0;
    virtual ~VirtFILE() = default;

    int print(const char* format, ...) __attribute__((format(printf, 2, 3)));
};

// A C standard stream, closed with the file.
class StdioFILE : public VirtFILE {
public:
    explicit StdioFILE(std::FILE* handle) : m_handle(handle) {}
    ~StdioFILE() override;
    StdioFILE(const StdioFILE&) = delete;
    StdioFILE& operator=(const StdioFILE&) = delete;

    std::size_t read(void* buffer, std::size_t itemSize, std::size_t count) override;
    std::size_t write(const void* buffer, std::size_t itemSize, std::size_t count) override;
    int eof() override;
    int putChar(int c) override;
    int putString(const char* text) override;
    int getChar() override;
    int seek(long offset, int origin) override;
    long tell() override;
    void rewind() override;
    int flush() override;
    char* getLine(char* buffer, int size) override;
    int printFormatted(const char* format, va_list args) override;

    std::FILE* handle() const { return m_handle; }
    // Flushes and asks the system to put the content on the disk; 0 on success.
    int sync();

protected:
    std::FILE* m_handle;
};

// A standard stream that someone else closes (stdout, say).
class StdioFILEDontClose : public StdioFILE {
public:
    using StdioFILE::StdioFILE;
    ~StdioFILEDontClose() override { m_handle = nullptr; }
};

// Where files are opened. Besides opening, it can replace a file by another, so that the
// settings file is written in one piece or not at all.
class VirtFileSystem {
public:
    virtual VirtFILE* open(const char* name, const char* mode) = 0;  // null on failure
    virtual bool exists(const char* name) = 0;
    // Replaces `to`, which keeps its permissions, and makes the new name last.
    virtual bool rename(const char* from, const char* to) = 0;
    virtual bool remove(const char* name) = 0;
    virtual ~VirtFileSystem() = default;
};

// The files of the disk, through the C standard streams.
class StdioFileSystem : public VirtFileSystem {
public:
    static StdioFileSystem& instance();

    VirtFILE* open(const char* name, const char* mode) override;
    bool exists(const char* name) override;
    bool rename(const char* from, const char* to) override;
    bool remove(const char* name) override;
};

// Closes a file opened through a file system; nothing for null.
void closeVirtFile(VirtFILE* file);

}  // namespace slyders
