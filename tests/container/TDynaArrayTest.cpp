#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "container/TDynaArray.h"
#include "container/TRecordArray.h"

namespace {

struct Rec {
    int32_t Value;
    int32_t Pad[3];
};

std::vector<std::string> reports;
void Record(const std::string& message) {
    reports.push_back(message);
}

int allocationsLeft = -1;  // -1: unlimited
int allocations = 0;
void* CountingAllocator(std::size_t bytes) {
    ++allocations;
    if (allocationsLeft == 0) {
        return nullptr;
    }
    if (allocationsLeft > 0) {
        --allocationsLeft;
    }
    return std::calloc(1, bytes);
}

class TDynaArrayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        reports.clear();
        allocations = 0;
        allocationsLeft = -1;
        TDynaArray::SetReporter(Record);
        TDynaArray::SetAllocator(CountingAllocator);
    }
    void TearDown() override {
        TDynaArray::SetReporter(nullptr);
        TDynaArray::SetAllocator(nullptr);
    }

    void Fill(int n) {
        for (int i = 0; i < n; ++i) {
            array.Append()->Value = i;
        }
    }
    std::vector<int> Values() {
        std::vector<int> v;
        for (int i = 0; i < array.Count(); ++i) {
            v.push_back(array.At(i).Value);
        }
        return v;
    }

    TCursor<Rec> cursor;
    TRecordArray<Rec> array{&cursor};
};

TEST_F(TDynaArrayTest, StartsEmptyWithoutTouchingTheCursor) {
    int dummy = 0;
    TCursor<Rec> untouched;
    untouched.Raw = &dummy;
    TRecordArray<Rec> fresh(&untouched);
    EXPECT_EQ(fresh.Array.Count, 0u);
    EXPECT_EQ(fresh.Array.Position, -1);
    EXPECT_EQ(fresh.Array.Capacity, 0);
    EXPECT_EQ(fresh.Array.BlockSize, 100u);
    EXPECT_EQ(fresh.Array.Storage, nullptr);
    EXPECT_EQ(untouched.Raw, &dummy);
}

TEST_F(TDynaArrayTest, GrowsInBlocksOfHundredRecords) {
    const int32_t block = 100 * static_cast<int32_t>(sizeof(Rec));
    array.Append();
    EXPECT_EQ(array.Array.Capacity, block);
    EXPECT_EQ(allocations, 1);
    Fill(99);  // 100 records
    EXPECT_EQ(array.Array.Capacity, block);
    EXPECT_EQ(allocations, 1);
    array.Append();  // 101st
    EXPECT_EQ(array.Array.Capacity, 2 * block);
    EXPECT_EQ(allocations, 2);
    Fill(99);  // 200 records
    EXPECT_EQ(array.Array.Capacity, 2 * block);
    EXPECT_EQ(allocations, 2);
    // Records survive the reallocation.
    for (int i = 1; i < 100; ++i) {
        EXPECT_EQ(array.At(i).Value, i - 1);
    }
}

TEST_F(TDynaArrayTest, ShrinksBackAndReleasesWhenEmpty) {
    const int32_t block = 100 * static_cast<int32_t>(sizeof(Rec));
    Fill(101);
    array.DeleteAt(100);
    EXPECT_EQ(array.Array.Capacity, block);
    EXPECT_EQ(Values().back(), 99);
    while (array.Count() > 1) {
        array.DeleteAt(0);
    }
    EXPECT_EQ(array.Array.Capacity, block);
    array.DeleteAt(0);
    EXPECT_EQ(array.Array.Capacity, 0);
    EXPECT_EQ(array.Array.Storage, nullptr);
}

TEST_F(TDynaArrayTest, AppendAndInsertPositionTheCursor) {
    Rec* r = array.Append();
    EXPECT_EQ(cursor.get(), r);
    EXPECT_EQ(array.Position(), 0);
    EXPECT_EQ(r->Value, 0);
    Fill(3);
    Rec* inserted = array.InsertAt(1);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->Value, 0);  // zero-filled
    EXPECT_EQ(array.Position(), 1);
    EXPECT_EQ(cursor.get(), inserted);
    inserted->Value = 42;
    EXPECT_EQ(Values(), (std::vector<int>{0, 42, 0, 1, 2}));
    EXPECT_EQ(array.GoTo(3)->Value, 1);
    EXPECT_EQ(cursor->Value, 1);
}

TEST_F(TDynaArrayTest, OutOfRangeEditsChangeNothing) {
    // InsertAt(Count) on an empty array inserts the first record.
    EXPECT_NE(array.InsertAt(0), nullptr);
    EXPECT_EQ(array.InsertAt(2), nullptr);
    EXPECT_EQ(array.InsertAt(-1), nullptr);
    EXPECT_EQ(array.Count(), 1);

    TCursor<Rec> c;
    TRecordArray<Rec> empty(&c);
    empty.DeleteAt(0);
    empty.Exchange(0, 0);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.Position(), -1);

    Fill(3);
    array.GoTo(1);
    array.DeleteAt(4);
    array.DeleteAt(-1);
    array.Exchange(0, 4);
    array.Exchange(-1, 0);
    EXPECT_EQ(array.Count(), 4);
    EXPECT_EQ(array.Position(), 1);  // untouched
}

