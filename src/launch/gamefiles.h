#pragma once
// The files that pass between the launcher, the add-on and the game, each named once. The game's
// program names are the platform's (GameExecutableNames).

namespace zk {

// The add-on's files beside the launcher (ProgramDir).
inline constexpr const char* kScriptTemplateFile = "zeb-kin.ctp";
inline constexpr const char* kAddonArchiveFile = "Zeb-Kin.grp";

// The four files a run makes in GameDir; the add-on's archive is copied under its own name.
inline constexpr const char* kWorkingMapFile = "Zeb-Kin.map";
inline constexpr const char* kGameScriptFile = "zebkin.con";
inline constexpr const char* kModelDefinitionsFile = "zebkin.def";
inline constexpr const char* kGeneratedFiles[] = {kAddonArchiveFile, kWorkingMapFile,
                                                  kGameScriptFile, kModelDefinitionsFile};

// The game's own files in GameDir.
inline constexpr const char* kGameArchiveFile = "Duke3D.grp";
// The high-resolution player model: this name plus ".md3" (the model) and ".jpg" (its skin).
inline constexpr const char* kPlayerModelFiles = "highres/sprites/characters/duke/1405_duke";

}  // namespace zk
