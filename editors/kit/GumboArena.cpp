// SPDX-License-Identifier: MIT
#include "editors/kit/GumboArena.h"

#include <algorithm>

namespace kit {

namespace {

constexpr std::size_t kAlign = alignof(std::max_align_t);
constexpr std::size_t kBlock = std::size_t(1) << 20;
constexpr std::size_t kSpareBlocks = 32;

} // namespace

std::vector<GumboArena::Block>& GumboArena::spares() {
    thread_local std::vector<Block> blocks;
    return blocks;
}

void GumboArena::clear() {
    std::vector<Block>& spare = spares();
    for (Block& block : blocks_) {
        if (spare.size() < kSpareBlocks && block.size == kBlock)
            spare.push_back(std::move(block));
    }
    blocks_.clear();
    next_ = nullptr;
    left_ = 0;
}

void* GumboArena::allocate(std::size_t size) {
    size = (size + kAlign - 1) / kAlign * kAlign;
    if (size > left_) {
        std::vector<Block>& spare = spares();
        if (size <= kBlock && !spare.empty()) {
            blocks_.push_back(std::move(spare.back()));
            spare.pop_back();
            left_ = kBlock;
        } else {
            left_ = std::max(size, kBlock);
            blocks_.push_back(
                {std::make_unique_for_overwrite<std::max_align_t[]>(left_ / kAlign), left_});
        }
        next_ = reinterpret_cast<char*>(blocks_.back().memory.get());
    }
    void* block = next_;
    next_ += size;
    left_ -= size;
    return block;
}

} // namespace kit
