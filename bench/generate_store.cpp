// torvane_store_gen: writes a driver store of N packages for the benchmarks, the same store for
// the same seed. Package folders follow Drivers\Files\<category>\<provider>\[<version>]<n>, each
// with one to three INF files and a few payload files; the INF files are UTF-16LE or ANSI, sized
// like real ones (a few KiB, a tail up to about 1 MiB), with dates from 1998 to 2030 and hardware
// IDs that recur across packages as versions of one driver do.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "foundation/code_page.h"
#include "foundation/text.h"

namespace {

using torvane::Ascii;
using torvane::TextEncoding;

struct Family {
  std::string category, provider, device_class, prefix;
  std::vector<std::string> ids;
};

const char* const kCategories[][2] = {{"Net", "Net"},       {"Display", "Display"}, {"MEDIA", "MEDIA"},
                                      {"USB", "USB"},       {"HIDClass", "HIDClass"}, {"System", "System"},
                                      {"hdc", "HDC"},       {"Printer", "Printer"},   {"Bluetooth", "Bluetooth"},
                                      {"Image", "Image"}};
const char* const kProviders[][2] = {{"Intel", "Intel Corporation"},
                                     {"Realtek", "Realtek Semiconductor Corp."},
                                     {"AMD", "Advanced Micro Devices, Inc."},
                                     {"NVIDIA", "NVIDIA"},
                                     {"Broadcom", "Broadcom"},
                                     {"Microsoft", "Microsoft"},
                                     {"Other", "Kestrel Devices Ltd."}};
const char* const kDecorations[] = {"NTamd64", "NTamd64.6.1", "NTamd64.6.0", "NTamd64.6.2", "NTx86",
                                    "NTx86.6.1", "NTamd64.10.0", "NTia64", "NTarm64"};

std::string Hex4(std::mt19937_64& r) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(r() % 0x10000));
  return buffer;
}

// How many filler lines an INF gets: most a few KiB, one in a hundred a few hundred KiB.
int FillerLines(std::mt19937_64& r) {
  const int roll = static_cast<int>(r() % 1000);
  if (roll < 5) return 3000 + static_cast<int>(r() % 6000);
  if (roll < 30) return 500 + static_cast<int>(r() % 1500);
  return 2 + static_cast<int>(r() % 30);
}

std::string Inf(std::mt19937_64& r, const Family& f, int package, int file) {
  const int year = 1998 + static_cast<int>(r() % 33);
  const int month = 1 + static_cast<int>(r() % 12), day = 1 + static_cast<int>(r() % 28);
  const std::string version = std::to_string(1 + r() % 30) + "." + std::to_string(r() % 100) + "." +
                              std::to_string(package) + "." + std::to_string(file);
  std::string s;
  s += "; generated package " + std::to_string(package) + "\r\n";
  s += "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=" + f.device_class +
       "\r\nClassGuid={4d36e972-e325-11ce-bfc1-08002be10318}\r\nProvider=%Mfg%\r\n";
  s += "DriverVer=" + std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year) +
       "," + version + "\r\nCatalogFile=" + f.prefix + ".cat\r\n\r\n";
  std::vector<std::string> decorations;
  const int sections = 1 + static_cast<int>(r() % 3);
  for (int k = 0; k < sections; ++k) decorations.push_back(kDecorations[r() % std::size(kDecorations)]);
  s += "[Manufacturer]\r\n%Mfg%=Models";
  for (const auto& d : decorations) s += "," + d;
  s += "\r\n\r\n";
  int devices = 0;
  for (const auto& d : decorations) {
    s += "[Models." + d + "]\r\n";
    for (const auto& id : f.ids) {
      if (r() % 4 == 0) continue;
      s += "%Dev" + std::to_string(devices++) + "%=Install," + id + (r() % 3 ? "" : ",PCI\\CC_0200") + "\r\n";
    }
    s += "\r\n";
  }
  s += "[Install]\r\nCopyFiles=Files\r\nAddReg=Regs\r\n\r\n[Regs]\r\n";
  const int filler = FillerLines(r);
  for (int k = 0; k < filler; ++k) {
    s += "HKR,Ndi\\params\\Key" + std::to_string(k) + ",ParamDesc,,%Param" + std::to_string(k % 50) + "%\r\n";
  }
  s += "\r\n[Strings]\r\nMfg=\"" + f.provider + "\"\r\n";
  for (int k = 0; k < devices; ++k) s += "Dev" + std::to_string(k) + "=\"" + f.prefix + " device " + std::to_string(k) + "\"\r\n";
  for (int k = 0; k < 50; ++k) s += "Param" + std::to_string(k) + "=\"Parameter " + std::to_string(k) + "\"\r\n";
  return s;
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: torvane_store_gen FOLDER PACKAGES [SEED]\n");
    return 2;
  }
  const std::filesystem::path root = std::filesystem::path(argv[1]) / "Drivers" / "Files";
  const int packages = std::atoi(argv[2]);
  std::mt19937_64 r(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 2026);

  // Driver families: versions of one driver share most of their IDs.
  std::vector<Family> families(std::max(1, packages / 4));
  for (size_t k = 0; k < families.size(); ++k) {
    Family& f = families[k];
    const auto& cat = kCategories[r() % std::size(kCategories)];
    const auto& prov = kProviders[r() % std::size(kProviders)];
    f.category = cat[0];
    f.device_class = cat[1];
    f.provider = prov[1];
    f.prefix = "drv" + std::to_string(k);
    const std::string ven = Hex4(r);
    const int ids = 3 + static_cast<int>(r() % 30);
    for (int i = 0; i < ids; ++i) {
      f.ids.push_back(r() % 5 ? "PCI\\VEN_" + ven + "&DEV_" + Hex4(r) + (r() % 2 ? "&SUBSYS_" + Hex4(r) + Hex4(r) : "")
                              : "USB\\VID_" + ven + "&PID_" + Hex4(r));
    }
  }
  const auto utf16 = [](const std::string& s) {
    return std::string("\xFF\xFE", 2) + torvane::EncodeText(TextEncoding::kUtf16LE, Ascii(s));
  };
  for (int p = 0; p < packages; ++p) {
    const Family& f = families[r() % families.size()];
    const std::string provider = [&] {
      for (const auto& prov : kProviders) if (f.provider == prov[1]) return std::string(prov[0]);
      return std::string("Other");
    }();
    const std::filesystem::path folder =
        root / f.category / provider / ("[" + std::to_string(1 + r() % 20) + "." + std::to_string(p) + "]" + std::to_string(p));
    std::filesystem::create_directories(folder);
    const int infs = 1 + static_cast<int>(r() % 3 == 0) + static_cast<int>(r() % 9 == 0);
    for (int k = 0; k < infs; ++k) {
      const std::string text = Inf(r, f, p, k);
      Write(folder / (f.prefix + (k ? std::to_string(k) : "") + ".inf"), r() % 5 < 2 ? utf16(text) : text);
    }
    std::string payload(1024 + r() % 8192, '\0');
    for (char& c : payload) c = static_cast<char>(r());
    Write(folder / (f.prefix + ".sys"), payload);
    Write(folder / (f.prefix + ".cat"), payload.substr(0, 512));
  }
  return 0;
}
