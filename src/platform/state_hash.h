#pragma once
// Folds a control's or form's look into one number (FNV-1a), so a repaint happens only
// when something visible changed.
#include <cstdint>
#include <cstring>
#include <string>

struct THasher {
  uint64_t Value = 1469598103934665603ull;
  void Bytes(const void* data, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; i++) {
      Value ^= p[i];
      Value *= 1099511628211ull;
    }
  }
  void Add(uint64_t v) { Bytes(&v, sizeof v); }
  void Add(const std::string& s) {
    Add((uint64_t)s.size());
    Bytes(s.data(), s.size());
  }
  void Add(const void* p) { Add((uint64_t)(uintptr_t)p); }
};
