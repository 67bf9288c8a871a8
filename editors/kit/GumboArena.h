// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace kit {

// Hands out gumbo's memory from large blocks and frees it all at once with the tree: gumbo
// allocates for every node and string, and one malloc and free each cost about as much as the
// parsing. The blocks a parse used are kept for the next parse in the same thread, up to 32 MB
// (a parse takes about 20 times the page's size), since the system's fresh pages cost a quarter
// of a large parse.
class GumboArena {
public:
    GumboArena() = default;
    GumboArena(const GumboArena&) = delete;
    GumboArena& operator=(const GumboArena&) = delete;
    ~GumboArena() { clear(); }

    void* allocate(std::size_t size);
    // Everything handed out is gone.
    void clear();

    // gumbo's allocator and deallocator, with the arena as their user data.
    static void* allocate(void* arena, std::size_t size) {
        return static_cast<GumboArena*>(arena)->allocate(size);
    }
    static void release(void*, void*) {}

private:
    struct Block {
        std::unique_ptr<std::max_align_t[]> memory;
        std::size_t size = 0;
    };
    static std::vector<Block>& spares();

    std::vector<Block> blocks_;
    char* next_ = nullptr;
    std::size_t left_ = 0;
};

} // namespace kit
