// Typed face of TDynaArray, so that game code reads TCard*, not void*.
#pragma once

#include <cassert>
#include <span>
#include <type_traits>
#include <vector>

#include "TDynaArray.h"

// A cursor variable: the array writes the address of its current record here.
template <class T>
class TCursor {
  public:
    T* get() const { return static_cast<T*>(Raw); }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    explicit operator bool() const { return Raw != nullptr; }

    void* Raw = nullptr;
};

template <class T>
class TRecordArray {
    static_assert(std::is_trivially_copyable_v<T>, "records are moved as raw bytes");

  public:
    explicit TRecordArray(TCursor<T>* cursor = nullptr)
        : Array(static_cast<int32_t>(sizeof(T)), cursor != nullptr ? &cursor->Raw : nullptr) {}

    int Count() const { return static_cast<int>(Array.Count); }
    bool Empty() const { return Array.Count == 0; }
    int Position() const { return Array.Position; }
    T* Current() const { return static_cast<T*>(Array.Current); }

    T* GoTo(int i) { return static_cast<T*>(Array.GoTo(i)); }
    T* Append() { return static_cast<T*>(Array.Append()); }
    T* InsertAt(int i) { return static_cast<T*>(Array.InsertAt(i)); }
    void DeleteAt(int i) { Array.DeleteAt(i); }
    void Clear() { Array.Clear(); }
    void Exchange(int a, int b) { Array.Exchange(a, b); }
    void First() { Array.First(); }
    bool Next() { return Array.Next(); }

    // Reads a record without moving the cursor (painting and checks need this).
    const T& At(int i) const {
        assert(i >= 0 && i < Count());
        return reinterpret_cast<const T*>(Array.Storage)[i];
    }
    T& At(int i) {
        assert(i >= 0 && i < Count());
        return reinterpret_cast<T*>(Array.Storage)[i];
    }
    const T& Last() const { return At(Count() - 1); }

    // The records in place, for reading them as a range.
    std::span<const T> View() const {
        return Empty() ? std::span<const T>()
                       : std::span<const T>(reinterpret_cast<const T*>(Array.Storage), Count());
    }
    // The records as values, in order: for records and copies kept apart from the array.
    std::vector<T> Records() const {
        if (Empty()) {
            return {};
        }
        const T* first = reinterpret_cast<const T*>(Array.Storage);
        return std::vector<T>(first, first + Count());
    }
    // Appends copies of the records; false when memory ran out part of the way.
    bool AppendRecords(const std::vector<T>& records) {
        for (const T& record : records) {
            T* slot = Append();
            if (slot == nullptr) {
                return false;
            }
            *slot = record;
        }
        return true;
    }

    TDynaArray Array;
};
