#pragma once
// TListEx: an ordered list that owns its items. Removing an item frees it; so does clearing or
// destroying the list. Item addresses stay put while the list grows, so a window may keep a
// pointer to an item for as long as the item is in the list.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace veka {

template <class T>
class TListEx {
public:
    TListEx() = default;
    TListEx(const TListEx&) = delete;
    TListEx& operator=(const TListEx&) = delete;
    TListEx(TListEx&&) noexcept = default;
    TListEx& operator=(TListEx&&) noexcept = default;

    int Count() const { return int(Items_.size()); }
    bool Empty() const { return Items_.empty(); }

    T& operator[](int i) { return *Items_.at(size_t(i)); }
    const T& operator[](int i) const { return *Items_.at(size_t(i)); }

    T& Add(std::unique_ptr<T> item) {
        Items_.push_back(std::move(item));
        return *Items_.back();
    }
    T& Add(T value) { return Add(std::make_unique<T>(std::move(value))); }
    T& Insert(int i, T value) {
        auto it = Items_.insert(Items_.begin() + Checked(i, true), std::make_unique<T>(std::move(value)));
        return **it;
    }

    void DeleteItem(int i) { Items_.erase(Items_.begin() + Checked(i, false)); }
    void ClearItems() { Items_.clear(); }

    void Exchange(int i, int j) { std::swap(Items_.at(size_t(i)), Items_.at(size_t(j))); }
    // Takes item from and puts it at to; the items between shift by one.
    void Move(int from, int to) {
        std::unique_ptr<T> item = std::move(Items_.at(size_t(from)));
        Items_.erase(Items_.begin() + from);
        Items_.insert(Items_.begin() + Checked(to, true), std::move(item));
    }

    // The items by value, in order (for the plain-record interfaces of the core).
    std::vector<T> Values() const {
        std::vector<T> values;
        values.reserve(Items_.size());
        for (const auto& item : Items_) values.push_back(*item);
        return values;
    }

    // Range-for over the items themselves.
    template <class It, class V>
    class TIterator {
    public:
        explicit TIterator(It it) : It_(it) {}
        V& operator*() const { return **It_; }
        TIterator& operator++() { ++It_; return *this; }
        bool operator!=(const TIterator& other) const { return It_ != other.It_; }

    private:
        It It_;
    };
    auto begin() { return TIterator<typename Storage::iterator, T>(Items_.begin()); }
    auto end() { return TIterator<typename Storage::iterator, T>(Items_.end()); }
    auto begin() const { return TIterator<typename Storage::const_iterator, const T>(Items_.begin()); }
    auto end() const { return TIterator<typename Storage::const_iterator, const T>(Items_.end()); }

private:
    using Storage = std::vector<std::unique_ptr<T>>;

    // An index into the list (or one past its end where insertion allows it); throws like at().
    std::ptrdiff_t Checked(int i, bool endAllowed) const {
        if (i < 0 || size_t(i) > Items_.size() || (!endAllowed && size_t(i) == Items_.size()))
            throw std::out_of_range("TListEx index " + std::to_string(i));
        return i;
    }

    Storage Items_;
};

}  // namespace veka
