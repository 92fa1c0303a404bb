#include "TDynaArray.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void DefaultReporter(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

void* DefaultAllocator(std::size_t bytes) {
    return std::calloc(1, bytes);
}

TDynaArray::Reporter reporter = DefaultReporter;
TDynaArray::Allocator allocator = DefaultAllocator;

void* AllocateZeroed(int64_t bytes) {
    void* block = bytes > 0 && bytes <= std::numeric_limits<int32_t>::max()
                      ? allocator(static_cast<std::size_t>(bytes))
                      : nullptr;
    if (block == nullptr) {
        reporter("Error while trying to allocate " + std::to_string(bytes) +
                 " bytes of RAM. Not enough memory.");
    }
    return block;
}

}  // namespace

void TDynaArray::SetReporter(Reporter r) {
    reporter = r != nullptr ? r : DefaultReporter;
}

void TDynaArray::SetAllocator(Allocator a) {
    allocator = a != nullptr ? a : DefaultAllocator;
}

TDynaArray::TDynaArray(int32_t elementSize, void** cursorVar)
    : CursorVar(cursorVar),
      Current(nullptr),
      Storage(nullptr),
      Count(0),
      Position(-1),
      Capacity(0),
      BlockSize(100),
      ElementSize(elementSize) {
    assert(elementSize > 0);
}

TDynaArray::~TDynaArray() {
    std::free(Storage);
    Storage = nullptr;
    Current = nullptr;
    Position = -1;
}

int64_t TDynaArray::NeededCapacity(uint32_t count) const {
    if (count == 0) {
        return 0;
    }
    const int64_t blocks = (static_cast<int64_t>(count) - 1) / BlockSize + 1;
    return blocks * BlockSize * ElementSize;
}

// Makes room for one more record. On failure nothing has changed.
bool TDynaArray::Grow() {
    const int64_t needed = NeededCapacity(Count + 1);
    if (needed == Capacity) {
        return true;
    }
    void* block = AllocateZeroed(needed);
    if (block == nullptr) {
        return false;
    }
    if (Storage != nullptr) {
        std::memcpy(block, Storage, static_cast<std::size_t>(Capacity));
        std::free(Storage);
    }
    Storage = static_cast<uint8_t*>(block);
    Capacity = static_cast<int32_t>(needed);
    return true;
}

// Called after Count went down. When the smaller block cannot be had the
// larger one is kept: the records are all still there.
void TDynaArray::Shrink() {
    if (Count == 0) {
        std::free(Storage);
        Storage = nullptr;
        Capacity = 0;
        return;
    }
    const int64_t needed = NeededCapacity(Count);
    if (needed == Capacity) {
        return;
    }
    void* block = AllocateZeroed(needed);
    if (block == nullptr) {
        return;
    }
    std::memcpy(block, Storage, static_cast<std::size_t>(needed));
    std::free(Storage);
    Storage = static_cast<uint8_t*>(block);
    Capacity = static_cast<int32_t>(needed);
}

void TDynaArray::SetCurrent(int32_t i) {
    Position = i;
    Current = Storage + static_cast<std::size_t>(i) * static_cast<std::size_t>(ElementSize);
    if (CursorVar != nullptr) {
        *CursorVar = Current;
    }
}

void TDynaArray::ClearCursor() {
    Position = -1;
    Current = nullptr;
    if (CursorVar != nullptr) {
        *CursorVar = nullptr;
    }
}

void* TDynaArray::GoTo(int32_t i) {
    assert(i >= 0 && static_cast<uint32_t>(i) < Count);
    SetCurrent(i);
    return Current;
}

void* TDynaArray::Append() {
    return InsertAt(static_cast<int32_t>(Count));
}

void* TDynaArray::InsertAt(int32_t i) {
    if (i < 0 || static_cast<uint32_t>(i) > Count) {
        return nullptr;
    }
    if (!Grow()) {
        return nullptr;
    }
    const std::size_t size = static_cast<std::size_t>(ElementSize);
    uint8_t* slot = Storage + static_cast<std::size_t>(i) * size;
    std::memmove(slot + size, slot, (Count - static_cast<uint32_t>(i)) * size);
    std::memset(slot, 0, size);
    ++Count;
    SetCurrent(i);
    return Current;
}

void TDynaArray::DeleteAt(int32_t i) {
    if (Count == 0 || i < 0 || static_cast<uint32_t>(i) > Count - 1) {
        return;
    }
    const std::size_t size = static_cast<std::size_t>(ElementSize);
    uint8_t* slot = Storage + static_cast<std::size_t>(i) * size;
    std::memmove(slot, slot + size, (Count - 1 - static_cast<uint32_t>(i)) * size);
    --Count;
    Shrink();
    ClearCursor();
}

void TDynaArray::Clear() {
    std::free(Storage);
    Storage = nullptr;
    Count = 0;
    Capacity = 0;
    ClearCursor();
}

void TDynaArray::Exchange(int32_t a, int32_t b) {
    if (a < 0 || b < 0 || static_cast<uint32_t>(a) >= Count || static_cast<uint32_t>(b) >= Count) {
        return;
    }
    const std::size_t size = static_cast<std::size_t>(ElementSize);
    uint8_t* ra = Storage + static_cast<std::size_t>(a) * size;
    uint8_t* rb = Storage + static_cast<std::size_t>(b) * size;
    if (ra != rb) {
        // Through a scratch buffer, piecewise for records larger than it.
        uint8_t scratch[256];
        for (std::size_t done = 0; done < size; done += sizeof(scratch)) {
            const std::size_t part = std::min(sizeof(scratch), size - done);
            std::memcpy(scratch, ra + done, part);
            std::memcpy(ra + done, rb + done, part);
            std::memcpy(rb + done, scratch, part);
        }
    }
    SetCurrent(b);
}

void TDynaArray::First() {
    if (Count == 0) {
        return;
    }
    SetCurrent(0);
}

bool TDynaArray::Next() {
    if (Count == 0 || Position < 0 || static_cast<uint32_t>(Position) >= Count) {
        return false;
    }
    SetCurrent(Position);
    ++Position;
    return true;
}
