// Whole-file reads and writes for tests, in bytes, untranslated.
#pragma once

#include <cstdio>
#include <string>

// Writes bytes to a file opened for writing (null when that failed) and closes it.
inline bool write_bytes_to(std::FILE *f, const std::string &bytes)
{
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// Reads a file opened for reading (null when that failed) to its end and closes it.
inline std::string read_bytes_from(std::FILE *f)
{
    std::string bytes;
    if (!f)
        return bytes;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

inline bool write_file_bytes(const std::string &path, const std::string &bytes)
{
    return write_bytes_to(std::fopen(path.c_str(), "wb"), bytes);
}

inline std::string read_file_bytes(const std::string &path)
{
    return read_bytes_from(std::fopen(path.c_str(), "rb"));
}

#ifdef _WIN32
// The same by a UTF-16 path: any file name, whatever the ANSI code page.
inline bool write_file_bytes(const std::wstring &path, const std::string &bytes)
{
    return write_bytes_to(_wfopen(path.c_str(), L"wb"), bytes);
}

inline std::string read_file_bytes(const std::wstring &path)
{
    return read_bytes_from(_wfopen(path.c_str(), L"rb"));
}
#endif
