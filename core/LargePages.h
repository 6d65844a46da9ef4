#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

// Memory for the buffers of a megabyte and more that are filled at once: map
// pictures, data images, the shoreline tables. Fresh memory faulted in page
// by page costs more than filling it (about 1.4 ms per MB in a virtual
// machine, as much as the whole drawing of a megabyte of map); transparent
// huge pages take it 2 MB at a time, several times faster.

// Zero-filled, writable, aligned to 2 MB; nullptr when the system refuses.
void* AllocateLargePages(std::size_t bytes);
// Gives back what AllocateLargePages returned for the same number of bytes.
void ReleaseLargePages(void* pages, std::size_t bytes) noexcept;

// For a short-lived program: the allocator's heap goes on from the next
// huge page boundary, 16 MB at a time, in memory that the system backs with
// huge pages; blocks up to 8 MB come from it, for every thread, and what is
// freed is kept. A command that runs for 15 ms makes thousands of small
// allocations, and each fresh 4 kB page they touch costs a fault (some
// 12 us in a virtual machine); a huge page costs one. Call it first thing
// in main; a second call changes nothing.
// Returned: whether the heap now grows on huge pages (false without the GNU
//           allocator, under the sanitizers' own, or when the heap was not
//           laid out as expected: nothing is changed then but its settings)
bool PlaceHeapOnLargePages();

// Below this size the ordinary allocator serves: a huge page would waste
// more than it saves.
inline constexpr std::size_t kLargePagesThreshold = std::size_t{1} << 19;

// A standard allocator that takes large blocks from AllocateLargePages, for
// std::vector and friends.
template <typename T>
class LargePageAllocator {
public:
    using value_type = T;

    LargePageAllocator() = default;
    template <typename U>
    LargePageAllocator(const LargePageAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count)
    {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < kLargePagesThreshold) {
            return static_cast<T*>(::operator new(bytes, std::align_val_t{alignof(T)}));
        }
        void* pages = AllocateLargePages(bytes);
        if (pages == nullptr) {
            throw std::bad_alloc();
        }
        return static_cast<T*>(pages);
    }

    void deallocate(T* block, std::size_t count) noexcept
    {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < kLargePagesThreshold) {
            ::operator delete(block, std::align_val_t{alignof(T)});
        } else {
            ReleaseLargePages(block, bytes);
        }
    }

    template <typename U>
    bool operator==(const LargePageAllocator<U>&) const noexcept
    {
        return true;
    }
};

// A fixed number of zero-filled trivial elements, on huge pages when they
// come to kLargePagesThreshold: a table filled bit by bit, which std::vector
// would first clear a second time.
template <typename T>
class LargePageArray {
    static_assert(std::is_trivial_v<T>);

public:
    LargePageArray() = default;
    explicit LargePageArray(std::size_t count) : m_count(count)
    {
        if (count * sizeof(T) >= kLargePagesThreshold) {
            m_data = static_cast<T*>(AllocateLargePages(count * sizeof(T)));
            m_large = m_data != nullptr;
        }
        if (m_data == nullptr && count > 0) {
            m_data = new T[count]();
        }
    }
    ~LargePageArray() { Release(); }
    LargePageArray(LargePageArray&& other) noexcept { Take(other); }
    LargePageArray& operator=(LargePageArray&& other) noexcept
    {
        if (this != &other) {
            Release();
            Take(other);
        }
        return *this;
    }
    LargePageArray(const LargePageArray&) = delete;
    LargePageArray& operator=(const LargePageArray&) = delete;

    T* data() const { return m_data; }
    std::size_t size() const { return m_count; }

private:
    void Release() noexcept
    {
        if (m_large) {
            ReleaseLargePages(m_data, m_count * sizeof(T));
        } else {
            delete[] m_data;
        }
        m_data = nullptr;
    }
    void Take(LargePageArray& other) noexcept
    {
        m_data = std::exchange(other.m_data, nullptr);
        m_count = std::exchange(other.m_count, 0);
        m_large = std::exchange(other.m_large, false);
    }

    T* m_data = nullptr;
    std::size_t m_count = 0;
    bool m_large = false;
};
