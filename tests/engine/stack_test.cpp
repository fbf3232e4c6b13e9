// The program's stack, and the engine's own generator.

#include <gtest/gtest.h>

#include <vector>

#include "random.h"
#include "stack.h"

namespace lumbra {
namespace {

std::vector<int> items(const Stack<int>& stack)
{
    std::vector<int> result;
    for (int i = 1; i <= stack.count(); ++i) {
        result.push_back(stack.item(i));
    }
    return result;
}

Stack<int> stack_of(const std::vector<int>& bottom_to_top)
{
    Stack<int> stack;
    for (const int value : bottom_to_top) {
        stack.push(value);
    }
    return stack;
}

TEST(Stack, items_count_from_the_top)
{
    const Stack<int> stack = stack_of({1, 2, 3});
    EXPECT_EQ(stack.count(), 3);
    EXPECT_EQ(items(stack), (std::vector<int>{3, 2, 1}));
}

TEST(Stack, pop_removes_the_top_and_make_empty_removes_all)
{
    Stack<int> stack = stack_of({1, 2, 3});
    stack.pop();
    EXPECT_EQ(items(stack), (std::vector<int>{2, 1}));
    stack.make_empty();
    EXPECT_TRUE(stack.is_empty());
    stack.push(7);  // a reused node carries only its new value
    EXPECT_EQ(items(stack), std::vector<int>{7});
}

TEST(Stack, removal_at_a_position_keeps_the_rest_in_order)
{
    Stack<int> stack = stack_of({1, 2, 3, 4});
    stack.remove_at(2);
    EXPECT_EQ(items(stack), (std::vector<int>{4, 2, 1}));
    stack.remove_at(3);
    EXPECT_EQ(items(stack), (std::vector<int>{4, 2}));
    stack.remove_at(1);
    EXPECT_EQ(items(stack), std::vector<int>{2});
}

TEST(Stack, the_two_copies)
{
    const Stack<int> source = stack_of({1, 2, 3});
    Stack<int> target = stack_of({9, 9, 9, 9});
    target.copy_reversed(source);
    EXPECT_EQ(items(target), (std::vector<int>{1, 2, 3}));
    target.copy(source);
    EXPECT_EQ(items(target), (std::vector<int>{3, 2, 1}));
    const Stack<int> copied = source;
    EXPECT_EQ(items(copied), (std::vector<int>{3, 2, 1}));
}

TEST(Stack, positions_outside_the_stack_stop_the_program)
{
    Stack<int> stack = stack_of({1});
    EXPECT_DEATH(stack.item(2), "position<=count_");
    EXPECT_DEATH(stack.remove_at(0), "1<=position");
}

TEST(Random, the_same_seed_gives_the_same_numbers_of_at_least_15_bits)
{
    Random a(42);
    Random b(42);
    int highest = 0;
    for (int i = 0; i < 1000; ++i) {
        const int number = a.next();
        EXPECT_EQ(number, b.next());
        EXPECT_GE(number, 0);
        highest = number > highest ? number : highest;
    }
    EXPECT_GT(highest, 1 << 15);
    Random c(43);
    EXPECT_NE(Random(42).next(), c.next());
}

}  // namespace
}  // namespace lumbra
