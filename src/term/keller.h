#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

namespace quarvel {

// A stack of bracket positions. The bracket test and the expansion of bracket powers each
// use their own; every user empties it first (kellerInit).
class Keller {
 public:
  void kellerInit() { elemente_.clear(); }
  void einkellern(std::size_t n) { elemente_.push_back(n); }
  bool kellerLeer() const { return elemente_.empty(); }
  // The top element; the stack must not be empty.
  std::size_t peek() const {
    assert(!elemente_.empty());
    return elemente_.back();
  }
  // Removes the top element; the stack must not be empty.
  void auskellern() {
    assert(!elemente_.empty());
    elemente_.pop_back();
  }

 private:
  std::vector<std::size_t> elemente_;
};

}  // namespace quarvel
