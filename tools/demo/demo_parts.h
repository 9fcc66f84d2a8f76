#pragma once
// The pieces of the demo game folder; each subsystem's demo data lives in its own file.
// Folder texts are UTF-8 paths ending in "/".

#include <string>

namespace zk::demo {

// GameDir + "Duke3D.grp": an archive of small version 7 maps for every level the window offers.
void WriteDemoGameArchive(const std::string& gameDir);

// The add-on's files beside the launcher: the template zeb-kin.ctp and the archive Zeb-Kin.grp.
void WriteDemoAddonFiles(const std::string& programDir);

// The high-resolution model files whose presence makes the launcher write zebkin.def.
void WriteDemoHighresModel(const std::string& gameDir);

}  // namespace zk::demo
