#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads a fuzzer's input as a few option bytes and length-prefixed pieces.
class CFuzzInput {
public:
    CFuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {}

    bool AtEnd() const { return m_pos >= m_size; }
    // The next byte, 0 past the end.
    std::uint8_t Byte() { return AtEnd() ? 0 : m_data[m_pos++]; }
    // A piece: one length byte, then that many bytes (fewer at the end).
    std::string Piece()
    {
        std::size_t length = Byte();
        std::size_t taken = length < m_size - m_pos ? length : m_size - m_pos;
        std::string piece(reinterpret_cast<const char*>(m_data + m_pos), taken);
        m_pos += taken;
        return piece;
    }
    // Everything not read yet.
    std::string Rest()
    {
        std::string rest(reinterpret_cast<const char*>(m_data + m_pos), m_size - m_pos);
        m_pos = m_size;
        return rest;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};
