// Builds LZH archives byte by byte for tests: stored members (-lh0-) with a
// correct header checksum (levels 0, 1) and data CRC-16, so that real LHA
// readers accept them, plus the raw pieces needed to damage them on purpose.
// Header-only and portable: host tests and Wine tests both include it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "files.h"

// One extended header: its type byte and its data (the size field is added).
struct LzhExt {
    unsigned char type;
    std::string data;
};

// One member as the builder writes it.
struct LzhMember {
    std::string name;              // levels 0/1: base-header name; level 2: type-1 extended header
    int level = 2;
    std::string data = "brisel test data\n";
    std::string method = "-lh0-";  // written as given (five bytes); data are always stored as is
    std::vector<LzhExt> ext;       // further extended headers (levels 1, 2), after the name
    bool name_in_ext = true;       // level 2 only: false leaves out the type-1 file-name header
};

// A member of the given name and level with the default data.
inline LzhMember lzh_named(const std::string &name, int level)
{
    LzhMember m;
    m.name = name;
    m.level = level;
    return m;
}

inline void lzh_put_u8(std::string &out, unsigned value)
{
    out.push_back((char)(value & 0xFF));
}

inline void lzh_put_u16(std::string &out, unsigned value)
{
    lzh_put_u8(out, value);
    lzh_put_u8(out, value >> 8);
}

inline void lzh_put_u32(std::string &out, std::uint32_t value)
{
    lzh_put_u16(out, value & 0xFFFF);
    lzh_put_u16(out, value >> 16);
}

// CRC-16 as LHA uses it (polynomial 0xA001, reflected, initial value 0).
inline unsigned lzh_crc16(const std::string &bytes)
{
    unsigned crc = 0;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc & 0xFFFF;
}

// The chain of extended headers that follows a size field: each header is
// its type, its data and the size field of the next one (0 ends the chain).
// The result starts with the first size field.
inline std::string lzh_ext_chain(const std::vector<LzhExt> &ext)
{
    std::string out;
    for (const LzhExt &e : ext) {
        lzh_put_u16(out, (unsigned)(3 + e.data.size()));
        lzh_put_u8(out, e.type);
        out += e.data;
    }
    lzh_put_u16(out, 0);
    return out;
}

// The size of everything the chain holds after its first size field.
inline std::size_t lzh_ext_total(const std::vector<LzhExt> &ext)
{
    std::size_t total = 0;
    for (const LzhExt &e : ext)
        total += 3 + e.data.size();
    return total;
}

inline void lzh_put_method(std::string &out, const std::string &method)
{
    std::string five = method;
    five.resize(5, '-');
    out += five;
}

// One member: its header and its data.
inline std::string lzh_member(const LzhMember &m)
{
    const std::uint32_t stamp_dos = 0x5A6B1C20;  // a fixed MS-DOS date and time
    const std::uint32_t stamp_unix = 1700000000;
    const unsigned data_crc = lzh_crc16(m.data);
    std::string h;
    if (m.level == 2) {
        std::vector<LzhExt> ext;
        if (m.name_in_ext)
            ext.push_back({1, m.name});
        ext.insert(ext.end(), m.ext.begin(), m.ext.end());
        std::size_t total = 24 + 2 + lzh_ext_total(ext);
        lzh_put_u16(h, (unsigned)total);
        lzh_put_method(h, m.method);
        lzh_put_u32(h, (std::uint32_t)m.data.size());
        lzh_put_u32(h, (std::uint32_t)m.data.size());
        lzh_put_u32(h, stamp_unix);
        lzh_put_u8(h, 0x20);
        lzh_put_u8(h, 2);
        lzh_put_u16(h, data_crc);
        lzh_put_u8(h, 'U');
        h += lzh_ext_chain(ext);
        return h + m.data;
    }
    // Levels 0 and 1 (and any other level byte): base header with a name.
    const bool walk = m.level != 0;
    std::string body;  // from offset 2 to the end of the base header
    lzh_put_method(body, m.method);
    std::size_t packed = m.data.size() + (walk ? lzh_ext_total(m.ext) : 0);
    lzh_put_u32(body, (std::uint32_t)packed);
    lzh_put_u32(body, (std::uint32_t)m.data.size());
    lzh_put_u32(body, stamp_dos);
    lzh_put_u8(body, 0x20);
    lzh_put_u8(body, (unsigned)m.level);
    lzh_put_u8(body, (unsigned)m.name.size());
    body += m.name;
    lzh_put_u16(body, data_crc);
    std::string chain;
    if (walk) {
        lzh_put_u8(body, 'M');
        chain = lzh_ext_chain(m.ext);
        body += chain.substr(0, 2);  // the first size field belongs to the base header
    }
    unsigned sum = 0;
    for (unsigned char byte : body)
        sum += byte;
    lzh_put_u8(h, (unsigned)body.size());
    lzh_put_u8(h, sum);
    h += body;
    if (walk)
        h += chain.substr(2);
    return h + m.data;
}

// A complete archive of the given members and the end-of-archive mark.
inline std::string make_lzh_archive(const std::vector<LzhMember> &members)
{
    std::string out;
    for (const LzhMember &m : members)
        out += lzh_member(m);
    out.push_back('\0');
    return out;
}

// A complete archive of stored members of one level (0, 1 or 2).
inline std::string make_lzh_archive(const std::vector<std::string> &member_names, int level)
{
    std::vector<LzhMember> members;
    for (const std::string &name : member_names)
        members.push_back(lzh_named(name, level));
    return make_lzh_archive(members);
}

// A level-2 member whose whole header is exactly header_size bytes (at least
// 37 + name length): a comment extended header fills the gap.
inline LzhMember lzh_member_with_header_size(const std::string &name, std::size_t header_size)
{
    LzhMember m = lzh_named(name, 2);
    std::size_t fill = header_size - 26 - (3 + name.size()) - 3;
    m.ext.push_back({0x3F, std::string(fill, 'x')});
    return m;
}
