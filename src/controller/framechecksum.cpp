#include "controller/framechecksum.h"

std::uint16_t FrameChecksum(const QByteArray& payload) {
    std::uint16_t crc = 0xFFFF;
    for (const char byte : payload) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1u) ? std::uint16_t((crc >> 1) ^ 0xA001u) : std::uint16_t(crc >> 1);
    }
    return crc;
}

QByteArray checksumDigits(std::uint16_t checksum) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QByteArray text(4, '0');
    for (int i = 3; i >= 0; --i) {
        text[i] = kDigits[checksum & 0xFu];
        checksum >>= 4;
    }
    return text;
}
