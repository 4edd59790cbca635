#pragma once
// A block of zero-filled bytes owned by one object. Large blocks come straight
// from the system's zeroed pages, so building an empty layer costs nothing
// until its bytes are touched.

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace model {

class ByteBlock {
public:
    ByteBlock() = default;
    // Throws std::bad_alloc when the memory cannot be had.
    explicit ByteBlock(std::size_t size) : m_size(size) {
        if (size > 0) {
            m_data.reset(static_cast<unsigned char*>(std::calloc(size, 1)));
            if (!m_data)
                throw std::bad_alloc();
        }
    }
    ByteBlock(const ByteBlock& other) : ByteBlock(other.m_size) {
        if (m_size > 0)
            std::memcpy(m_data.get(), other.m_data.get(), m_size);
    }
    ByteBlock& operator=(const ByteBlock& other) {
        if (this != &other) {
            ByteBlock copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    ByteBlock(ByteBlock&&) noexcept = default;
    ByteBlock& operator=(ByteBlock&&) noexcept = default;

    unsigned char* data() { return m_data.get(); }
    const unsigned char* data() const { return m_data.get(); }
    std::size_t size() const { return m_size; }

private:
    struct Free {
        void operator()(unsigned char* p) const { std::free(p); }
    };
    std::unique_ptr<unsigned char, Free> m_data;
    std::size_t m_size = 0;
};

} // namespace model
