#include "cad/old_menu_files.h"

namespace cad {

namespace {

// The Portuguese, Spanish and English sets; only the first has a ".cui".
constexpr const char* kOldMenuFiles[] = {
    "geolume.mns",    "geolume.mnr",     "geolume.mnc",     "geolume.cuix",    "geolume.cui",
    "geolumeesp.mns", "geolumeesp.mnr",  "geolumeesp.mnc",  "geolumeesp.cuix", "geolumeeng.mns",
    "geolumeeng.mnr", "geolumeeng.mnc",  "geolumeeng.cuix",
};

}  // namespace

void DeleteOldMenuFiles(platform::FileSystem& files, const std::string& folder) {
  for (const char* name : kOldMenuFiles) {
    const std::string path = folder + "\\" + name;
    if (files.FileExists(path)) files.DeleteFile(path);
  }
}

}  // namespace cad
