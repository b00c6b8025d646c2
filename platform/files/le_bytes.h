#pragma once
// Little-endian integers in byte images of files and unit memory, byte by byte (never by copying structs).

#include <cstdint>

inline void le16_setzen(unsigned char* p, int v) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::uint32_t>(v) & 0xFFFFu);
    p[0] = static_cast<unsigned char>(u & 0xFF);
    p[1] = static_cast<unsigned char>(u >> 8);
}
inline int le16u_lesen(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}
inline int le16s_lesen(const unsigned char* p) {
    return static_cast<std::int16_t>(le16u_lesen(p));
}

inline void le32_setzen(unsigned char* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
}
inline std::int32_t le32_lesen(const unsigned char* p) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | p[i];
    return static_cast<std::int32_t>(u);
}
