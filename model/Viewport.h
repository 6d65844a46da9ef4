#pragma once

#include <cstdint>

class CArchive;

// Where the globe lies in the view, in pixels: a unit-sphere point (X, Y) is
// drawn at (m_originX + m_scale * X, m_originY - m_scale * Y).
class CViewport {
public:
    CViewport() = default;
    virtual ~CViewport() = default;
    CViewport(const CViewport&) = default;
    CViewport& operator=(const CViewport&) = default;

    virtual void Serialize(CArchive& archive);

    float m_scale = 0.0f;            // radius of the globe, pixels
    float m_originX = 0.0f;          // centre of the globe, client pixels
    float m_originY = 0.0f;          // y grows downwards
    std::uint32_t m_reserved1 = 0;
    std::uint32_t m_reserved2 = 0;
    std::int32_t m_height = 0;       // client size at the last reset to the whole globe
    std::int32_t m_width = 0;
    std::uint32_t m_reserved3 = 0;
    std::int32_t m_flag = 1;
};
