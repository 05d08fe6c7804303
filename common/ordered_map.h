#pragma once
// A map that iterates in insertion order, so generated pages do not depend on hashing.
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qc {

template <typename Value> class OrderedMap {
public:
    // Returns the entry for key, adding a default one at the end when it is missing.
    Value& operator[](const std::wstring& key) {
        auto it = index_.find(key);
        if (it != index_.end()) return entries_[it->second].second;
        index_.emplace(key, entries_.size());
        entries_.emplace_back(key, Value{});
        return entries_.back().second;
    }
    const Value* find(const std::wstring& key) const {
        auto it = index_.find(key);
        return it == index_.end() ? nullptr : &entries_[it->second].second;
    }
    Value* find(const std::wstring& key) {
        auto it = index_.find(key);
        return it == index_.end() ? nullptr : &entries_[it->second].second;
    }
    bool contains(const std::wstring& key) const { return index_.count(key) != 0; }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void clear() {
        index_.clear();
        entries_.clear();
    }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    auto begin() { return entries_.begin(); }
    auto end() { return entries_.end(); }

private:
    std::unordered_map<std::wstring, size_t> index_;
    std::vector<std::pair<std::wstring, Value>> entries_;
};

} // namespace qc
