#pragma once
// Little-endian reading with every access bounds-checked, and the matching writer.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace krattle {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Offset() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  bool Has(std::size_t n) const { return n <= Remaining(); }

  // Each returns false, consuming nothing, when too few bytes are left.
  bool U8(std::uint8_t& v) {
    if (!Has(1)) return false;
    v = bytes_[pos_++];
    return true;
  }
  bool U16(std::uint16_t& v) {
    if (!Has(2)) return false;
    v = std::uint16_t(bytes_[pos_] | bytes_[pos_ + 1] << 8);
    pos_ += 2;
    return true;
  }
  bool U32(std::uint32_t& v) {
    if (!Has(4)) return false;
    v = std::uint32_t(bytes_[pos_]) | std::uint32_t(bytes_[pos_ + 1]) << 8 |
        std::uint32_t(bytes_[pos_ + 2]) << 16 | std::uint32_t(bytes_[pos_ + 3]) << 24;
    pos_ += 4;
    return true;
  }
  bool Bytes(std::size_t n, std::span<const std::uint8_t>& out) {
    if (!Has(n)) return false;
    out = bytes_.subspan(pos_, n);
    pos_ += n;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  void U8(std::uint8_t v) { out_.push_back(v); }
  void U16(std::uint16_t v) {
    U8(std::uint8_t(v));
    U8(std::uint8_t(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(std::uint16_t(v));
    U16(std::uint16_t(v >> 16));
  }
  void Bytes(std::span<const std::uint8_t> b) { out_.insert(out_.end(), b.begin(), b.end()); }
  void Text(const std::string& s) { out_.insert(out_.end(), s.begin(), s.end()); }
  std::vector<std::uint8_t>& Data() { return out_; }

 private:
  std::vector<std::uint8_t> out_;
};

}  // namespace krattle
