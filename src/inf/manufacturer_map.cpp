// The manufacturer map: the embedded table, its loading and the provider look-up.
#include "inf/manufacturer_map.h"

#include <cstddef>

namespace torvane {

// Defined in the source that the build generates from data/manufacturers.txt.
extern const unsigned char kManufacturerMapData[];
extern const std::size_t kManufacturerMapDataSize;

std::string_view ManufacturerMapBytes() {
  return {reinterpret_cast<const char*>(kManufacturerMapData), kManufacturerMapDataSize};
}

void LoadManufacturerMap(TStringList& list) {
  // Case variants of a name stand in the table in an order that decides which row answers
  // first; a sorted list would reorder them and drop the repeats.
  list.SetSorted(false);
  list.LoadFromBytes(ManufacturerMapBytes());
}

std::u16string LookUpProvider(const TStringList& map, std::u16string_view provider) {
  return map.Values(provider);
}

}  // namespace torvane
