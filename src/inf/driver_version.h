// The five Windows targets a driver can serve, and a set of them in one byte.
#pragma once

#include <cstdint>
#include <string_view>

namespace torvane {

enum TDriverVersion : uint8_t { dvWinXPx86, dvWin7x86, dvWin7x64, dvWin8x86, dvWin8x64 };

inline constexpr int kDriverVersionCount = 5;

/// The radio-group text of a target ("Windows 7 x64").
std::u16string_view DriverVersionText(TDriverVersion version);

/// A set of targets: bit n stands for the target of ordinal n; bits 5 to 7 stay clear.
class CDriverVersion {
 public:
  constexpr CDriverVersion() = default;
  static constexpr CDriverVersion FromBits(uint8_t bits) { return CDriverVersion(bits & 0x1F); }

  constexpr bool Contains(TDriverVersion v) const { return (bits_ >> v) & 1; }
  constexpr void Include(TDriverVersion v) { bits_ = static_cast<uint8_t>(bits_ | (1u << v)); }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr uint8_t Bits() const { return bits_; }
  friend constexpr bool operator==(CDriverVersion a, CDriverVersion b) { return a.bits_ == b.bits_; }

 private:
  explicit constexpr CDriverVersion(uint8_t bits) : bits_(bits) {}
  uint8_t bits_ = 0;
};

}  // namespace torvane
