#pragma once

#include "assertion.h"

namespace lumbra {

// One node of a Stack: a value and the node below it.
template <typename T>
struct Stackobject {
    T value;
    Stackobject* next = nullptr;
};

// The program's stack: a count and a singly linked list of nodes, the top
// first. Positions count from the top, 1 being the top. Popped nodes are kept
// for the next pushes, so a stack that has reached its size allocates no more.
template <typename T>
class Stack {
public:
    Stack() = default;
    Stack(const Stack& other) { copy(other); }
    Stack& operator=(const Stack& other)
    {
        if (this != &other) {
            copy(other);
        }
        return *this;
    }
    ~Stack()
    {
        make_empty();
        free_nodes(spare_);
    }

    int count() const { return count_; }
    bool is_empty() const { return count_ == 0; }

    void push(const T& value)
    {
        Stackobject<T>* node = take_node(value);
        node->next = top_;
        top_ = node;
        ++count_;
    }

    void pop() { remove_at(1); }

    // Pops every item.
    void make_empty()
    {
        while (count_ > 0) {
            pop();
        }
    }

    // The item at `position`, 1 being the top.
    const T& item(int position) const { return node_at(position)->value; }

    // Removes the item at `position`, 1 being the top.
    void remove_at(int position)
    {
        Stackobject<T>** link = link_to(position);
        Stackobject<T>* node = *link;
        *link = node->next;
        node->next = spare_;
        spare_ = node;
        --count_;
    }

    // Empties this stack, then pushes the items of `source` from its top
    // down, so this stack holds them in reverse order.
    void copy_reversed(const Stack& source)
    {
        LUMBRA_ASSERT(this != &source);
        make_empty();
        for (const Stackobject<T>* node = source.top_; node != nullptr; node = node->next) {
            push(node->value);
        }
    }

    // Makes this stack hold the items of `source` in the same order.
    void copy(const Stack& source)
    {
        LUMBRA_ASSERT(this != &source);
        make_empty();
        Stackobject<T>** end = &top_;
        for (const Stackobject<T>* node = source.top_; node != nullptr; node = node->next) {
            *end = take_node(node->value);
            end = &(*end)->next;
            ++count_;
        }
    }

private:
    // A node holding `value`, from the spare nodes when there is one.
    Stackobject<T>* take_node(const T& value)
    {
        Stackobject<T>* node = spare_;
        if (node == nullptr) {
            return new Stackobject<T>{value};
        }
        spare_ = node->next;
        node->value = value;
        node->next = nullptr;
        return node;
    }

    Stackobject<T>** link_to(int position)
    {
        LUMBRA_ASSERT((1<=position)&&(position<=count_));
        Stackobject<T>** link = &top_;
        for (int i = 1; i < position; ++i) {
            link = &(*link)->next;
        }
        return link;
    }

    const Stackobject<T>* node_at(int position) const
    {
        LUMBRA_ASSERT((1<=position)&&(position<=count_));
        const Stackobject<T>* node = top_;
        for (int i = 1; i < position; ++i) {
            node = node->next;
        }
        return node;
    }

    static void free_nodes(Stackobject<T>* node)
    {
        while (node != nullptr) {
            Stackobject<T>* next = node->next;
            delete node;
            node = next;
        }
    }

    Stackobject<T>* top_ = nullptr;
    Stackobject<T>* spare_ = nullptr;
    int count_ = 0;
};

}  // namespace lumbra
