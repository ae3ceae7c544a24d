#include "host/TList.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <vector>

#include "host/Exception.h"
#include "host/TStrings.h"

namespace wb {
namespace {

class Value : public TObject {
public:
    explicit Value(int32_t v) : v(v) {}
    int32_t v;
};

int32_t ByValue(TObject* a, TObject* b) {
    return static_cast<Value*>(a)->v - static_cast<Value*>(b)->v;
}

TEST(TList, IndexErrorsCarryTheHostMessage) {
    TList list;
    Value item(1);
    list.Add(&item);
    struct Case {
        const char* name;
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {"get past end", [&] { list.Get(1); }, "List index out of bounds (1)"},
        {"get negative", [&] { list.Get(-1); }, "List index out of bounds (-1)"},
        {"delete past end", [&] { list.Delete(5); }, "List index out of bounds (5)"},
        {"insert past end", [&] { list.Insert(2, &item); }, "List index out of bounds (2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call();
            ADD_FAILURE() << "no exception";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_EQ(list.Count(), 1);
}

TEST(TList, SortOrdersByTheCompareFunction) {
    std::mt19937 random(7);
    std::vector<std::unique_ptr<Value>> values;
    TList list;
    for (int i = 0; i < 500; ++i) {
        values.push_back(std::make_unique<Value>(static_cast<int32_t>(random() % 50)));
        list.Add(values.back().get());
    }
    list.Sort(ByValue);
    for (int32_t i = 1; i < list.Count(); ++i)
        EXPECT_LE(static_cast<Value*>(list.Get(i - 1))->v, static_cast<Value*>(list.Get(i))->v);
}

// A compare function that is no consistent order (the wrapped difference of far-apart values)
// must still leave every item in the list exactly once; std::sort would read past the end.
TEST(TList, SortSurvivesAnInconsistentCompare) {
    std::vector<std::unique_ptr<Value>> values;
    TList list;
    for (int32_t v : {INT_MIN, INT_MAX, 0, -1, INT_MIN + 1, 1, INT_MAX - 1, 0, INT_MIN, 5})
        values.push_back(std::make_unique<Value>(v));
    for (int round = 0; round < 20; ++round) {
        list.Clear();
        for (auto& v : values) list.Add(v.get());
        std::shuffle(values.begin(), values.end(), std::mt19937(round));
        list.Sort([](TObject* a, TObject* b) {
            return static_cast<int32_t>(static_cast<uint32_t>(static_cast<Value*>(a)->v) -
                                        static_cast<uint32_t>(static_cast<Value*>(b)->v));
        });
        ASSERT_EQ(list.Count(), 10);
        for (auto& v : values) EXPECT_NE(list.IndexOf(v.get()), -1);
    }
}

TEST(TStrings, AssignCopiesTheLinesIntoTheOwnList) {
    TStringList source{"a", "b"};
    TStringList target{"old"};
    target.Assign(source);
    source.Put(0, "changed");
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target[0], "a");
    EXPECT_EQ(target[1], "b");
    EXPECT_THROW(target.Get(2), EStringListError);
}

}  // namespace
}  // namespace wb