TEST_F(TDynaArrayTest, ExchangeLeavesTheCursorOnTheSecondIndex) {
    Fill(3);
    array.Exchange(0, 2);
    EXPECT_EQ(array.Position(), 2);
    EXPECT_EQ(cursor->Value, 0);  // record 2 now holds the former record 0
    EXPECT_EQ(Values(), (std::vector<int>{2, 1, 0}));
    array.Exchange(1, 1);
    EXPECT_EQ(Values(), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(array.Position(), 1);
}

TEST_F(TDynaArrayTest, DeleteAndClearResetTheCursor) {
    Fill(3);
    array.GoTo(0);
    array.DeleteAt(1);
    EXPECT_EQ(cursor.get(), nullptr);
    EXPECT_EQ(array.Position(), -1);
    EXPECT_EQ(Values(), (std::vector<int>{0, 2}));
    array.GoTo(1);
    array.Clear();
    EXPECT_EQ(cursor.get(), nullptr);
    EXPECT_EQ(array.Count(), 0);
    EXPECT_EQ(array.Array.Capacity, 0);

    // First on an empty array keeps the cursor as it was.
    int marker = 0;
    cursor.Raw = &marker;
    array.First();
    EXPECT_EQ(cursor.Raw, &marker);
    EXPECT_FALSE(array.Next());
}

TEST_F(TDynaArrayTest, WalkSeesPositionOnePastTheVisitedRecord) {
    Fill(3);
    std::vector<int> positions;
    std::vector<int> visited;
    array.First();
    while (array.Next()) {
        positions.push_back(array.Position());
        visited.push_back(cursor->Value);
    }
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(visited, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(array.Position(), 3);
    EXPECT_EQ(cursor.get(), &array.At(2));
}

TEST_F(TDynaArrayTest, WalkReactsToEditsInItsBody) {
    Fill(4);
    // Deleting ends the walk.
    int steps = 0;
    array.First();
    while (array.Next()) {
        ++steps;
        if (cursor->Value == 1) {
            array.DeleteAt(array.Position() - 1);
        }
    }
    EXPECT_EQ(steps, 2);

    // GoTo(k) continues at k; Append continues at the new last record.
    std::vector<int> visited;
    bool jumped = false;
    array.First();
    while (array.Next()) {
        visited.push_back(cursor->Value);
        if (!jumped) {
            jumped = true;
            array.GoTo(2);
        } else if (visited.size() == 2) {
            array.Append()->Value = 9;
        }
    }
    EXPECT_EQ(visited, (std::vector<int>{0, 3, 9}));
}

TEST_F(TDynaArrayTest, FailedAllocationReportsAndChangesNothing) {
    Fill(100);
    allocationsLeft = 0;
    const uint8_t* storage = array.Array.Storage;
    EXPECT_EQ(array.Append(), nullptr);
    EXPECT_EQ(array.InsertAt(0), nullptr);
    EXPECT_EQ(array.Count(), 100);
    EXPECT_EQ(array.Array.Storage, storage);
    EXPECT_EQ(array.At(0).Value, 0);
    ASSERT_EQ(reports.size(), 2u);
    const std::string bytes = std::to_string(200 * sizeof(Rec));
    EXPECT_EQ(reports[0], "Error while trying to allocate " + bytes + " bytes of RAM. Not enough memory.");

    // An empty array that cannot get its first block stays empty.
    TCursor<Rec> c;
    TRecordArray<Rec> empty(&c);
    EXPECT_EQ(empty.Append(), nullptr);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.Array.Storage, nullptr);

    // Copying records in stops where memory runs out, keeping what it appended.
    EXPECT_TRUE(empty.Records().empty());
    allocationsLeft = -1;
    std::vector<Rec> records(150, Rec{});
    for (int i = 0; i < 150; ++i) {
        records[i].Value = i;
    }
    allocationsLeft = 1;  // the first block of 100 only
    EXPECT_FALSE(empty.AppendRecords(records));
    const std::vector<Rec> copied = empty.Records();
    ASSERT_EQ(copied.size(), 100u);
    EXPECT_EQ(copied.front().Value, 0);
    EXPECT_EQ(copied.back().Value, 99);

    // A shrink that cannot get its smaller block still deletes, keeping the larger one.
    allocationsLeft = -1;
    Fill(1);  // 101 records, two blocks
    allocationsLeft = 0;
    array.DeleteAt(0);
    EXPECT_EQ(array.Count(), 100);
    EXPECT_EQ(array.At(0).Value, 1);
}

}  // namespace
