#pragma once

#include <QByteArray>

#include <cstdint>

// The checksum that protects a frame's payload: CRC-16/MODBUS (reflected
// polynomial 0x8005, 0xA001 in right-shift form, initial value 0xFFFF, no
// final XOR). It covers the payload bytes only, never ":", the address, the
// function code or CR LF. "123456789" gives 0x4B37, an empty payload 0xFFFF.
std::uint16_t FrameChecksum(const QByteArray& payload);

// The checksum as exactly four hexadecimal digits, most significant first,
// zero-padded, "A" to "F" in upper case (0x0A3F gives "0A3F").
QByteArray checksumDigits(std::uint16_t checksum);
