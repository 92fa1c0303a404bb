// Growable array of fixed-size records kept by value in one zero-filled block.
// The current record is mirrored into a variable owned by the user of the array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class TDynaArray {
  public:
    using Reporter = void (*)(const std::string& message);
    using Allocator = void* (*)(std::size_t bytes);

    // cursorVar may be null; it is not written here.
    TDynaArray(int32_t elementSize, void** cursorVar);
    virtual ~TDynaArray();
    TDynaArray(const TDynaArray&) = delete;
    TDynaArray& operator=(const TDynaArray&) = delete;

    void* GoTo(int32_t i);
    void* Append();
    void* InsertAt(int32_t i);
    void DeleteAt(int32_t i);
    void Clear();
    void Exchange(int32_t a, int32_t b);
    void First();
    bool Next();

    // Where the out-of-memory message goes; the UI installs a message box.
    static void SetReporter(Reporter reporter);
    // Zero-filling allocator; replaceable so that tests can make allocations fail.
    static void SetAllocator(Allocator allocator);

    // Read directly by the users of the array.
    void** CursorVar;
    void* Current;
    uint8_t* Storage;
    uint32_t Count;
    int32_t Position;
    int32_t Capacity;
    uint32_t BlockSize;
    int32_t ElementSize;

  private:
    int64_t NeededCapacity(uint32_t count) const;
    bool Grow();
    void Shrink();
    void SetCurrent(int32_t i);
    void ClearCursor();
};
